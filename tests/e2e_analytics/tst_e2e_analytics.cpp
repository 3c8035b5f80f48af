// The built program with its analytics side, end to end: consent kept, consent
// removed, and the analytics server down for one run and back for the next.
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "analytics_server.h"
#include "fixture_tree.h"
#include "http_test_server.h"
#include "signed_list.h"
#include "orvochecklib.h"
#include "program_run.h"
#include "test_certificates.h"
#include "two_adapter_machine.h"

namespace {

const QString kProgram = QStringLiteral(ORVO_PROGRAM);
const char kFixtureUuid[] = "5d4c3b2a-1f0e-4d9c-8b7a-695847362514";
const char kFixtureKernel[] = "6.1.0-e2e-amd64";
const char kComparisonVersion[] = "e2e-7";

// What the program should report for the fixture machine, from the same
// probes run in this process.
struct Expected {
    QString cpu;
    QString os;
    QString memory;
    QStringList gpus;
};

QByteArray comparisonFile(const Expected& host) {
    QJsonObject root;
    root["Version"] = kComparisonVersion;
    const QJsonArray otherOs{QStringLiteral("Windows 5.1")};
    const QJsonArray otherCpu{QStringLiteral("Intel(R) Core(TM)2 Duo CPU E8400 @ 3.00GHz")};
    root["OS"] = QJsonObject{{"Good list", QJsonArray{host.os}}, {"Bad list", otherOs}};
    root["CPU"] = QJsonObject{{"Good list", QJsonArray{host.cpu}}, {"Bad list", otherCpu}};
    // The add-in card is good, the integrated adapter is bad: the card is the
    // representative one, the other gets a record of its own.
    root["GPU"] = QJsonObject{{"Good list", QJsonArray{QJsonArray{"10DE", "13C2"}}},
                              {"Bad list", QJsonArray{QJsonArray{"8086", "0412"}}}};
    root["Memory"] = QJsonObject{{"Good min", 4}};
    return QJsonDocument(root).toJson();
}

QJsonObject parseRecord(const std::string& line) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

QList<QJsonObject> recordsOf(const std::vector<std::string>& lines, const QString& category) {
    QList<QJsonObject> out;
    for (const std::string& line : lines) {
        const QJsonObject record = parseRecord(line);
        if (record.value("category").toString() == category) out << record;
    }
    return out;
}

std::vector<std::string> hostList() {
    std::vector<std::string> hosts;
    for (const QString& h : QString(ORVO_ANALYTICS_HOSTS).split(','))
        hosts.push_back(h.toStdString());
    return hosts;
}

}  // namespace

class TestE2eAnalytics : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void consentKept_data();
    void consentKept();
    void consentRemoved();
    void serverDownThenNextRun();

private:
    QProcessEnvironment environment(quint16 analyticsPort) const;
    void startAnalyticsServer();

    FixtureTree m_tree;
    Expected m_expected;
    std::unique_ptr<HttpTestServer> m_content;
    QTemporaryDir m_certDir;
    orvo_analytics::CertificateFiles m_certs;
    std::unique_ptr<orvo_analytics::AnalyticsServer> m_analytics;
    std::unique_ptr<StagedFolder> m_folder;
};

void TestE2eAnalytics::initTestCase() {
    QVERIFY2(QFileInfo(kProgram).isExecutable(), qPrintable(kProgram));
    QVERIFY(!qEnvironmentVariableIsEmpty("DISPLAY"));
    QVERIFY(m_tree.isValid());
    buildTwoAdapterMachine(m_tree, kFixtureUuid, kFixtureKernel);

    {
        RootsOverride roots(m_tree);
        OrvoCheckLib lib;
        lib.probeSystem();
        m_expected = {lib.getCPUName(), lib.getOSName(), lib.getMemorySize(), lib.getGPUNames()};
    }
    QCOMPARE(m_expected.gpus.size(), 2);
    QVERIFY(m_expected.gpus[0] != m_expected.gpus[1]);

    m_content = std::make_unique<HttpTestServer>(signedListPlan(comparisonFile(m_expected)));
    QVERIFY(m_certDir.isValid());
    m_certs = orvo_analytics::makeCertificates(m_certDir.path().toStdString(), hostList());
    QVERIFY(!m_certs.caFile.empty());
}

void TestE2eAnalytics::init() {
    m_folder = std::make_unique<StagedFolder>(QStringLiteral(ORVO_SHIPPED_COMPARISON));
    QVERIFY(m_folder->isValid());
}

void TestE2eAnalytics::cleanup() {
    if (m_analytics) m_analytics->stop();
    m_analytics.reset();
    m_folder.reset();
}

void TestE2eAnalytics::startAnalyticsServer() {
    orvo_analytics::ServerOptions options;
    options.certFile = m_certs.certFile;
    options.keyFile = m_certs.keyFile;
    options.print = false;
    m_analytics = std::make_unique<orvo_analytics::AnalyticsServer>(options);
    QVERIFY(m_analytics->start());
}

QProcessEnvironment TestE2eAnalytics::environment(quint16 analyticsPort) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ORVOCHECK_SYSFS_ROOT", m_tree.sysfsRoot());
    env.insert("ORVOCHECK_PROCFS_ROOT", m_tree.procfsRoot());
    env.insert("ORVOCHECK_CONTENT_URL", m_content->url());
    env.insert("ORVOCHECK_LIST_KEY", testListKeyHex());
    env.insert("ORVOCHECK_ANALYTICS_CONNECT_TO", "127.0.0.1:" + QString::number(analyticsPort));
    env.insert("ORVOCHECK_ANALYTICS_CA_FILE", QString::fromStdString(m_certs.caFile));
    env.insert("LC_ALL", "fr-CH.UTF-8");
    env.remove("LC_MESSAGES");
    env.remove("LANG");
    return env;
}

void TestE2eAnalytics::consentKept_data() {
    QTest::addColumn<QString>("sharedFolder");
    QTest::newRow("shared folder") << "folder";
    // A plain file where the shared folder should be: it cannot be created,
    // for root too, which ignores a read-only parent's permission bits.
    QTest::newRow("shared folder cannot be created") << "blocked";
    // A link to a writable folder, as a dotfiles tool or a linked home makes.
    QTest::newRow("shared folder is a link") << "link";
}

void TestE2eAnalytics::consentKept() {
    QFETCH(QString, sharedFolder);
    if (sharedFolder == "blocked") {
        QFile blocker(m_folder->sharedDir());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else if (sharedFolder == "link") {
        QVERIFY(QDir(m_folder->root()).mkpath("elsewhere/log"));
        QVERIFY(QFile::link(m_folder->root() + "/elsewhere/log", m_folder->sharedDir()));
    }
    startAnalyticsServer();
    ProgramRun run(kProgram, *m_folder, environment(quint16(m_analytics->port())));
    QVERIFY(run.start());
    QVERIFY(run.click(ProgramRun::kStartX, ProgramRun::kStartY));
    QVERIFY2(run.waitForLogLine("Load result page"), qPrintable(run.logText()));
    QTest::qWait(500);
    QVERIFY(run.click(ProgramRun::kOrderX, ProgramRun::kOrderY));
    QTest::qWait(300);
    QVERIFY(run.click(ProgramRun::kOrderX, ProgramRun::kOrderY));
    QTest::qWait(300);
    QVERIFY(run.click(ProgramRun::kCloseX, ProgramRun::kCloseY));
    QVERIFY2(run.waitForExit(60000), qPrintable(run.errorText()));
    QVERIFY2(run.exitCode() == 0, qPrintable(run.errorText().right(4000)));

    const std::vector<std::string> lines = m_analytics->records();
    QCOMPARE(lines.size(), size_t{2});
    const QList<QJsonObject> infos = recordsOf(lines, "orvocheck_info");
    const QList<QJsonObject> gpus = recordsOf(lines, "orvocheck_gpu");
    QCOMPARE(infos.size(), 1);
    QCOMPARE(gpus.size(), 1);
    const QJsonObject info = infos.first();
    const QJsonObject gpu = gpus.first();

    // Content of the run: the fixture machine, its ranks, the downloaded
    // comparison file, two clicks on "Order Orvo".
    QCOMPARE(info.value("a1").toString(), QStringLiteral("OrvoCheck_0.0.7.1"));
    QCOMPARE(info.value("a2").toString(), QString(kComparisonVersion));
    QCOMPARE(info.value("a3").toString(), m_expected.cpu);
    QCOMPARE(info.value("a4").toString(), QStringLiteral("RANK_GOOD"));
    QCOMPARE(info.value("a5").toString(), m_expected.gpus[1]);
    QCOMPARE(info.value("a6").toString(), QStringLiteral("RANK_GOOD"));
    QCOMPARE(info.value("a7").toString(), m_expected.os);
    QCOMPARE(info.value("a8").toString(), QStringLiteral("RANK_GOOD"));
    QCOMPARE(info.value("a9").toString(), m_expected.memory);
    QCOMPARE(info.value("a10").toString(), QStringLiteral("RANK_GOOD"));
    QCOMPARE(info.value("a11").toString(), QStringLiteral("RANK_GOOD"));
    QCOMPARE(info.value("a12").toString(), QStringLiteral("2"));
    QCOMPARE(info.value("a13").toString(), QStringLiteral("0"));
    QCOMPARE(info.value("a14").toString(), QStringLiteral("0"));
    QCOMPARE(gpu.value("other_gpu_name").toString(), m_expected.gpus[0]);
    QCOMPARE(gpu.value("other_gpu_rank").toString(), QStringLiteral("RANK_BAD"));
    QCOMPARE(gpu.value("sessionId").toString(), info.value("a0").toString());
    QVERIFY(QRegularExpression("^[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}$")
                .match(info.value("a0").toString())
                .hasMatch());

    // The envelope, the same on both.
    for (const QJsonObject& record : {info, gpu}) {
        QCOMPARE(record.value("app_id").toString(), QStringLiteral("com.daxo.orvocheck"));
        QCOMPARE(record.value("app_version").toString(), QStringLiteral("0.0.7.1"));
        QCOMPARE(record.value("environment").toString(), QStringLiteral("default"));
        QCOMPARE(record.value("serial_num").toString(), QString(kFixtureUuid));
        QCOMPARE(record.value("sdk_int").toString(), QString(kFixtureKernel));
        QCOMPARE(record.value("locale").toString(), QStringLiteral("fr_CH"));
        QVERIFY(!record.value("manufacturer").toString().isEmpty());
        QCOMPARE(record.value("version").toInt(), 1);
        QVERIFY(record.value("timestamp").isDouble());
        QCOMPARE(record.size(), record.contains("a0") ? 25 : 13);
    }

    // Configuration first, asking with the count of stored records (the
    // record writer may still be storing the second one), then the batch;
    // the local database ends empty.
    const auto init = m_analytics->requestsTo("/init/");
    QVERIFY(!init.empty());
    QVERIFY2(QRegularExpression("^/init/[0-2]/$")
                 .match(QString::fromStdString(init.front().path))
                 .hasMatch(),
             init.front().path.c_str());
    QCOMPARE(QString::fromStdString(init.front().body), QStringLiteral("default"));
    QVERIFY(!m_analytics->requestsTo("/log/f/").empty());
    const bool blocked = sharedFolder == "blocked";
    const QString folder = blocked ? m_folder->userDir() : m_folder->sharedDir();
    QCOMPARE(m_folder->databaseFiles(), QStringList{folder + "/com.daxo.orvocheck.bilogclient"});
    QCOMPARE(storedRows(m_folder->databaseFiles().value(0)), QStringList());
    QVERIFY(run.logText().contains("[BIService]sendBI() Done"));
    QCOMPARE(run.logText().contains("this log is in \"" + folder + "\" (W)"), blocked);
}

void TestE2eAnalytics::consentRemoved() {
    startAnalyticsServer();
    ProgramRun run(kProgram, *m_folder, environment(quint16(m_analytics->port())));
    QVERIFY(run.start());
    QVERIFY(run.click(ProgramRun::kConsentX, ProgramRun::kConsentY));
    QTest::qWait(300);
    QVERIFY(run.click(ProgramRun::kCloseX, ProgramRun::kCloseY));
    QVERIFY2(run.waitForExit(10000), "the program did not end at once");
    QVERIFY2(run.exitCode() == 0, qPrintable(run.errorText().right(4000)));

    QCOMPARE(m_folder->databaseFiles(), QStringList());
    QCOMPARE(m_analytics->connectionCount(), 0);
    const QString log = run.logText();
    QVERIFY2(log.contains("Close button clicked"), qPrintable(log));
    QVERIFY(!log.contains("[BIService]"));
}

void TestE2eAnalytics::serverDownThenNextRun() {
    // First run: nothing listens where the analytics hosts lead.
    {
        ProgramRun run(kProgram, *m_folder, environment(HttpTestServer::closedPort()));
        QVERIFY(run.start());
        QVERIFY(run.click(ProgramRun::kStartX, ProgramRun::kStartY));
        QVERIFY2(run.waitForLogLine("Load result page"), qPrintable(run.logText()));
        QTest::qWait(300);
        QVERIFY(run.click(ProgramRun::kCloseX, ProgramRun::kCloseY));
        QVERIFY2(run.waitForExit(60000), qPrintable(run.errorText()));
        QVERIFY2(run.exitCode() == 0, qPrintable(run.errorText().right(4000)));
    }
    const QStringList kept = storedRows(m_folder->databaseFile());
    QCOMPARE(kept.size(), 2);
    QString firstSession;
    for (const QString& row : kept) {
        QVERIFY2(row.startsWith("default|"), qPrintable(row));
        const QJsonObject record = QJsonDocument::fromJson(row.mid(8).toUtf8()).object();
        if (record.value("category") == "orvocheck_info")
            firstSession = record.value("a0").toString();
    }
    QVERIFY(!firstSession.isEmpty());

    // Next run, server up: closing on the welcome page with consent sends this
    // run's record and the two kept ones.
    startAnalyticsServer();
    ProgramRun run(kProgram, *m_folder, environment(quint16(m_analytics->port())));
    QVERIFY(run.start());
    QVERIFY(run.click(ProgramRun::kCloseX, ProgramRun::kCloseY));
    QVERIFY2(run.waitForExit(60000), qPrintable(run.errorText()));
    QVERIFY2(run.exitCode() == 0, qPrintable(run.errorText().right(4000)));

    const std::vector<std::string> lines = m_analytics->records();
    QCOMPARE(lines.size(), size_t{3});
    QStringList sessions;
    for (const QJsonObject& info : recordsOf(lines, "orvocheck_info")) {
        sessions << info.value("a0").toString();
    }
    QCOMPARE(sessions.size(), 2);
    QVERIFY(sessions.contains(firstSession));
    const QList<QJsonObject> gpus = recordsOf(lines, "orvocheck_gpu");
    QCOMPARE(gpus.size(), 1);
    QCOMPARE(gpus.first().value("sessionId").toString(), firstSession);
    QCOMPARE(storedRows(m_folder->databaseFile()), QStringList());
}

QTEST_GUILESS_MAIN(TestE2eAnalytics)
#include "tst_e2e_analytics.moc"
