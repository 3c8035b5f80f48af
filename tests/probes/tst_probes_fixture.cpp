// The real probes on made-up sysfs/procfs trees, through the engine.
#include <QtTest>

#include "fixture_tree.h"
#include "message_capture.h"
#include "orvochecklib.h"

namespace {

// Opens the engine's probes and probed members to the test.
class ProbeEngine : public OrvoCheckLib {
public:
    using OrvoCheckLib::readCPU;
    using OrvoCheckLib::readGPUs;
    using OrvoCheckLib::readHeadsetPorts;
    using OrvoCheckLib::readMemory;
    using OrvoCheckLib::readOS;

    QList<GpuInfo>& gpus() { return m_GPUs; }
    QStringList gpuNames() const { return m_GPUNames; }
    double memorySize() const { return m_MemorySize; }
    CpuIdInfo& cpuId() { return m_CpuId; }
    QString cpuName() const { return m_CPUName; }
    QString osName() const { return m_OSName; }
    bool is64Bit() const { return m_Is64Bit; }
    void rankLastAdapter() { m_RepGPUIndex = m_GPUs.size() - 1; }
};

// "card source: name [output=connection ...]; ..." and "vvvv:dddd interface Mbit/s/ports; ...".
QString outputsText(const std::vector<DisplayAdapterOutputs>& adapters) {
    QStringList parts;
    for (const DisplayAdapterOutputs& a : adapters) {
        QStringList outputs;
        for (const DisplayOutput& o : a.outputs)
            outputs << QString::fromStdString(o.name) + "=" +
                           (o.connection == OutputConnection::Connected ? "on" : "off") +
                           (isHeadsetOutput(o.kind) ? "*" : "");
        parts << QString::fromStdString(a.source) + ": " + adapterLabel(a) + " [" +
                     outputs.join(' ') + "]";
    }
    return parts.join("; ");
}

QString controllersText(const std::vector<UsbHostController>& controllers) {
    QStringList parts;
    for (const UsbHostController& c : controllers)
        parts << QStringLiteral("%1:%2 %3 %4/%5")
                     .arg(c.pci.vendor, 4, 16, QLatin1Char('0'))
                     .arg(c.pci.device, 4, 16, QLatin1Char('0'))
                     .arg(int(c.hostInterface))
                     .arg(c.speedMbps)
                     .arg(c.ports);
    return parts.join("; ");
}

FixtureTree::PciFunction nvidiaGtx970() {
    FixtureTree::PciFunction f;
    f.address = "0000:01:00.0";
    f.vendor = 0x10de;
    f.device = 0x13c2;
    f.classCode = 0x030000;
    f.subsystemVendor = 0x1462;
    f.subsystem = 0x3160;
    f.revision = 0xa1;
    f.driver = "nvidia";
    f.moduleVersion = "535.54.03";
    return f;
}

// Subsystem and revision only in configuration space; built-in driver.
FixtureTree::PciFunction intelUhd630() {
    FixtureTree::PciFunction f;
    f.address = "0000:00:02.0";
    f.vendor = 0x8086;
    f.device = 0x3e92;
    f.classCode = 0x030000;
    f.withSubsystemFiles = false;
    f.subsystemVendor = 0x1043;
    f.subsystem = 0x8694;
    f.withRevisionFile = false;
    f.revision = 0x02;
    f.driver = "i915";
    return f;
}

FixtureTree::PciFunction audioDevice() {
    FixtureTree::PciFunction f;
    f.address = "0000:00:1f.3";
    f.vendor = 0x8086;
    f.device = 0xa348;
    f.classCode = 0x040300;
    return f;
}

FixtureTree::PciFunction hostBridge() {
    FixtureTree::PciFunction f;
    f.address = "0000:00:00.0";
    f.vendor = 0x8086;
    f.device = 0x3ec2;
    f.classCode = 0x060000;
    return f;
}

const QString kNvidiaPnp = "PCI\\VEN_10DE&DEV_13C2&SUBSYS_31601462&REV_A1";
const QString kIntelPnp = "PCI\\VEN_8086&DEV_3E92&SUBSYS_86941043&REV_02";

}  // namespace

class TstProbesFixture : public QObject {
    Q_OBJECT
private slots:
    void twoAdaptersInBusOrder();
    void displayControllerKinds();
    void noDisplayController();
    void identityWithoutSubsystemOrRevision();
    void unreadableTrees_data();
    void unreadableTrees();
    void namesCollapsedRecordsKept();
    void memoryFromSmbios();
    void memorySmbiosEncodings();
    void memoryFromBlocksWhenSmbiosUnusable_data();
    void memoryFromBlocksWhenSmbiosUnusable();
    void memoryFromMemTotal_data();
    void memoryFromMemTotal();
    void memoryUnknown();
    void cpuNameTrimmedAndCollapsed();
    void headsetMachines_data();
    void headsetMachines();
    void realMachine();
    void capturedTreeMatchesMachine();
};

void TstProbesFixture::twoAdaptersInBusOrder() {
    FixtureTree tree;
    QVERIFY(tree.isValid());
    // Created out of bus order on purpose: the listing must be sorted.
    tree.addPciFunction(nvidiaGtx970());
    tree.addPciFunction(audioDevice());
    tree.addPciFunction(intelUhd630());
    tree.addConfigSpace(intelUhd630());
    tree.addPciFunction(hostBridge());
    RootsOverride roots(tree);

    MessageCapture capture;
    ProbeEngine engine;
    engine.readGPUs();

    QCOMPARE(engine.gpus().size(), 2);
    const GpuInfo intel = engine.gpus().at(0);
    QCOMPARE(intel.name, QString("Intel UHD Graphics 630"));
    QCOMPARE(intel.deviceId, QString("VideoController1"));
    QCOMPARE(intel.pnpDeviceId, kIntelPnp);
    QCOMPARE(intel.vendorId, QString("8086"));
    QCOMPARE(intel.pciDeviceId, QString("3E92"));
    QCOMPARE(intel.driverVersion, QString());
    QCOMPARE(intel.adapterRamMB, 0.0);
    QCOMPARE(intel.videoArchitecture, QString());

    const GpuInfo nvidia = engine.gpus().at(1);
    QCOMPARE(nvidia.name, QString("NVIDIA GeForce GTX 970"));
    QCOMPARE(nvidia.deviceId, QString("VideoController2"));
    QCOMPARE(nvidia.pnpDeviceId, kNvidiaPnp);
    QCOMPARE(nvidia.vendorId, QString("10DE"));
    QCOMPARE(nvidia.pciDeviceId, QString("13C2"));
    QCOMPARE(nvidia.driverVersion, QString("535.54.03"));

    QCOMPARE(engine.gpuNames(), QStringList({"Intel UHD Graphics 630", "NVIDIA GeForce GTX 970"}));
    QCOMPARE(capture.linesStartingWith("[OrvoCheckLib] GPU"),
             QStringList({
                 "[OrvoCheckLib] GPU names:",
                 "[OrvoCheckLib] GPU 0 - \"Intel UHD Graphics 630\" , PNPDeviceID: "
                 "\"PCI\\\\VEN_8086&DEV_3E92&SUBSYS_86941043&REV_02\" , vendor ID: \"8086\" "
                 ", device ID: \"3E92\"",
                 "[OrvoCheckLib] GPU 1 - \"NVIDIA GeForce GTX 970\" , PNPDeviceID: "
                 "\"PCI\\\\VEN_10DE&DEV_13C2&SUBSYS_31601462&REV_A1\" , vendor ID: \"10DE\" "
                 ", device ID: \"13C2\"",
             }));
    // The built-in driver's missing version is said, not silently dropped.
    QVERIFY(!capture.linesStartingWith("[OrvoCheckLib] 0000:00:02.0 driver i915 has no module")
                 .isEmpty());

    // Records are read once; a second pass only lists them again.
    engine.readGPUs();
    QCOMPARE(engine.gpus().size(), 2);
}

void TstProbesFixture::displayControllerKinds() {
    FixtureTree tree;
    FixtureTree::PciFunction laptop = nvidiaGtx970();
    laptop.device = 0x1c8d;
    laptop.classCode = 0x030200;  // 3D controller
    laptop.subsystemVendor = 0x1028;
    laptop.subsystem = 0x0798;
    tree.addPciFunction(laptop);

    FixtureTree::PciFunction amd;
    amd.address = "0000:03:00.0";
    amd.vendor = 0x1002;
    amd.device = 0x67df;
    amd.classCode = 0x030000;
    amd.subsystemVendor = 0x1da2;
    amd.subsystem = 0xe366;
    amd.revision = 0xe7;
    amd.driver = "amdgpu";
    amd.vramTotal = "8589934592\n";  // beyond 32 bits
    tree.addPciFunction(amd);

    FixtureTree::PciFunction other = amd;  // other display controller
    other.address = "0001:00:00.0";
    other.classCode = 0x038000;
    other.vramTotal = "2147483648\n";
    tree.addPciFunction(other);

    FixtureTree::PciFunction xga = hostBridge();
    xga.address = "0000:05:00.0";
    xga.classCode = 0x030100;
    xga.vendor = 0x1234;
    xga.device = 0x1111;
    tree.addPciFunction(xga);
    RootsOverride roots(tree);

    ProbeEngine engine;
    engine.readGPUs();
    // AMD adapters by the product libdrm names for their revision, the others by pci.ids.
    QCOMPARE(engine.gpuNames(),
             QStringList({"NVIDIA GeForce GTX 1050 Mobile", "AMD Radeon RX 580 Series",
                          engine.gpus().value(2).name, "AMD Radeon RX 580 Series"}));
    QCOMPARE(engine.gpus().at(0).pnpDeviceId,
             QString("PCI\\VEN_10DE&DEV_1C8D&SUBSYS_07981028&REV_A1"));
    QCOMPARE(engine.gpus().at(1).pnpDeviceId,
             QString("PCI\\VEN_1002&DEV_67DF&SUBSYS_E3661DA2&REV_E7"));
    QCOMPARE(engine.gpus().at(1).driverVersion, QString());
    // 8 GiB does not fit the 32-bit property: its largest value, just under 4096 MB.
    QCOMPARE(engine.gpus().at(1).adapterRamMB, 4294967295.0 / 1048576.0);
    QCOMPARE(engine.gpus().at(3).adapterRamMB, 2048.0);
    QCOMPARE(engine.gpus().at(3).deviceId, QString("VideoController4"));
    // An adapter pci.ids does not know is named by its numbers.
    QCOMPARE(engine.gpus().at(2).pnpDeviceId,
             QString("PCI\\VEN_1234&DEV_1111&SUBSYS_00000000&REV_00"));
    QVERIFY(engine.gpus().at(2).name.contains("1111"));
}

void TstProbesFixture::noDisplayController() {
    FixtureTree tree;
    tree.addPciFunction(hostBridge());
    tree.addPciFunction(audioDevice());
    RootsOverride roots(tree);

    MessageCapture capture;
    ProbeEngine engine;
    engine.readGPUs();
    QVERIFY(engine.gpus().isEmpty());
    QVERIFY(engine.gpuNames().isEmpty());
    QCOMPARE(capture.linesStartingWith("[OrvoCheckLib] GPU"),
             QStringList{"[OrvoCheckLib] GPU names:"});
    QCOMPARE(capture.linesStartingWith("[OrvoCheckLib] No display controller").size(), 1);
}

void TstProbesFixture::identityWithoutSubsystemOrRevision() {
    FixtureTree tree;
    FixtureTree::PciFunction bare = nvidiaGtx970();
    bare.withSubsystemFiles = false;
    bare.withRevisionFile = false;
    bare.driver.clear();
    tree.addPciFunction(bare);  // and no configuration space either
    RootsOverride roots(tree);

    MessageCapture capture;
    ProbeEngine engine;
    engine.readGPUs();
    QCOMPARE(engine.gpus().size(), 1);
    const GpuInfo gpu = engine.gpus().at(0);
    QCOMPARE(gpu.name, QString("NVIDIA GeForce GTX 970"));
    QCOMPARE(gpu.pnpDeviceId, QString("PCI\\VEN_10DE&DEV_13C2&SUBSYS_00000000"));
    QCOMPARE(gpu.vendorId, QString("10DE"));
    QCOMPARE(gpu.pciDeviceId, QString("13C2"));  // so it ranks by its IDs
    const QStringList lines = capture.lines();
    QVERIFY(lines.contains("[OrvoCheckLib] 0000:01:00.0 has no subsystem IDs"));
    QVERIFY(lines.contains("[OrvoCheckLib] 0000:01:00.0 has no readable revision"));
    QVERIFY(lines.contains("[OrvoCheckLib] 0000:01:00.0 has no driver bound; no driver version"));
}

void TstProbesFixture::unreadableTrees_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("said");
    QTest::newRow("no PCI folder")
        << "no-pci" << QStringList() << "/bus/pci/devices; no graphics adapters listed";
    QTest::newRow("entry without class")
        << "no-class" << QStringList{"Intel UHD Graphics 630"} << "/0000:01:00.0/class";
    QTest::newRow("entry with a bad name")
        << "bad-name" << QStringList{"Intel UHD Graphics 630", "NVIDIA GeForce GTX 970"}
        << "not-a-pci-address is not an address; skipped";
    QTest::newRow("vendor 0") << "vendor-0" << QStringList{"Intel UHD Graphics 630"}
                              << "0000:01:00.0 reads vendor 0000; not a device";
}

// libpci ends the process on a tree it cannot parse unless told otherwise:
// the probe must survive, keep what it could read and say what went wrong.
void TstProbesFixture::unreadableTrees() {
    QFETCH(QString, damage);
    QFETCH(QStringList, names);
    QFETCH(QString, said);
    FixtureTree tree;
    tree.addPciFunction(nvidiaGtx970());
    tree.addPciFunction(intelUhd630());
    tree.addConfigSpace(intelUhd630());
    const QString devices = tree.sysfsRoot() + "/bus/pci/devices";
    if (damage == "no-pci") {
        QVERIFY(QDir(tree.sysfsRoot() + "/bus/pci").removeRecursively());
    } else if (damage == "no-class") {
        QVERIFY(QFile::remove(devices + "/0000:01:00.0/class"));
    } else if (damage == "bad-name") {
        QVERIFY(QDir(devices).mkdir("not-a-pci-address"));
    } else {
        tree.writeFile("sys/bus/pci/devices/0000:01:00.0/vendor", "0x0000\n");
    }
    RootsOverride roots(tree);

    MessageCapture capture;
    ProbeEngine engine;
    engine.readGPUs();
    QCOMPARE(engine.gpuNames(), names);
    QVERIFY(capture.lines().contains("[OrvoCheckLib] GPU names:"));
    QVERIFY2(capture.lines().filter(said).size() == 1, qPrintable(capture.lines().join('\n')));
}

void TstProbesFixture::namesCollapsedRecordsKept() {
    ProbeEngine engine;
    GpuInfo gpu;
    gpu.name = "  NVIDIA  GeForce   GTX 970 ";
    gpu.pnpDeviceId = "PCI\\VEN_10DE&DEV_13C2";
    gpu.vendorId = "10DE";
    engine.gpus().append(gpu);

    MessageCapture capture;
    engine.readGPUs();  // records present: no query
    QCOMPARE(engine.gpus().size(), 1);
    QCOMPARE(engine.gpus().at(0).name, QString("  NVIDIA  GeForce   GTX 970 "));
    QCOMPARE(engine.gpuNames(), QStringList{"NVIDIA GeForce GTX 970"});
    QCOMPARE(capture.lines(),
             QStringList({"[OrvoCheckLib] GPU names:",
                          "[OrvoCheckLib] GPU 0 - \"NVIDIA GeForce GTX 970\" , PNPDeviceID: "
                          "\"PCI\\\\VEN_10DE&DEV_13C2\" , vendor ID: \"10DE\" , device ID: \"\""}));
}

void TstProbesFixture::memoryFromSmbios() {
    FixtureTree tree;
    tree.writeDmiTable(SmbiosTableBuilder()
                           .structure(0, 0x18, 0x0000, QByteArray(4, '\1'), {"Vendor", "1.0"})
                           .structure(16, 0x17, 0x1000)
                           .memoryDevice(0x1100, 8192)
                           .memoryDevice(0x1101, 0)  // empty slot
                           .memoryDevice(0x1102, 8192)
                           .endOfTable()
                           .bytes());
    tree.addMemoryBlocks(0x8000000, 4, 0);  // must not be used
    tree.writeMeminfo("MemTotal:       1024 kB\n");
    RootsOverride roots(tree);

    MessageCapture capture;
    ProbeEngine engine;
    engine.readMemory();
    QCOMPARE(engine.memorySize(), 16.0);
    QCOMPARE(capture.linesStartingWith("[OrvoCheckLib] Memory "),
             QStringList({"[OrvoCheckLib] Memory device 0x1101 is an empty slot",
                          "[OrvoCheckLib] Memory bank \"8589934592\" Bytes",
                          "[OrvoCheckLib] Memory bank \"8589934592\" Bytes",
                          "[OrvoCheckLib] Memory size: 16.0 GB"}));
}

void TstProbesFixture::memorySmbiosEncodings() {
    FixtureTree tree;
    tree.writeDmiTable(SmbiosTableBuilder()
                           .memoryDevice(0x20, 0x7FFF, 32768)    // 32 GiB, extended
                           .memoryDevice(0x21, 0x8000 | 0x4000)  // 16384 KiB
                           .memoryDevice(0x22, 0xFFFF)           // unknown: skipped
                           .endOfTable()
                           .bytes());
    RootsOverride roots(tree);

    MessageCapture capture;
    ProbeEngine engine;
    engine.readMemory();
    QCOMPARE(engine.memorySize(), 32.0 + 16.0 / 1024.0);  // 16 MiB
    QCOMPARE(capture.linesStartingWith("[OrvoCheckLib] Memory bank"),
             QStringList({"[OrvoCheckLib] Memory bank \"34359738368\" Bytes",
                          "[OrvoCheckLib] Memory bank \"16777216\" Bytes"}));
    QVERIFY(
        capture.lines().contains("[OrvoCheckLib] Memory device 0x0022 has no known size; skipped"));
    QVERIFY(capture.lines().contains("[OrvoCheckLib] Memory size: 32.0 GB"));
}

void TstProbesFixture::memoryFromBlocksWhenSmbiosUnusable_data() {
    QTest::addColumn<QString>("table");
    QTest::newRow("no table") << "none";
    QTest::newRow("table of empty slots") << "empty slots";
    QTest::newRow("table is an endless device") << "/dev/zero";
}

void TstProbesFixture::memoryFromBlocksWhenSmbiosUnusable() {
    QFETCH(QString, table);
    FixtureTree tree;
    if (table == "empty slots") {
        tree.writeDmiTable(
            SmbiosTableBuilder().memoryDevice(0x30, 0).memoryDevice(0x31, 0).endOfTable().bytes());
    } else if (table == "/dev/zero") {
        tree.symlink(table, "sys/firmware/dmi/tables/DMI");
    }
    tree.addMemoryBlocks(0x8000000, 128, 3);  // 128 online blocks of 128 MiB
    tree.writeMeminfo("MemTotal:       1024 kB\n");
    RootsOverride roots(tree);

    MessageCapture capture;
    ProbeEngine engine;
    engine.readMemory();
    QCOMPARE(engine.memorySize(), 16.0);
    QCOMPARE(capture.linesStartingWith("[OrvoCheckLib] Memory bank"),
             QStringList{"[OrvoCheckLib] Memory bank \"17179869184\" Bytes"});
    QCOMPARE(capture.lines().filter("counting memory blocks").size(), 1);
    QCOMPARE(capture.lines().filter("larger than 4194304 bytes").size(),
             table == "/dev/zero" ? 1 : 0);
}

void TstProbesFixture::memoryFromMemTotal_data() {
    QTest::addColumn<quint64>("blockSize");
    QTest::addColumn<int>("online");
    QTest::addColumn<QByteArray>("memTotalKb");
    QTest::addColumn<double>("installedGb");  // the size MemTotal implies
    QTest::newRow("no block online, 15.5 GB: 16")
        << quint64(0x8000000) << 0 << QByteArray("16303012") << 16.0;
    QTest::newRow("two blocks of 2^63 bytes, a product of 0")
        << (quint64(1) << 63) << 2 << QByteArray("16303012") << 16.0;
    QTest::newRow("3.7 GB: 4") << quint64(0x8000000) << 0 << QByteArray("3879731") << 4.0;
    QTest::newRow("exactly 3 GB stays") << quint64(0x8000000) << 0 << QByteArray("3145728") << 3.0;
    QTest::newRow("7.8 GB: 8") << quint64(0x8000000) << 0 << QByteArray("8178892") << 8.0;
    QTest::newRow("13.6 GB, graphics share it: 14")
        << quint64(0x8000000) << 0 << QByteArray("14260633") << 14.0;
    QTest::newRow("62.7 GB: 64") << quint64(0x8000000) << 0 << QByteArray("65745715") << 64.0;
}

void TstProbesFixture::memoryFromMemTotal() {
    QFETCH(quint64, blockSize);
    QFETCH(int, online);
    QFETCH(QByteArray, memTotalKb);
    QFETCH(double, installedGb);
    FixtureTree tree;
    tree.addMemoryBlocks(blockSize, online, 2);
    tree.writeMeminfo("MemFree:         8000000 kB\nMemTotal:       " + memTotalKb +
                      " kB\nSwapTotal: 0 kB\n");
    RootsOverride roots(tree);

    MessageCapture capture;
    ProbeEngine engine;
    engine.readMemory();
    QCOMPARE(engine.memorySize(), installedGb);
    QCOMPARE(capture.linesStartingWith("[OrvoCheckLib] Memory bank"),
             QStringList{QStringLiteral("[OrvoCheckLib] Memory bank \"%1\" Bytes")
                             .arg(quint64(installedGb * 1024) << 20)});
    QCOMPARE(capture.lines().filter("using MemTotal").size(), 1);
    QCOMPARE(capture.lines().filter(" kB read as ").size(), 1);
}

void TstProbesFixture::memoryUnknown() {
    FixtureTree tree;
    tree.writeMeminfo("MemFree: 1 kB\n");
    RootsOverride roots(tree);

    MessageCapture capture;
    ProbeEngine engine;
    engine.readMemory();
    QCOMPARE(engine.memorySize(), 0.0);
    QVERIFY(capture.lines().contains("[OrvoCheckLib] Memory size: 0.0 GB"));
    QCOMPARE(capture.lines().filter("memory size unknown").size(), 1);
}

void TstProbesFixture::cpuNameTrimmedAndCollapsed() {
    ProbeEngine engine;
    engine.cpuId().brand = "       Intel(R)  Core(TM)   i7-8700K CPU @ 3.70GHz";
    MessageCapture capture;
    engine.readCPU();
    QCOMPARE(engine.cpuName(), QString("Intel(R) Core(TM) i7-8700K CPU @ 3.70GHz"));
    QCOMPARE(capture.lines(),
             QStringList{"[OrvoCheckLib] CPU name: \"Intel(R) Core(TM) i7-8700K CPU @ 3.70GHz\""});
}

void TstProbesFixture::headsetMachines_data() {
    QTest::addColumn<int>("machine");
    QTest::addColumn<QString>("outputs");      // * marks HDMI and DisplayPort
    QTest::addColumn<QString>("controllers");  // interface 3 is xHCI, 2 EHCI
    QTest::addColumn<QString>("judgement");  // video, usb, needed adapter <- adapters with outputs
    QTest::newRow("desktop") << int(HeadsetMachine::Desktop)
                             << "card0: NVIDIA GeForce GTX 1060 6GB [DP-1=on* DP-2=off* DP-3=off* "
                                "DVI-D-1=off HDMI-A-1=off*]"
                             << "8086:a2af 3 5000/10"
                             << "ok ok NVIDIA GeForce GTX 1060 6GB <- NVIDIA GeForce GTX 1060 6GB";
    QTest::newRow("hybrid laptop")
        << int(HeadsetMachine::HybridLaptop)
        << "card0: Intel UHD Graphics 630 [HDMI-A-1=off* eDP-1=on]; "
           "card1: NVIDIA GeForce RTX 2070 Mobile []"
        << "8086:a36d 3 10000/8"
        << "warning ok NVIDIA GeForce RTX 2070 Mobile <- Intel UHD Graphics 630";
    QTest::newRow("USB 2.0 only") << int(HeadsetMachine::Usb2Only) << ""
                                  << "8086:1e26 2 480/3"
                                  << "unknown warning  <- ";
    QTest::newRow("nothing known") << int(HeadsetMachine::NothingKnown) << ""
                                   << ""
                                   << "unknown unknown  <- ";
}

void TstProbesFixture::headsetMachines() {
    QFETCH(int, machine);
    FixtureTree tree;
    addHeadsetMachine(tree, HeadsetMachine(machine));
    RootsOverride roots(tree);
    ProbeEngine engine;
    engine.readGPUs();
    engine.readHeadsetPorts();
    engine.rankLastAdapter();
    const HeadsetConnection found = engine.getHeadsetConnection();
    QTEST(outputsText(found.video.adapters), "outputs");
    QTEST(controllersText(found.usb.controllers), "controllers");
    QTEST(QStringList({headsetStatusText(found.video.status), headsetStatusText(found.usb.status),
                       found.video.neededAdapter, "<-", found.video.adaptersWithOutputs.join(',')})
              .join(' '),
          "judgement");
}

// Only what holds on any machine.
void TstProbesFixture::realMachine() {
    qunsetenv("ORVOCHECK_SYSFS_ROOT");
    qunsetenv("ORVOCHECK_PROCFS_ROOT");
    MessageCapture capture;
    ProbeEngine engine;
    engine.probeSystem();
    QVERIFY(!engine.osName().isEmpty());
    QVERIFY(engine.memorySize() > 0.0);
    QCOMPARE(engine.gpuNames().size(), engine.gpus().size());
    QCOMPARE(capture.linesStartingWith("[OrvoCheckLib] OS name:").size(), 1);
    QCOMPARE(capture.linesStartingWith("[OrvoCheckLib] CPU name:").size(), 1);
#if defined(__x86_64__) || defined(__aarch64__)
    QVERIFY(engine.is64Bit());
#endif
}

// The capture script copies everything the probes read: the probes give the
// same answers on the copy as on the machine itself.
void TstProbesFixture::capturedTreeMatchesMachine() {
    qunsetenv("ORVOCHECK_SYSFS_ROOT");
    qunsetenv("ORVOCHECK_PROCFS_ROOT");
    ProbeEngine live;
    live.readGPUs();
    live.readMemory();
    live.readHeadsetPorts();

    QTemporaryDir capture;
    QVERIFY(capture.isValid());
    QProcess script;
    script.start("bash", {PROBE_CAPTURE_SCRIPT, capture.path()});
    QVERIFY(script.waitForFinished(60000));
    QCOMPARE(script.exitCode(), 0);

    qputenv("ORVOCHECK_SYSFS_ROOT", (capture.path() + "/sys").toUtf8());
    qputenv("ORVOCHECK_PROCFS_ROOT", (capture.path() + "/proc").toUtf8());
    ProbeEngine replay;
    replay.readGPUs();
    replay.readMemory();
    replay.readHeadsetPorts();
    qunsetenv("ORVOCHECK_SYSFS_ROOT");
    qunsetenv("ORVOCHECK_PROCFS_ROOT");

    QCOMPARE(replay.gpuNames(), live.gpuNames());
    QCOMPARE(replay.gpus().size(), live.gpus().size());
    for (int i = 0; i < live.gpus().size(); ++i) {
        QCOMPARE(replay.gpus().at(i).pnpDeviceId, live.gpus().at(i).pnpDeviceId);
        QCOMPARE(replay.gpus().at(i).driverVersion, live.gpus().at(i).driverVersion);
        QCOMPARE(replay.gpus().at(i).adapterRamMB, live.gpus().at(i).adapterRamMB);
    }
    QCOMPARE(replay.memorySize(), live.memorySize());
    const HeadsetConnection liveHeadset = live.getHeadsetConnection();
    const HeadsetConnection replayHeadset = replay.getHeadsetConnection();
    QCOMPARE(outputsText(replayHeadset.video.adapters), outputsText(liveHeadset.video.adapters));
    QCOMPARE(controllersText(replayHeadset.usb.controllers),
             controllersText(liveHeadset.usb.controllers));
}

QTEST_GUILESS_MAIN(TstProbesFixture)
#include "tst_probes_fixture.moc"
