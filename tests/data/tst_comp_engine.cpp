// The shipped comparison file through the real engine and probes: it passes
// the engine's validation, and made-up machines rank as the tables intend.
#include <QtTest>

#include "fixture_tree.h"
#include "orvochecklib.h"

namespace {

const QString kCompFile = QStringLiteral(ORVO_COMP_DEFAULT);

QJsonObject shippedRoot() {
    QFile file(kCompFile);
    if (!file.open(QIODevice::ReadOnly)) return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

// Compares synchronously (no download) and counts the finish signals.
int compareShipped(OrvoCheckLib& lib) {
    QSignalSpy finished(&lib, &OrvoCheckLib::compareFinished);
    lib.startCompare(QString(), QString(), kCompFile);
    return finished.count();
}

}  // namespace

class TestCompEngine : public QObject {
    Q_OBJECT
private slots:
    void shippedFilePassesValidationOnThisMachine();
    void adaptersRankAsTheTablesSay_data();
    void adaptersRankAsTheTablesSay();
};

void TestCompEngine::shippedFilePassesValidationOnThisMachine() {
    const QJsonObject root = shippedRoot();
    QVERIFY2(!root.isEmpty(), qPrintable(kCompFile));
    OrvoCheckLib lib;
    lib.probeSystem();
    QCOMPARE(compareShipped(lib), 1);
    QCOMPARE(lib.getJsonVersion(), root.value("Version").toString());
    // A valid file leaves no component unchecked.
    QVERIFY(lib.getOverallRank() != QLatin1String("RANK_UNCHECKED"));
    QVERIFY(lib.getOSRank() != QLatin1String("RANK_UNCHECKED"));
    QVERIFY(lib.getCPURank() != QLatin1String("RANK_UNCHECKED"));
    const double gigabytes = lib.getMemorySize().toDouble();
    QCOMPARE(lib.getMemoryRank(), QLatin1String(gigabytes >= 4.0 ? "RANK_GOOD" : "RANK_BAD"));
    // The build platform's own name is one the file knows as good.
    if (lib.getOSName() == QLatin1String("Debian GNU/Linux 12 (bookworm)"))
        QCOMPARE(lib.getOSRank(), QLatin1String("RANK_GOOD"));
}

void TestCompEngine::adaptersRankAsTheTablesSay_data() {
    QTest::addColumn<quint16>("vendor");
    QTest::addColumn<quint16>("device");
    QTest::addColumn<quint8>("revision");
    QTest::addColumn<QString>("rank");
    // What a reader that knows only the pair lists makes of the same adapter.
    QTest::addColumn<QString>("pairRank");
    const QString good = QStringLiteral("RANK_GOOD");
    const QString bad = QStringLiteral("RANK_BAD");
    const QString unknown = QStringLiteral("RANK_UNKNOWN");
    QTest::newRow("GeForce GTX 970")
        << quint16(0x10de) << quint16(0x13c2) << quint8(0xa1) << good << good;
    QTest::newRow("GeForce RTX 4060 (newer than Debian's pci.ids)")
        << quint16(0x10de) << quint16(0x2882) << quint8(0xa1) << good << good;
    QTest::newRow("Radeon RX 480")
        << quint16(0x1002) << quint16(0x67df) << quint8(0xc7) << good << good;
    QTest::newRow("Radeon R9 290")
        << quint16(0x1002) << quint16(0x67b1) << quint8(0) << good << good;
    QTest::newRow("Arc A770") << quint16(0x8086) << quint16(0x56a0) << quint8(8) << good << good;
    QTest::newRow("GeForce GTX 960")
        << quint16(0x10de) << quint16(0x1401) << quint8(0xa1) << bad << bad;
    QTest::newRow("GeForce GTX 965M")
        << quint16(0x10de) << quint16(0x13d9) << quint8(0xa1) << bad << bad;
    QTest::newRow("Radeon RX 560")
        << quint16(0x1002) << quint16(0x67ff) << quint8(0xcf) << bad << bad;
    QTest::newRow("UHD Graphics 630")
        << quint16(0x8086) << quint16(0x3e92) << quint8(0) << bad << bad;
    QTest::newRow("GTX 960 OEM / 970M, the weaker")
        << quint16(0x10de) << quint16(0x13d8) << quint8(0xa1) << bad << bad;
    QTest::newRow("Flex 170, no outputs")
        << quint16(0x8086) << quint16(0x56c0) << quint8(8) << bad << bad;
    QTest::newRow("Tesla T4, no outputs")
        << quint16(0x10de) << quint16(0x1eb8) << quint8(0xa1) << bad << bad;
    QTest::newRow("QEMU standard VGA, a virtual machine")
        << quint16(0x1234) << quint16(0x1111) << quint8(2) << bad << bad;
    QTest::newRow("Parallels display")
        << quint16(0x1ab8) << quint16(0x4005) << quint8(0) << bad << bad;
    QTest::newRow("RX 5500 XT") << quint16(0x1002) << quint16(0x7340) << quint8(0xc5) << good
                                << bad;
    QTest::newRow("RX 5500M") << quint16(0x1002) << quint16(0x7340) << quint8(0xc1) << bad << bad;
    QTest::newRow("RX 6500 XT") << quint16(0x1002) << quint16(0x743f) << quint8(0xc1) << good
                                << bad;
    QTest::newRow("Navi 14, a revision amdgpu.ids does not name")
        << quint16(0x1002) << quint16(0x7340) << quint8(0x77) << bad << bad;
    QTest::newRow("GB10, no figure")
        << quint16(0x10de) << quint16(0x2e12) << quint8(0xa1) << unknown << unknown;
}

void TestCompEngine::adaptersRankAsTheTablesSay() {
    QFETCH(quint16, vendor);
    QFETCH(quint16, device);
    QFETCH(quint8, revision);
    QFETCH(QString, rank);
    QFETCH(QString, pairRank);
    FixtureTree tree;
    QVERIFY(tree.isValid());
    FixtureTree::PciFunction gpu;
    gpu.address = QStringLiteral("0000:01:00.0");
    gpu.vendor = vendor;
    gpu.device = device;
    gpu.revision = revision;
    gpu.classCode = 0x030000;
    tree.addPciFunction(gpu);
    tree.addConfigSpace(gpu);
    tree.writeMeminfo("MemTotal:       16318412 kB\n");
    RootsOverride roots(tree);

    OrvoCheckLib lib;
    lib.probeSystem();
    QCOMPARE(lib.getGPUNames().size(), 1);
    QCOMPARE(compareShipped(lib), 1);
    QCOMPARE(lib.getRepGPURank(), rank);
    QCOMPARE(lib.getGPURank(0), rank);

    QJsonObject root = shippedRoot();
    QJsonObject gpuLists = root.value("GPU").toObject();
    gpuLists.remove("Good revisions");
    gpuLists.remove("Bad revisions");
    root["GPU"] = gpuLists;
    QTemporaryDir dir;
    QFile pairOnly(dir.filePath("comp.json"));
    QVERIFY(pairOnly.open(QIODevice::WriteOnly));
    pairOnly.write(QJsonDocument(root).toJson());
    pairOnly.close();
    OrvoCheckLib older;
    older.probeSystem();
    QSignalSpy finished(&older, &OrvoCheckLib::compareFinished);
    older.startCompare(QString(), QString(), pairOnly.fileName());
    QCOMPARE(older.getGPURank(0), pairRank);
}

QTEST_GUILESS_MAIN(TestCompEngine)
#include "tst_comp_engine.moc"
