// Ranking the machine against a comparison file.
#include <QJsonArray>
#include <QtTest>

#include "checker_test_support.h"
#include "log_capture.h"

namespace {

const QString kPath = QStringLiteral("comp/comp.json");
const QString kGood = QStringLiteral("RANK_GOOD");
const QString kBad = QStringLiteral("RANK_BAD");
const QString kUnknown = QStringLiteral("RANK_UNKNOWN");
const QString kUnchecked = QStringLiteral("RANK_UNCHECKED");

int g_VersionChecks = 0;
bool g_VersionAnswer = true;
bool countingVersionCheck(unsigned major, unsigned minor, unsigned servicePack) {
    ++g_VersionChecks;
    return major == 6 && minor == 1 && servicePack == 1 && g_VersionAnswer;
}

// Adapter letters: G on the good list, B on the bad list, U on neither.
QList<TestAdapter> adaptersFor(const QString& letters) {
    QList<TestAdapter> adapters;
    for (int i = 0; i < letters.size(); ++i) {
        TestAdapter adapter = letters[i] == 'G'   ? fixture::kGoodGPU
                              : letters[i] == 'B' ? fixture::kBadGPU
                                                  : fixture::kUnknownGPU;
        adapter.name += QStringLiteral(" #%1").arg(i);
        adapters.append(adapter);
    }
    return adapters;
}

bool evaluate(TestEngine& engine, const QJsonObject& document = validComparison()) {
    return writeFile(kPath, toJsonBytes(document)) && engine.compareWithFile(kPath);
}

QJsonArray names(const QStringList& list) { return QJsonArray::fromStringList(list); }

}  // namespace

class RanksTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_WorkDir.reset(new TempWorkDir);
        QVERIFY(m_WorkDir->isValid());
        m_Log.reset(new LogCapture);
        g_VersionChecks = 0;
        g_VersionAnswer = true;
    }
    void cleanup() {
        m_Log.reset();
        m_WorkDir.reset();
    }

    void aFreshEngineReportsDefaults() {
        OrvoCheckLib engine;
        for (const QString& rank : {engine.getCPURank(), engine.getMemoryRank(), engine.getOSRank(),
                                    engine.getOverallRank(), engine.getRepGPURank(),
                                    engine.getGPURank(0), engine.getGPURank(-1)})
            QCOMPARE(rank, kUnchecked);
        QCOMPARE(engine.getMemorySize(), QStringLiteral("0.0"));
        QCOMPARE(engine.getCPUName(), QString());
        QCOMPARE(engine.getOSName(), QString());
        QCOMPARE(engine.getRepGPUName(), QString());
        QCOMPARE(engine.getJsonVersion(), QString());
        QCOMPARE(engine.getGPUNames(), QStringList());
    }

    void rankTextsAreTheEnumeratorNames() {
        QCOMPARE(rankText(RANK_GOOD), kGood);
        QCOMPARE(rankText(RANK_BAD), kBad);
        QCOMPARE(rankText(RANK_UNKNOWN), kUnknown);
        QCOMPARE(rankText(RANK_UNCHECKED), kUnchecked);
    }

    void nameMatching_data() {
        QTest::addColumn<QJsonArray>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        const QJsonArray windows = names({"windows 10 pro"});
        QTest::newRow("same letters") << windows << "windows 10 pro" << true;
        QTest::newRow("other case") << windows << "Windows 10 Pro" << true;
        QTest::newRow("one more word") << windows << "Windows 10 Pro N" << false;
        QTest::newRow("one word less") << windows << "Windows 10" << false;
        QTest::newRow("extra space") << windows << " Windows 10 Pro" << false;
        QTest::newRow("later entry")
            << names({"a", "b", "Windows 10 Pro"}) << "WINDOWS 10 PRO" << true;
        QTest::newRow("empty list") << QJsonArray() << "Windows 10 Pro" << false;
        QTest::newRow("number entry matches only an empty name")
            << QJsonArray{10} << QString() << true;
        QTest::newRow("number entry against its digits") << QJsonArray{10} << "10" << false;
        QTest::newRow("null entry") << QJsonArray{QJsonValue()} << "x" << false;
    }
    void nameMatching() {
        QFETCH(QJsonArray, list);
        QFETCH(QString, name);
        QFETCH(bool, found);
        QCOMPARE(TestEngine::listHasName(name, list), found);
    }

    void rankByNameConsultsTheGoodListFirst() {
        const QJsonArray both = names({"Intel Core i7"});
        QCOMPARE(TestEngine::rankByName("intel core i7", both, both), RANK_GOOD);
        QCOMPARE(TestEngine::rankByName("Intel Core i7", names({"x"}), both), RANK_BAD);
        QCOMPARE(TestEngine::rankByName("Intel Core i5", both, both), RANK_UNKNOWN);
    }

    void adapterMatching_data() {
        QTest::addColumn<QJsonArray>("list");
        QTest::addColumn<QString>("vendor");
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("found");
        const QJsonArray list{QJsonArray{"10DE", "1B80"}};
        QTest::newRow("same IDs") << list << "10DE"
                                  << "1B80" << true;
        QTest::newRow("lower case") << list << "10de"
                                    << "1b80" << true;
        QTest::newRow("other device") << list << "10DE"
                                      << "1B81" << false;
        QTest::newRow("other vendor, same device") << list << "1002"
                                                   << "1B80" << false;
        QTest::newRow("extra elements ignored")
            << QJsonArray{QJsonArray{"10DE", "1B80", "GTX 1080"}} << "10DE"
            << "1B80" << true;
        QTest::newRow("short pair matches an empty device")
            << QJsonArray{QJsonArray{"10DE"}} << "10DE" << QString() << true;
        QTest::newRow("short pair") << QJsonArray{QJsonArray{"10DE"}} << "10DE"
                                    << "1B80" << false;
        QTest::newRow("not a pair matches only empty IDs")
            << QJsonArray{"10DE:1B80"} << QString() << QString() << true;
        QTest::newRow("not a pair") << QJsonArray{"10DE:1B80"} << "10DE"
                                    << "1B80" << false;
        QTest::newRow("numbers are not texts") << QJsonArray{QJsonArray{1002, 6779}} << "1002"
                                               << "6779" << false;
    }
    void adapterMatching() {
        QFETCH(QJsonArray, list);
        QFETCH(QString, vendor);
        QFETCH(QString, device);
        QFETCH(bool, found);
        GpuInfo adapter;
        adapter.name = QStringLiteral("ignored");
        adapter.vendorId = vendor;
        adapter.pciDeviceId = device;
        QCOMPARE(TestEngine::listHasGPU(adapter, list), found);
    }

    // One ID, products on both sides of the bar: the revision decides where
    // the file lists it, the pair lists everywhere else.
    void revisionMatching_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("pnpTail");
        QTest::addColumn<QString>("rank");
        QTest::addColumn<QString>("decidedBy");
        QTest::newRow("RX 5500 XT on Windows")
            << "7340"
            << "&REV_C5\\6&2E5A1B9E&0&00000009" << kGood << "Good revisions";
        QTest::newRow("RX 6500 XT, case ignored") << "743F"
                                                  << "&REV_C1" << kGood << "Good revisions";
        QTest::newRow("RX 5500M") << "7340"
                                  << "&REV_C1" << kBad << "Bad revisions";
        QTest::newRow("on both revision lists") << "743F"
                                                << "&REV_C7" << kGood << "Good revisions";
        QTest::newRow("unlisted revision") << "7340"
                                           << "&REV_CF" << kBad << "Bad list";
        QTest::newRow("no revision") << "7340"
                                     << "" << kBad << "Bad list";
        QTest::newRow("one digit") << "7340"
                                   << "&REV_C" << kBad << "Bad list";
        QTest::newRow("three digits") << "7340"
                                      << "&REV_C51" << kBad << "Bad list";
        QTest::newRow("pair lists as ever") << "67DF"
                                            << "&REV_C5" << kGood << "Good list";
        QTest::newRow("triple without revision") << "7342"
                                                 << "&REV_C1" << kUnknown << "no list";
    }
    void revisionMatching() {
        QFETCH(QString, device);
        QFETCH(QString, pnpTail);
        QFETCH(QString, rank);
        QFETCH(QString, decidedBy);
        QJsonObject document = validComparison();
        document["GPU"] = QJsonObject{
            {"Good list", QJsonArray{QJsonArray{"1002", "67DF"}}},
            {"Bad list", QJsonArray{QJsonArray{"1002", "7340"}, QJsonArray{"1002", "743F"}}},
            {"Good revisions",
             QJsonArray{QJsonArray{"1002", "7340", "C5"}, QJsonArray{"1002", "743f", "c1"},
                        QJsonArray{"1002", "743F", "C7"}, QJsonArray{"1002", "7342"}}},
            {"Bad revisions",
             QJsonArray{QJsonArray{"1002", "7340", "C1"}, QJsonArray{"1002", "743F", "C7"}}}};
        TestEngine engine;
        engine.setMachine(fixture::kGoodOS, true, fixture::kGoodCPU, 16,
                          {TestAdapter{"AMD Radeon", "1002", device}});
        const QString pnp = "PCI\\VEN_1002&DEV_" + device + "&SUBSYS_E4111DA2" + pnpTail;
        engine.setPnpDeviceId(0, pnp);
        QVERIFY(evaluate(engine, document));
        QCOMPARE(engine.getGPURank(0), rank);
        QVERIFY(LogCapture::indexOf(m_Log->lines(),
                                    QString("[OrvoCheckLib] GPU 0 ranked by %1 for \"%2\"")
                                        .arg(decidedBy, QString(pnp).replace("\\", "\\\\"))) >= 0);
    }

    void operatingSystem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("is64Bit");
        QTest::addColumn<bool>("versionOk");
        QTest::addColumn<QString>("rank");
        QTest::addColumn<int>("versionChecks");
        QTest::addColumn<QString>("advice");
        QTest::addColumn<QStringList>("releases");  // the listed releases offered
        const QString good = QString::fromUtf8(fixture::kGoodOS);
        const QString bad = QString::fromUtf8(fixture::kBadOS);
        const QString none = QStringLiteral("none"), update = QStringLiteral("update-os");
        const QString listed = QStringLiteral("use-listed-os");
        QTest::newRow("good") << good << true << true << kGood << 1 << none << QStringList();
        QTest::newRow("good in other case")
            << good.toUpper() << true << true << kGood << 1 << none << QStringList();
        QTest::newRow("good but 32-bit") << good << false << true << kBad << 0 << update << QStringList();
        QTest::newRow("good but too old a version")
            << good << true << false << kBad << 1 << update << QStringList();
        QTest::newRow("bad") << bad << true << true << kBad << 0 << update << QStringList();
        QTest::newRow("unknown: version not consulted, every listed release but Windows")
            << "Haiku R1" << true << false << kUnknown << 0 << listed
            << QStringList{"Debian GNU/Linux 12", "Ubuntu 22.04", "Ubuntu 24.04"};
        QTest::newRow("unknown Ubuntu: its system's releases, each once")
            << "Ubuntu 23.10" << true << true << kUnknown << 0 << listed
            << QStringList{"Ubuntu 22.04", "Ubuntu 24.04"};
        QTest::newRow("unknown Debian") << "Debian GNU/Linux 11 (bullseye)" << true << true
                                        << kUnknown << 0 << listed
                                        << QStringList{"Debian GNU/Linux 12"};
        QTest::newRow("unknown Windows: never told another system")
            << "Windows 12 Pro" << true << true << kUnknown << 0 << update << QStringList();
        QTest::newRow("unknown 32-bit") << "Haiku R1" << false << true << kBad << 0 << update
                                        << QStringList();
        QTest::newRow("no name") << QString() << true << true << kUnknown << 0 << update
                                 << QStringList();
    }
    void operatingSystem() {
        QFETCH(QString, name);
        QFETCH(bool, is64Bit);
        QFETCH(bool, versionOk);
        QFETCH(QString, rank);
        QFETCH(int, versionChecks);
        QFETCH(QString, advice);
        QFETCH(QStringList, releases);
        TestEngine engine;
        engine.setVersionCheck(countingVersionCheck);
        g_VersionAnswer = versionOk;
        engine.setMachine(name, is64Bit, QString::fromUtf8(fixture::kGoodCPU), 16,
                          {fixture::kGoodGPU});
        QJsonObject document = validComparison();
        QJsonObject os = document.value("OS").toObject();
        QJsonArray goodList = os.value("Good list").toArray();
        for (const char* release : {"Ubuntu 22.04.3 LTS", "Ubuntu 22.04.5 LTS", "Ubuntu 24.04 LTS"})
            goodList.append(release);
        os.insert("Good list", goodList);
        document.insert("OS", os);
        QVERIFY(evaluate(engine, document));
        QCOMPARE(engine.getOSRank(), rank);
        QCOMPARE(engine.getOSName(), name);
        QCOMPARE(g_VersionChecks, versionChecks);
        QCOMPARE(engine.getAdvice("os"), advice);
        QCOMPARE(engine.getReason("os").listedReleases, releases);
    }

    void processor_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rank");
        QTest::newRow("good") << QString::fromUtf8(fixture::kGoodCPU) << kGood;
        QTest::newRow("bad") << QString::fromUtf8(fixture::kBadCPU) << kBad;
        QTest::newRow("unknown") << "AMD Ryzen 7 5800X 8-Core Processor" << kUnknown;
        QTest::newRow("empty") << QString() << kUnknown;
    }
    void processor() {
        QFETCH(QString, name);
        QFETCH(QString, rank);
        TestEngine engine;
        engine.setMachine(fixture::kGoodOS, true, name, 16, {fixture::kGoodGPU});
        QVERIFY(evaluate(engine));
        QCOMPARE(engine.getCPURank(), rank);
        QCOMPARE(engine.getCPUName(), name);
    }

    void aProcessorOnBothListsRanksGood() {
        QJsonObject document = validComparison();
        QJsonObject cpu = document["CPU"].toObject();
        cpu["Bad list"] = names({fixture::kGoodCPU});
        document["CPU"] = cpu;
        TestEngine engine;
        engine.setMachine(fixture::kGoodOS, true, fixture::kGoodCPU, 16, {fixture::kGoodGPU});
        QVERIFY(evaluate(engine, document));
        QCOMPARE(engine.getCPURank(), kGood);
    }

    void withoutBadListsNothingRanksBadByList() {
        QJsonObject document = validComparison();
        for (const char* component : {"CPU", "GPU"}) {
            QJsonObject object = document[component].toObject();
            object.remove("Bad list");
            document[component] = object;
        }
        TestEngine engine;
        engine.setMachine(fixture::kGoodOS, true, fixture::kBadCPU, 16, adaptersFor("B"));
        QVERIFY(evaluate(engine, document));
        QCOMPARE(engine.getCPURank(), kUnknown);
        QCOMPARE(engine.getGPURank(0), kUnknown);
    }

    void memory_data() {
        QTest::addColumn<double>("goodMin");
        QTest::addColumn<double>("size");
        QTest::addColumn<QString>("rank");
        QTest::addColumn<QString>("text");
        QTest::newRow("8.0 against 8") << 8.0 << 8.0 << kGood << "8.0";
        QTest::newRow("7.9 against 8") << 8.0 << 7.9 << kBad << "7.9";
        QTest::newRow("16 against 8") << 8.0 << 16.0 << kGood << "16.0";
        QTest::newRow("3.5 against 3.5") << 3.5 << 3.5 << kGood << "3.5";
        QTest::newRow("nothing found") << 8.0 << 0.0 << kBad << "0.0";
        QTest::newRow("15.94 shown with one decimal") << 8.0 << 15.94 << kGood << "15.9";
    }
    void memory() {
        QFETCH(double, goodMin);
        QFETCH(double, size);
        QFETCH(QString, rank);
        QFETCH(QString, text);
        QJsonObject document = validComparison();
        document["Memory"] = QJsonObject{{"Good min", goodMin}};
        TestEngine engine;
        engine.setMachine(fixture::kGoodOS, true, fixture::kGoodCPU, size, {fixture::kGoodGPU});
        QVERIFY(evaluate(engine, document));
        QCOMPARE(engine.getMemoryRank(), rank);
        QCOMPARE(engine.getMemorySize(), text);
    }

    void representativeAdapter_data() {
        QTest::addColumn<QString>("adapters");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("rank");
        QTest::newRow("B,U,G") << "BUG" << 2 << kGood;
        QTest::newRow("G,U,G") << "GUG" << 2 << kGood;
        QTest::newRow("G,U,B") << "GUB" << 0 << kGood;
        QTest::newRow("U,B") << "UB" << 0 << kUnknown;
        QTest::newRow("B,U") << "BU" << 1 << kUnknown;
        QTest::newRow("U,B,U,B") << "UBUB" << 2 << kUnknown;
        QTest::newRow("B,B") << "BB" << 1 << kBad;
        QTest::newRow("G") << "G" << 0 << kGood;
        QTest::newRow("none") << "" << -1 << kUnchecked;
    }
    void representativeAdapter() {
        QFETCH(QString, adapters);
        QFETCH(int, index);
        QFETCH(QString, rank);
        const QList<TestAdapter> list = adaptersFor(adapters);
        TestEngine engine;
        engine.setMachine(fixture::kGoodOS, true, fixture::kGoodCPU, 16, list);
        QVERIFY(evaluate(engine));
        QCOMPARE(engine.repIndex(), index);
        QCOMPARE(engine.getRepGPURank(), rank);
        QCOMPARE(engine.getRepGPUName(), index >= 0 ? list.at(index).name : QString());
        for (int i = 0; i < list.size(); ++i)
            QCOMPARE(engine.getGPURank(i), adapters[i] == 'G'   ? kGood
                                           : adapters[i] == 'B' ? kBad
                                                                : kUnknown);
        QCOMPARE(engine.getGPURank(-1), kUnchecked);
        QCOMPARE(engine.getGPURank(list.size()), kUnchecked);
        QCOMPARE(engine.getGPUNames().size(), list.size());
        if (list.isEmpty()) QVERIFY(engine.getOverallRank() != kGood);
    }

    void overall_data() {
        QTest::addColumn<bool>("osGood");
        QTest::addColumn<double>("memory");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("adapters");
        QTest::addColumn<QString>("overall");
        const QString goodCpu = QString::fromUtf8(fixture::kGoodCPU);
        const QString badCpu = QString::fromUtf8(fixture::kBadCPU);
        const QString unknownCpu = QStringLiteral("Unlisted CPU");
        QTest::newRow("all good") << true << 16.0 << goodCpu << "G" << kGood;
        QTest::newRow("adapter unknown") << true << 16.0 << goodCpu << "U" << kUnknown;
        QTest::newRow("processor unknown") << true << 16.0 << unknownCpu << "G" << kUnknown;
        QTest::newRow("OS bad, adapter good") << false << 16.0 << goodCpu << "G" << kBad;
        QTest::newRow("memory bad, adapter good") << true << 4.0 << goodCpu << "G" << kBad;
        QTest::newRow("processor bad, adapter good") << true << 16.0 << badCpu << "G" << kBad;
        QTest::newRow("adapter bad") << true << 16.0 << goodCpu << "B" << kBad;
        QTest::newRow("bad beats unknown") << true << 16.0 << unknownCpu << "B" << kBad;
        QTest::newRow("no adapter") << true << 16.0 << goodCpu << "" << kUnknown;
        QTest::newRow("no adapter, memory bad") << true << 4.0 << goodCpu << "" << kBad;
    }
    void overall() {
        QFETCH(bool, osGood);
        QFETCH(double, memory);
        QFETCH(QString, cpu);
        QFETCH(QString, adapters);
        QFETCH(QString, overall);
        TestEngine engine;
        engine.setMachine(fixture::kGoodOS, osGood, cpu, memory, adaptersFor(adapters));
        QVERIFY(evaluate(engine));
        QCOMPARE(engine.getOverallRank(), overall);
    }

    void theTraceListsEveryRankInOrder() {
        TestEngine engine;
        engine.setMachine(fixture::kGoodOS, true, fixture::kGoodCPU, 16, adaptersFor("BG"));
        QVERIFY(evaluate(engine));
        const QStringList lines = m_Log->lines();
        const int first = LogCapture::indexOf(lines, QStringLiteral("[OrvoCheckLib] CPU rank:"));
        QVERIFY(first >= 0);
        QCOMPARE(lines.mid(first),
                 QStringList({"[OrvoCheckLib] CPU rank: \"RANK_GOOD\"", "[OrvoCheckLib] GPU ranks:",
                              "[OrvoCheckLib] GPU 0 - \"RANK_BAD\" for \"AMD Radeon HD 7450 #0\"",
                              "[OrvoCheckLib] GPU 1 - \"RANK_GOOD\" for "
                              "\"NVIDIA GeForce GTX 1080 #1\"",
                              "[OrvoCheckLib] Representative GPU index: 1",
                              "[OrvoCheckLib] Memory rank: \"RANK_GOOD\"",
                              "[OrvoCheckLib] OS rank: \"RANK_GOOD\"",
                              "[OrvoCheckLib] Overall rank: \"RANK_GOOD\""}));
    }

    // A failed file after a good one changes no rank and no adapter list.
    void aLaterFailureKeepsEarlierRanks() {
        TestEngine engine;
        engine.setMachine(fixture::kGoodOS, true, fixture::kGoodCPU, 16, adaptersFor("GB"));
        QVERIFY(evaluate(engine));
        QJsonObject broken = validComparison(QStringLiteral("broken"));
        broken.remove("GPU");
        QVERIFY(!evaluate(engine, broken));
        QCOMPARE(engine.getJsonVersion(), QStringLiteral("broken"));
        QCOMPARE(engine.getOverallRank(), kGood);
        QCOMPARE(engine.getGPURank(1), kBad);
        QCOMPARE(engine.getGPURank(2), kUnchecked);
        // A second evaluation replaces the adapter ranks instead of adding to them.
        QVERIFY(evaluate(engine));
        QCOMPARE(engine.getGPURank(2), kUnchecked);
    }

private:
    QScopedPointer<TempWorkDir> m_WorkDir;
    QScopedPointer<LogCapture> m_Log;
};

QTEST_GUILESS_MAIN(RanksTest)
#include "tst_ranks.moc"
