// The analytics service against a scripted client: records, their members and
// order, the environment switch, and the wait loop before release.
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "biservice.h"
#include "fake_bi_client.h"
#include "message_log.h"

namespace {

using Members = BiClient::Members;

// Points the per-machine settings at a folder of the test's own.
void redirectSystemSettings(const QTemporaryDir& dir) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.path());
}

QString switchFile(const QTemporaryDir& dir) { return dir.path() + "/DaxoOrvo.conf"; }

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class TstBIService : public QObject {
    Q_OBJECT

private slots:
    // A folder per case: the settings cache would take a rewritten file of the
    // same size in the same second for the old one.
    void init() {
        m_settingsDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_settingsDir->isValid());
        redirectSystemSettings(*m_settingsDir);
    }

    void constructionTouchesNothing();
    void initSessionStartsTheClient();
    void environmentSwitch_data();
    void environmentSwitch();
    void recordsCarryTheRunAndEndAfterTheStoreEmpties();
    void countSequenceThreeThreeZero();
    void refusedRecordsAndAnEmptyStore_data();
    void refusedRecordsAndAnEmptyStore();

private:
    std::unique_ptr<QTemporaryDir> m_settingsDir;
};

void TstBIService::constructionTouchesNothing() {
    writeText(switchFile(*m_settingsDir), "[General]\nInternalTest=1\n");
    FakeBiClient client;
    MessageLog log;
    {
        BIService service(client);
        service.addInfoRecord("cpu", "RANK_GOOD", "gpu", "RANK_GOOD", "os", "RANK_GOOD", "8.0",
                              "RANK_GOOD", "RANK_GOOD", 0, 0, 0, "1");
        service.addGpuRecord("other", "RANK_BAD");
        // destroyed with entries queued: they are dropped unsent
    }
    QCOMPARE(client.calls, QStringList());
    QCOMPARE(log.lines(), QStringList());
}

void TstBIService::initSessionStartsTheClient() {
    FakeBiClient client;
    BIService service(client);
    MessageLog log;
    service.initSession();

    QCOMPARE(client.initCalls, 1);
    QCOMPARE(client.initVersion, 1);
    QCOMPARE(QString::fromStdString(client.initAppId), QStringLiteral("com.daxo.orvocheck"));
    QCOMPARE(QString::fromStdString(client.initStoragePath), QStringLiteral("../OrvoSetupTempLog"));
    QVERIFY(log.lines().contains("[BIService]BI Service Version: 1"));
    QCOMPARE(client.flushCalls + client.pendingCalls + client.releaseCalls, 0);
}

void TstBIService::environmentSwitch_data() {
    QTest::addColumn<QByteArray>("fileText");  // empty: no file at all
    QTest::addColumn<bool>("stage");
    QTest::addColumn<QString>("findLine");
    QTest::newRow("one") << QByteArray("[General]\nInternalTest=1\n") << true
                         << QString("\\ InternalTest result: 1 true");
    QTest::newRow("zero") << QByteArray("[General]\nInternalTest=0\n") << false
                          << QString("\\ InternalTest result: 0 false");
    QTest::newRow("two") << QByteArray("[General]\nInternalTest=2\n") << false
                         << QString("\\ InternalTest result: 2 false");
    QTest::newRow("not a number") << QByteArray("[General]\nInternalTest=yes\n") << false
                                  << QString("\\ InternalTest result: 0 false");
    QTest::newRow("missing value") << QByteArray("[General]\nOtherSwitch=1\n") << false
                                   << QString("\\ InternalTest result: 0 false");
    QTest::newRow("missing key") << QByteArray() << false
                                 << QString("\\ InternalTest result: 0 false");
}

void TstBIService::environmentSwitch() {
    QFETCH(QByteArray, fileText);
    QFETCH(bool, stage);
    QFETCH(QString, findLine);
    if (!fileText.isEmpty()) writeText(switchFile(*m_settingsDir), fileText);

    FakeBiClient client;
    BIService service(client);
    MessageLog log;
    service.initSession();

    const QStringList find = log.linesStartingWith("[BIService] Find");
    QCOMPARE(find.size(), 1);
    QCOMPARE(find.first(), "[BIService] Find \"" + switchFile(*m_settingsDir) + "\" " + findLine);
    const bool announced = log.lines().contains("[BIService] Set environment to stage");
    QCOMPARE(announced, stage);
    QCOMPARE(client.environments,
             stage ? std::vector<std::string>{"stage"} : std::vector<std::string>{});
    // The environment is chosen before the client starts.
    if (stage) QVERIFY(client.calls.indexOf("setEnvironment") < client.calls.indexOf("init"));
}

void TstBIService::recordsCarryTheRunAndEndAfterTheStoreEmpties() {
    FakeBiClient client;
    client.pendingScript = {3, 0};  // stored, then uploaded
    BIService service(client);
    QSignalSpy closed(&service, &BIService::close);
    MessageLog log;

    service.initSession();
    service.addInfoRecord("Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz", "RANK_GOOD",
                          "NVIDIA GeForce GTX 1060 6GB", "RANK_GOOD", "Debian GNU/Linux 12",
                          "RANK_BAD", "16.0", "RANK_GOOD", "RANK_BAD", 2, 0, 13, "1.0.4");
    service.addGpuRecord("Intel UHD Graphics 630", "RANK_BAD");
    service.addGpuRecord("Ünïcode Adapter", "RANK_UNKNOWN");
    service.sendBI();

    QCOMPARE(client.sent.size(), size_t{3});
    const Members& info = client.sent[0].members;
    QCOMPARE(QString::fromStdString(client.sent[0].category), QStringLiteral("orvocheck_info"));
    const std::string session = info.at(0).second;
    QVERIFY(QRegularExpression("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$")
                .match(QString::fromStdString(session))
                .hasMatch());
    const Members expectedInfo = {
        {"a0", session},      {"a1", "OrvoCheck_0.0.7.1"},
        {"a2", "1.0.4"},      {"a3", "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz"},
        {"a4", "RANK_GOOD"},  {"a5", "NVIDIA GeForce GTX 1060 6GB"},
        {"a6", "RANK_GOOD"},  {"a7", "Debian GNU/Linux 12"},
        {"a8", "RANK_BAD"},   {"a9", "16.0"},
        {"a10", "RANK_GOOD"}, {"a11", "RANK_BAD"},
        {"a12", "2"},         {"a13", "0"},
        {"a14", "13"},
    };
    QVERIFY(info == expectedInfo);
    const Members expectedGpu1 = {{"sessionId", session},
                                  {"other_gpu_name", "Intel UHD Graphics 630"},
                                  {"other_gpu_rank", "RANK_BAD"}};
    QCOMPARE(QString::fromStdString(client.sent[1].category), QStringLiteral("orvocheck_gpu"));
    QVERIFY(client.sent[1].members == expectedGpu1);
    QCOMPARE(QString::fromStdString(client.sent[2].members.at(1).second),
             QStringLiteral("Ünïcode Adapter"));

    // Logged per entry, adapters without their own fields.
    const QStringList entryLines = log.linesStartingWith("[BIService]onSendToBIServer() Category:");
    QCOMPARE(entryLines.size(), 3);
    QCOMPARE(entryLines[0],
             "[BIService]onSendToBIServer() Category: \"orvocheck_info\" , SessionID: \"" +
                 QString::fromStdString(session) +
                 "\" , Orvocheck_version: \"OrvoCheck_0.0.7.1\" , Json_version: \"1.0.4\" , "
                 "cpu_name: \"Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz\" , cpu_rank: "
                 "\"RANK_GOOD\" , rep_gpu_name: \"NVIDIA GeForce GTX 1060 6GB\" , rep_gpu_rank: "
                 "\"RANK_GOOD\" , os_name: \"Debian GNU/Linux 12\" , os_rank: \"RANK_BAD\" , "
                 "memory_size: \"16.0\" , memory_rank: \"RANK_GOOD\" , overall_rank: "
                 "\"RANK_BAD\" , click_order_orvo: \"2\" , click_steamvr_test: \"0\" , "
                 "click_ready_pc: \"13\"");
    QVERIFY(!entryLines[1].contains("Intel UHD"));
    QCOMPARE(log.linesStartingWith("[BIService]orvocheck_info send to bi.").size(), 1);
    QCOMPARE(log.linesStartingWith("[BIService]orvocheck_gpu send to bi.").size(), 2);
    QVERIFY(log.lines().contains("[BIService] mMsgQueue empty?  false , length:  3"));

    // 0 -> 3, then 3 -> 0 ends the wait; released once, then close().
    QCOMPARE(client.pendingCalls, 2);
    QCOMPARE(client.flushCalls, 2);
    QCOMPARE(client.releaseCalls, 1);
    QCOMPARE(client.calls.last(), QStringLiteral("release"));
    QCOMPARE(closed.count(), 1);
    const QStringList tail = log.lines().mid(log.lines().size() - 2);
    QCOMPARE(tail, QStringList({"[BIService] flushAndRetry() Done", "[BIService]sendBI() Done"}));
}

void TstBIService::countSequenceThreeThreeZero() {
    FakeBiClient client;
    client.pendingScript = {3, 3, 0, 0};
    BIService service(client);
    MessageLog log;
    service.initSession();
    service.sendBI();

    QCOMPARE(log.linesStartingWith("[BIService]FlushBILogger()"),
             QStringList({"[BIService]FlushBILogger() DB pre-Count: 0 ,now-Count: 3",
                          "[BIService]FlushBILogger() DB pre-Count: 3 ,now-Count: 0"}));
    QCOMPARE(client.pendingCalls, 3);
    QCOMPARE(client.flushCalls, 3);
    QCOMPARE(client.releaseCalls, 1);
}

void TstBIService::refusedRecordsAndAnEmptyStore_data() {
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("lostAtRelease");
    QTest::addColumn<QString>("noRecordLines");
    QTest::newRow("refused by a client whose init failed") << true << 0 << "1";
    QTest::newRow("taken, then lost by the store") << false << 1 << "0";
}

void TstBIService::refusedRecordsAndAnEmptyStore() {
    // Records the client refuses, or takes and then cannot store, are never
    // reported as done; the service still waits, releases and closes.
    QFETCH(bool, refused);
    QFETCH(int, lostAtRelease);
    QFETCH(QString, noRecordLines);
    FakeBiClient client;
    client.refuseRecords = refused;
    client.lostAfterRelease = lostAtRelease;
    BIService service(client);
    QSignalSpy closed(&service, &BIService::close);
    MessageLog log;
    service.initSession();
    service.addInfoRecord("", "RANK_UNCHECKED", "", "RANK_UNCHECKED", "", "RANK_UNCHECKED", "0.0",
                          "RANK_UNCHECKED", "RANK_UNCHECKED", 0, 0, 0, "");
    service.sendBI();

    QCOMPARE(QString::number(
                 log.linesStartingWith("[BIService]onSendToBIServer() no record from the client")
                     .size()),
             noRecordLines);
    // An empty store from the start costs five unchanged passes.
    QCOMPARE(client.pendingCalls, 5);
    QCOMPARE(client.flushCalls, 5);
    QCOMPARE(log.linesStartingWith("[BIService]FlushBILogger()"), QStringList());
    QCOMPARE(client.releaseCalls, 1);
    QCOMPARE(client.initCalls, 1);  // sendBI found the client started
    QCOMPARE(closed.count(), 1);
    QCOMPARE(log.linesStartingWith("[BIService]sendBI()"),
             QStringList({"[BIService]sendBI() start",
                          "[BIService]sendBI() Not done, records not stored: 1"}));
}

QTEST_GUILESS_MAIN(TstBIService)
#include "tst_biservice.moc"
