// The coordinator against a prepared engine, a stand-in window object that
// records the calls it receives, and a recorder of the analytics hand-over.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QVariant>
#include <QtTest>
#include <memory>

#include "checkmanager.h"

namespace {

// An engine whose results the test sets directly.
class PreparedEngine : public OrvoCheckLib {
public:
    void setResults(const QString& cpu, Rank cpuRank, const QString& os, Rank osRank, double memory,
                    Rank memoryRank, Rank overall, const QString& version) {
        m_CPUName = cpu;
        m_CPURank = cpuRank;
        m_OSName = os;
        m_OSRank = osRank;
        m_MemorySize = memory;
        m_MemoryRank = memoryRank;
        m_OverallRank = overall;
        m_JsonVersion = version;
    }
    void setAdapters(const QStringList& names, const QList<Rank>& ranks, int representative) {
        m_GPUNames = names;
        m_GPURanks = ranks;
        m_RepGPUIndex = representative;
    }
};

// Stands in for the window's root object: the functions the coordinator calls
// by name and the three counters it reads.
class RecordingWindow : public QObject {
    Q_OBJECT
    Q_PROPERTY(int btnOrderOrvoCount READ orderCount)
    Q_PROPERTY(int btnPerformanceCount READ performanceCount)
    Q_PROPERTY(int btnOrvoReadyPCCount READ readyPcCount)
public:
    struct Call {
        QString text;
        bool onOwnThread;
    };

    Q_INVOKABLE void setRank(const QVariant& key, const QVariant& value, const QVariant& rank) {
        record(key.toString() + "|" + value.toString() + "|" + rank.toString());
    }
    Q_INVOKABLE void finishedChecking() { record(QStringLiteral("finishedChecking")); }
    // The reasons' texts are the report's; here only their order matters.
    Q_INVOKABLE void setReason(const QVariant&, const QVariant&, const QVariant&) {}
    Q_INVOKABLE void setHeadset(const QVariant&, const QVariant&, const QVariant&, const QVariant&,
                                const QVariant&, const QVariant&) {}

    int orderCount() const { return counter(order); }
    int performanceCount() const { return counter(performance); }
    int readyPcCount() const { return counter(readyPc); }

    QList<Call> calls() const {
        QMutexLocker locker(&mutex);
        return recorded;
    }

    int order = 0;
    int performance = 0;
    int readyPc = 0;
    mutable bool counterReadOffThread = false;

private:
    int counter(int value) const {
        if (QThread::currentThread() != thread()) counterReadOffThread = true;
        return value;
    }
    void record(const QString& text) {
        QMutexLocker locker(&mutex);
        recorded.append({text, QThread::currentThread() == thread()});
    }
    mutable QMutex mutex;
    QList<Call> recorded;
};

// The coordinator with its analytics calls recorded instead of sent.
class RecordingCheckManager : public CheckManager {
public:
    RecordingCheckManager(QObject* window, OrvoCheckLib* engine)
        : CheckManager(window, nullptr, engine) {}
    ~RecordingCheckManager() override { stopWorker(); }
    using CheckManager::stopWorker;

    QStringList calls() const {
        QMutexLocker locker(&mutex);
        return recorded;
    }

protected:
    void serviceInitSession() override { record(QStringLiteral("initSession")); }
    void serviceAddInfoRecord(const QString& cpuName, const QString& cpuRank,
                              const QString& repGpuName, const QString& repGpuRank,
                              const QString& osName, const QString& osRank,
                              const QString& memorySize, const QString& memoryRank,
                              const QString& overallRank, qint32 orderClicks,
                              qint32 performanceClicks, qint32 readyPcClicks,
                              const QString& jsonVersion) override {
        record(QStringList{QStringLiteral("info"), cpuName, cpuRank, repGpuName, repGpuRank, osName,
                           osRank, memorySize, memoryRank, overallRank,
                           QString::number(orderClicks), QString::number(performanceClicks),
                           QString::number(readyPcClicks), jsonVersion}
                   .join('|'));
    }
    void serviceAddGpuRecord(const QString& name, const QString& rank) override {
        record("gpu|" + name + "|" + rank);
    }
    void serviceSendBI() override { record(QStringLiteral("sendBI")); }

private:
    void record(const QString& text) {
        QMutexLocker locker(&mutex);
        recorded.append(text);
    }
    mutable QMutex mutex;
    QStringList recorded;
};

QStringList texts(const QList<RecordingWindow::Call>& calls) {
    QStringList result;
    for (const auto& call : calls) result.append(call.text);
    return result;
}

QStringList gDebugLines;
QMutex gDebugMutex;
void captureMessages(QtMsgType, const QMessageLogContext&, const QString& message) {
    QMutexLocker locker(&gDebugMutex);
    gDebugLines.append(message);
}

}  // namespace

class TestCheckManager : public QObject {
    Q_OBJECT
private slots:
    void slotsAreListedInOrder();
    void resultsArePostedInOrder_data();
    void resultsArePostedInOrder();
    void analyticsHandOver_data();
    void analyticsHandOver();
    void closingBeforeACheckHandsOverDefaults();
    void missingCountersReadAsZero();
    void wholeCheckWithTheShippedFile();
    void shutdownWhileCountersAreReadDoesNotHang();
};

void TestCheckManager::slotsAreListedInOrder() {
    const QMetaObject& meta = CheckManager::staticMetaObject;
    QStringList slotNames;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        slotNames.append(QString::fromLatin1(method.methodSignature()));
    }
    QCOMPARE(slotNames, QStringList({"onChecking()", "onCompareFinished()", "setBIRecord()"}));
    QCOMPARE(meta.propertyCount(), meta.propertyOffset());
}

void TestCheckManager::resultsArePostedInOrder_data() {
    QTest::addColumn<double>("memory");
    QTest::addColumn<QString>("memoryShown");
    QTest::addColumn<QStringList>("adapters");
    QTest::addColumn<int>("representative");
    QTest::addColumn<QString>("gpuCall");

    QTest::newRow("8 GB, second adapter representative")
        << 8.0 << "8.0 GB" << QStringList{"Intel HD 4600", "GeForce GTX 970"} << 1
        << "gpu|GeForce GTX 970|RANK_GOOD";
    QTest::newRow("16 GB") << 16.0 << "16.0 GB" << QStringList{"GeForce GTX 970"} << 0
                           << "gpu|GeForce GTX 970|RANK_BAD";
    QTest::newRow("7.94 GB rounds to one decimal")
        << 7.94 << "7.9 GB" << QStringList{"GeForce GTX 970"} << 0 << "gpu|GeForce GTX 970|RANK_BAD";
    QTest::newRow("no adapter") << 4.0 << "4.0 GB" << QStringList{} << -1 << "gpu||RANK_UNCHECKED";
}

void TestCheckManager::resultsArePostedInOrder() {
    QFETCH(double, memory);
    QFETCH(QString, memoryShown);
    QFETCH(QStringList, adapters);
    QFETCH(int, representative);
    QFETCH(QString, gpuCall);

    PreparedEngine engine;
    engine.setResults("Intel(R) Core(TM) i5-4590 CPU @ 3.30GHz", RANK_GOOD, "Windows 10", RANK_GOOD,
                      memory, RANK_UNKNOWN, RANK_UNKNOWN, "7");
    QList<Rank> ranks;
    for (int i = 0; i < adapters.size(); ++i) ranks.append(i == 1 ? RANK_GOOD : RANK_BAD);
    engine.setAdapters(adapters, ranks, representative);

    RecordingWindow window;
    RecordingCheckManager coordinator(&window, &engine);
    QVERIFY(QMetaObject::invokeMethod(&coordinator, "onCompareFinished", Qt::QueuedConnection));
    QTRY_COMPARE(window.calls().size(), 6);

    const QStringList expected{
        "os|Windows 10|RANK_GOOD",
        "memory|" + memoryShown + "|RANK_UNKNOWN",
        "cpu|Intel(R) Core(TM) i5-4590 CPU @ 3.30GHz|RANK_GOOD",
        gpuCall,
        "overall||RANK_UNKNOWN",
        "finishedChecking",
    };
    QCOMPARE(texts(window.calls()), expected);
    for (const auto& call : window.calls()) QVERIFY2(call.onOwnThread, qPrintable(call.text));
    QVERIFY(coordinator.calls().isEmpty());
}

void TestCheckManager::analyticsHandOver_data() {
    QTest::addColumn<QStringList>("adapters");
    QTest::addColumn<int>("representative");
    QTest::addColumn<QStringList>("gpuRecords");

    QTest::newRow("second of two is representative")
        << QStringList{"Intel HD 4600", "GeForce GTX 970"} << 1
        << QStringList{"gpu|Intel HD 4600|RANK_GOOD"};
    QTest::newRow("every adapter named like the representative is skipped")
        << QStringList{"GeForce GTX 970", "Intel HD 4600", "GeForce GTX 970"} << 0
        << QStringList{"gpu|Intel HD 4600|RANK_BAD"};
    QTest::newRow("name equality is case-sensitive")
        << QStringList{"GeForce GTX 970", "GEFORCE GTX 970"} << 0
        << QStringList{"gpu|GEFORCE GTX 970|RANK_BAD"};
    QTest::newRow("representative outside the list: every named adapter")
        << QStringList{"GeForce GTX 970", "", "Radeon R9 290"} << 5
        << QStringList{"gpu|GeForce GTX 970|RANK_GOOD", "gpu|Radeon R9 290|RANK_GOOD"};
    QTest::newRow("no adapter") << QStringList{} << -1 << QStringList{};
}

void TestCheckManager::analyticsHandOver() {
    QFETCH(QStringList, adapters);
    QFETCH(int, representative);
    QFETCH(QStringList, gpuRecords);

    PreparedEngine engine;
    engine.setResults("AMD FX(tm)-8350 Eight-Core Processor", RANK_GOOD, "Windows 7", RANK_BAD, 8.0,
                      RANK_GOOD, RANK_BAD, "2026.1");
    QList<Rank> ranks;
    for (int i = 0; i < adapters.size(); ++i) ranks.append(i % 2 == 0 ? RANK_GOOD : RANK_BAD);
    engine.setAdapters(adapters, ranks, representative);

    RecordingWindow window;
    window.order = 3;
    window.performance = 5;
    window.readyPc = 7;
    gDebugLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessages);
    {
        RecordingCheckManager coordinator(&window, &engine);
        QVERIFY(QMetaObject::invokeMethod(&coordinator, "setBIRecord", Qt::QueuedConnection));
        QTRY_VERIFY(coordinator.calls().contains("sendBI"));
        qInstallMessageHandler(previous);

        const QString repName = engine.getRepGPUName();
        const QString repRank = engine.getRepGPURank();
        QStringList expected{
            "initSession", QStringList{"info", "AMD FX(tm)-8350 Eight-Core Processor", "RANK_GOOD",
                                       repName, repRank, "Windows 7", "RANK_BAD", "8.0",
                                       "RANK_GOOD", "RANK_BAD", "3", "5", "7", "2026.1"}
                               .join('|')};
        expected += gpuRecords;
        expected += "sendBI";
        QCOMPARE(coordinator.calls(), expected);
    }
    QVERIFY(!window.counterReadOffThread);
    QVERIFY(window.calls().isEmpty());

    QStringList adapterLines;
    for (const QString& line : gDebugLines)
        if (line.startsWith("[CheckManager]")) adapterLines.append(line);
    QStringList expectedLines;
    for (const QString& record : gpuRecords) {
        const QStringList parts = record.split('|');
        expectedLines.append(QStringLiteral("[CheckManager]name: \"%1\" , rank: \"%2\"")
                                 .arg(parts.at(1), parts.at(2)));
    }
    QCOMPARE(adapterLines, expectedLines);
}

void TestCheckManager::closingBeforeACheckHandsOverDefaults() {
    PreparedEngine engine;
    RecordingWindow window;
    RecordingCheckManager coordinator(&window, &engine);
    QVERIFY(QMetaObject::invokeMethod(&coordinator, "setBIRecord", Qt::QueuedConnection));
    QTRY_COMPARE(coordinator.calls().size(), 3);
    QCOMPARE(coordinator.calls(),
             QStringList({"initSession",
                          "info||RANK_UNCHECKED||RANK_UNCHECKED||RANK_UNCHECKED|0.0|"
                          "RANK_UNCHECKED|RANK_UNCHECKED|0|0|0|",
                          "sendBI"}));
}

void TestCheckManager::missingCountersReadAsZero() {
    PreparedEngine engine;
    QObject bareWindow;
    bareWindow.setProperty("btnOrderOrvoCount", QStringLiteral("many"));
    bareWindow.setProperty("btnPerformanceCount", 4);
    RecordingCheckManager coordinator(&bareWindow, &engine);
    QVERIFY(QMetaObject::invokeMethod(&coordinator, "setBIRecord", Qt::QueuedConnection));
    QTRY_COMPARE(coordinator.calls().size(), 3);
    const QStringList info = coordinator.calls().at(1).split('|');
    QCOMPARE(info.mid(10, 3), QStringList({"0", "4", "0"}));
}

void TestCheckManager::wholeCheckWithTheShippedFile() {
    // The real engine of the coordinator, with the download switched off and
    // the shipped file in a private working directory.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("run/comp"));
    QVERIFY(QFile::copy(QStringLiteral(ORVO_SHIPPED_COMPARISON),
                        dir.path() + "/run/comp/compDefault.json"));
    const QString previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path() + "/run"));
    qputenv("ORVOCHECK_CONTENT_URL", QByteArray());

    RecordingWindow window;
    {
        RecordingCheckManager coordinator(&window, nullptr);
        QVERIFY(QMetaObject::invokeMethod(&coordinator, "onChecking", Qt::QueuedConnection));
        QTRY_VERIFY_WITH_TIMEOUT(window.calls().size() >= 6, 20000);
        QTest::qWait(200);
    }
    QDir::setCurrent(previousDir);

    const QStringList calls = texts(window.calls());
    QCOMPARE(calls.size(), 6);
    const QStringList keys{"os", "memory", "cpu", "gpu", "overall"};
    for (int i = 0; i < keys.size(); ++i)
        QVERIFY2(calls.at(i).startsWith(keys.at(i) + "|"), qPrintable(calls.at(i)));
    QCOMPARE(calls.last(), QStringLiteral("finishedChecking"));
    QVERIFY2(calls.at(1).section('|', 1, 1).endsWith("GB"), qPrintable(calls.at(1)));
    QVERIFY2(calls.at(4).startsWith("overall||RANK_"), qPrintable(calls.at(4)));
}

void TestCheckManager::shutdownWhileCountersAreReadDoesNotHang() {
    PreparedEngine engine;
    RecordingWindow window;
    auto coordinator = std::make_unique<RecordingCheckManager>(&window, &engine);
    QVERIFY(QMetaObject::invokeMethod(coordinator.get(), "setBIRecord", Qt::QueuedConnection));
    // No event loop runs on this thread from here on: the worker's counter
    // reads can only be served by the coordinator's shutdown.
    QElapsedTimer waited;
    waited.start();
    while (coordinator->calls().isEmpty() && waited.elapsed() < 5000) QThread::msleep(5);
    QCOMPARE(coordinator->calls(), QStringList{"initSession"});
    QThread::msleep(50);
    // The destructor's first step; called on its own here so that the
    // hand-over it let finish can still be inspected.
    coordinator->stopWorker();
    QCOMPARE(coordinator->calls().size(), 3);
    QCOMPARE(coordinator->calls().last(), QStringLiteral("sendBI"));
    QVERIFY(!window.counterReadOffThread);
    coordinator.reset();
}

QTEST_GUILESS_MAIN(TestCheckManager)
#include "test_checkmanager.moc"
