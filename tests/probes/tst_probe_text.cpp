// The probes' text and byte rules, on given input.
#include <QtTest>

extern "C" {
#include <pci/pci.h>
}
#include <cstring>

#include "cpu_probe.h"
#include "fixture_tree.h"
#include "message_capture.h"
#include "orvochecklib.h"
#include "os_probe.h"
#include "pci_ids.h"
#include "pci_names.h"
#include "smbios.h"
#include "wmi_records.h"

namespace {

std::array<unsigned char, kCpuBrandBytes> brandBytes(const char* text) {
    std::array<unsigned char, kCpuBrandBytes> bytes{};
    std::memcpy(bytes.data(), text, std::min(std::strlen(text), bytes.size()));
    return bytes;
}

// A processor whose brand leaves hold the given text (zero-padded).
struct FakeCpu {
    std::uint32_t highestExtendedLeaf = kCpuLastBrandLeaf;
    std::array<unsigned char, kCpuBrandBytes> brand{};
    QList<std::uint32_t> leavesAsked;

    CpuidRegisters operator()(std::uint32_t leaf, std::uint32_t) {
        leavesAsked.append(leaf);
        CpuidRegisters regs{};
        if (leaf == kCpuExtendedLeafBase) {
            regs[0] = highestExtendedLeaf;
        } else if (leaf >= kCpuExtendedLeafBase + 2 && leaf <= kCpuLastBrandLeaf) {
            const std::size_t base = (leaf - kCpuExtendedLeafBase - 2) * 16;
            for (std::size_t r = 0; r < 4; ++r) {
                for (std::size_t b = 0; b < 4; ++b) {
                    regs[r] |= std::uint32_t(brand[base + r * 4 + b]) << (8 * b);
                }
            }
        }
        return regs;
    }
};

}  // namespace

class TstProbeText : public QObject {
    Q_OBJECT
private slots:
    void collapseSpaces_data();
    void collapseSpaces();
    void extractBetween_data();
    void extractBetween();
    void cpuBrandFromLeaves_data();
    void cpuBrandFromLeaves();
    void cpuWithoutBrandLeaves();
    void cpuModelName_data();
    void cpuModelName();
    void machine64Bit_data();
    void machine64Bit();
    void videoArchitecture_data();
    void videoArchitecture();
    void adapterRam_data();
    void adapterRam();
    void gpuRecordFromProperties();
    void gpuRecordKeepsDefaultsForUnreadProperties();
    void vendorShortName_data();
    void vendorShortName();
    void adapterName_data();
    void adapterName();
    void pciIdsLookup_data();
    void pciIdsLookup();
    void pciIdsAgreesWithLibpci();
    void pnpDeviceId_data();
    void pnpDeviceId();
    void smbiosSizes_data();
    void smbiosSizes();
    void smbiosTruncatedTable();
    void memoryBankLines();
};

void TstProbeText::collapseSpaces_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("only spaces") << "     "
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("one word") << "GeForce"
                              << "GeForce";
    QTest::newRow("tab inside stays") << "  Intel\tCore  "
                                      << "Intel\tCore";
    QTest::newRow("runs of spaces") << "NVIDIA  GeForce   GTX 970"
                                    << "NVIDIA GeForce GTX 970";
    QTest::newRow("leading and trailing") << "   AMD Ryzen 7   "
                                          << "AMD Ryzen 7";
    QTest::newRow("tab at the ends trimmed") << "\tWindows 10\n"
                                             << "Windows 10";
    QTest::newRow("tab then spaces") << "a \t  b"
                                     << "a \t b";
}

void TstProbeText::collapseSpaces() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(OrvoCheckLib::collapseSpaces(text), expected);
}

void TstProbeText::extractBetween_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("expected");
    const QString pnp = "PCI\\VEN_10DE&DEV_13C2&SUBSYS_31601462&REV_A1";
    QTest::newRow("vendor") << pnp << "VEN_"
                            << "&"
                            << "10DE";
    QTest::newRow("device") << pnp << "DEV_"
                            << "&"
                            << "13C2";
    QTest::newRow("lower case kept") << "PCI\\VEN_10de&DEV_13c2&X"
                                     << "DEV_"
                                     << "&"
                                     << "13c2";
    QTest::newRow("no start") << "PCI\\DEV_13C2&SUBSYS"
                              << "VEN_"
                              << "&"
                              << "";
    QTest::newRow("no end after start") << "PCI\\VEN_10DE&DEV_13C2"
                                        << "DEV_"
                                        << "&"
                                        << "";
    QTest::newRow("end only before start") << "a&VEN_10DE"
                                           << "VEN_"
                                           << "&"
                                           << "";
    QTest::newRow("start is case sensitive") << "PCI\\ven_10DE&"
                                             << "VEN_"
                                             << "&"
                                             << "";
    QTest::newRow("first start wins") << "VEN_1&VEN_2&"
                                      << "VEN_"
                                      << "&"
                                      << "1";
    QTest::newRow("empty between") << "VEN_&DEV_"
                                   << "VEN_"
                                   << "&"
                                   << "";
    QTest::newRow("empty text") << ""
                                << "VEN_"
                                << "&"
                                << "";
}

void TstProbeText::extractBetween() {
    QFETCH(QString, text);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, expected);
    QCOMPARE(OrvoCheckLib::extractBetween(text, start, end), expected);
}

void TstProbeText::cpuBrandFromLeaves_data() {
    QTest::addColumn<QByteArray>("brand");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("ends at zero") << QByteArray("Intel(R) Core(TM) i7-8700K CPU @ 3.70GHz")
                                  << QByteArray("Intel(R) Core(TM) i7-8700K CPU @ 3.70GHz");
    QTest::newRow("leading spaces kept here")
        << QByteArray("        Intel(R) Xeon(R) CPU  E5-2690")
        << QByteArray("        Intel(R) Xeon(R) CPU  E5-2690");
    const QByteArray full48 = "AMD Ryzen 9 7950X 16-Core Processor ABCDEFGHIJK";
    QTest::newRow("48 bytes taken whole") << full48 << full48;
}

void TstProbeText::cpuBrandFromLeaves() {
    QFETCH(QByteArray, brand);
    QFETCH(QByteArray, expected);
    QCOMPARE(brand.size() <= 48, true);
    FakeCpu cpu;
    cpu.brand = brandBytes(brand.constData());
    const CpuIdentification found = identifyCpuWith(std::ref(cpu));
    QCOMPARE(found.highestExtendedLeaf, kCpuLastBrandLeaf);
    QCOMPARE(QByteArray::fromStdString(found.brand), expected);
    QCOMPARE(found.brand.size(), std::size_t(expected.size()));
    QCOMPARE(QByteArray::fromStdString(cpuBrandFromBytes(cpu.brand)), expected);
}

void TstProbeText::cpuWithoutBrandLeaves() {
    FakeCpu cpu;
    cpu.highestExtendedLeaf = kCpuLastBrandLeaf - 1;
    cpu.brand = brandBytes("Never read");
    const CpuIdentification found = identifyCpuWith(std::ref(cpu));
    QCOMPARE(found.highestExtendedLeaf, kCpuLastBrandLeaf - 1);
    QVERIFY(found.brand.empty());
    QCOMPARE(cpu.leavesAsked, QList<std::uint32_t>{kCpuExtendedLeafBase});
}

void TstProbeText::cpuModelName_data() {
    QTest::addColumn<QByteArray>("cpuinfo");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("x86 style") << QByteArray(
                                      "processor\t: 0\nvendor_id\t: GenuineIntel\n"
                                      "model name\t: Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz\n"
                                      "processor\t: 1\nmodel name\t: second\n")
                               << QByteArray("Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz");
    QTest::newRow("none") << QByteArray("processor\t: 0\nBogoMIPS\t: 48.00\n") << QByteArray();
    QTest::newRow("empty value") << QByteArray("model name\t:\n") << QByteArray();
    QTest::newRow("similar key") << QByteArray("model named: x\nmodel\t: 7\n") << QByteArray();
}

void TstProbeText::cpuModelName() {
    QFETCH(QByteArray, cpuinfo);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(cpuModelNameFromCpuinfo(cpuinfo.toStdString())), expected);
}

void TstProbeText::machine64Bit_data() {
    QTest::addColumn<QString>("machine");
    QTest::addColumn<bool>("is64");
    QTest::newRow("x86_64") << "x86_64" << true;
    QTest::newRow("aarch64") << "aarch64" << true;
    QTest::newRow("ppc64le") << "ppc64le" << true;
    QTest::newRow("riscv64") << "riscv64" << true;
    QTest::newRow("s390x") << "s390x" << true;
    QTest::newRow("i686") << "i686" << false;
    QTest::newRow("i386") << "i386" << false;
    QTest::newRow("armv7l") << "armv7l" << false;
    QTest::newRow("armv8l is a 32-bit kernel") << "armv8l" << false;
    QTest::newRow("s390") << "s390" << false;
    QTest::newRow("empty") << "" << false;
}

void TstProbeText::machine64Bit() {
    QFETCH(QString, machine);
    QFETCH(bool, is64);
    QCOMPARE(isMachine64Bit(machine.toStdString()), is64);
}

void TstProbeText::videoArchitecture_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("5") << 5 << "VGA";
    QTest::newRow("6") << 6 << "SVGA";
    QTest::newRow("7") << 7 << "MDA";
    QTest::newRow("8") << 8 << "";
    QTest::newRow("9") << 9 << "";
    QTest::newRow("10") << 10 << "8514A";
    QTest::newRow("11") << 11 << "XGA";
    QTest::newRow("12") << 12 << "Linear Frame Buffer";
    QTest::newRow("0") << 0 << "";
    QTest::newRow("-1") << -1 << "";
    QTest::newRow("13") << 13 << "";
}

void TstProbeText::videoArchitecture() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(videoArchitectureText(value), text);
}

void TstProbeText::adapterRam_data() {
    QTest::addColumn<qint32>("value");
    QTest::addColumn<double>("megabytes");
    QTest::newRow("zero") << qint32(0) << 0.0;
    QTest::newRow("1 GiB") << qint32(1 << 30) << 1024.0;
    QTest::newRow("top bit set") << qint32(INT32_MIN) << 2048.0;
    QTest::newRow("all bits set") << qint32(-1) << 4294967295.0 / 1048576.0;
}

void TstProbeText::adapterRam() {
    QFETCH(qint32, value);
    QFETCH(double, megabytes);
    const double got = adapterRamMegabytes(value);
    QCOMPARE(got, megabytes);
    QVERIFY(got >= 0.0);
    if (value == -1) QVERIFY(got < 4096.0 && got > 4095.99);
}

void TstProbeText::gpuRecordFromProperties() {
    const WmiObject object{
        {"Name", WmiValue::ofText("NVIDIA  GeForce GTX 970")},
        {"DeviceID", WmiValue::ofText("VideoController1")},
        {"PNPDeviceID", WmiValue::ofText("PCI\\VEN_10DE&DEV_13C2&SUBSYS_31601462&REV_A1")},
        {"DriverVersion", WmiValue::ofText("31.0.15.3623")},
        {"VideoProcessor", WmiValue::ofText("NVIDIA GeForce GTX 970")},
        {"VideoModeDescription", WmiValue::ofText("1920 x 1080 x 4294967296 colors")},
        {"AdapterDACType", WmiValue::null()},
        {"VideoArchitecture", WmiValue::ofInt32(5)},
        {"AdapterRAM", WmiValue::ofInt32(-1)},
    };
    const GpuInfo gpu = gpuInfoFromObject(object);
    QCOMPARE(gpu.name, QString("NVIDIA  GeForce GTX 970"));  // kept as read
    QCOMPARE(gpu.deviceId, QString("VideoController1"));
    QCOMPARE(gpu.pnpDeviceId, QString("PCI\\VEN_10DE&DEV_13C2&SUBSYS_31601462&REV_A1"));
    QCOMPARE(gpu.vendorId, QString("10DE"));
    QCOMPARE(gpu.pciDeviceId, QString("13C2"));
    QCOMPARE(gpu.driverVersion, QString("31.0.15.3623"));
    QCOMPARE(gpu.videoProcessor, QString("NVIDIA GeForce GTX 970"));
    QCOMPARE(gpu.videoModeDescription, QString("1920 x 1080 x 4294967296 colors"));
    QCOMPARE(gpu.adapterDacType, QString());
    QCOMPARE(gpu.videoArchitecture, QString("VGA"));
    QCOMPARE(gpu.adapterRamMB, 4294967295.0 / 1048576.0);
}

void TstProbeText::gpuRecordKeepsDefaultsForUnreadProperties() {
    // Only a PNP device ID that ends right after the device digits.
    const WmiObject object{{"PNPDeviceID", WmiValue::ofText("PCI\\VEN_8086&DEV_3E92")},
                           {"VideoArchitecture", WmiValue::null()},
                           {"AdapterRAM", WmiValue::null()}};
    const GpuInfo gpu = gpuInfoFromObject(object);
    QCOMPARE(gpu.name, QString());
    QCOMPARE(gpu.deviceId, QString());
    QCOMPARE(gpu.vendorId, QString("8086"));
    QCOMPARE(gpu.pciDeviceId, QString());
    QCOMPARE(gpu.videoArchitecture, QString());
    QCOMPARE(gpu.adapterRamMB, 0.0);

    const GpuInfo noVendor =
        gpuInfoFromObject(WmiObject{{"PNPDeviceID", WmiValue::ofText("ROOT\\DISPLAY\\0000")}});
    QCOMPARE(noVendor.vendorId, QString());
    QCOMPARE(noVendor.pciDeviceId, QString());
    QCOMPARE(gpuInfoFromObject(WmiObject{{"VideoArchitecture", WmiValue::ofInt32(12)}})
                 .videoArchitecture,
             QString("Linear Frame Buffer"));
}

void TstProbeText::vendorShortName_data() {
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("shortName");
    QTest::newRow("NVIDIA") << "NVIDIA Corporation"
                            << "NVIDIA";
    QTest::newRow("Intel") << "Intel Corporation"
                           << "Intel";
    QTest::newRow("AMD bracket") << "Advanced Micro Devices, Inc. [AMD/ATI]"
                                 << "AMD";
    QTest::newRow("SiS bracket") << "Silicon Integrated Systems [SiS]"
                                 << "SiS";
    QTest::newRow("comma") << "Red Hat, Inc."
                           << "Red Hat";
    QTest::newRow("several words") << "Matrox Electronics Systems Ltd."
                                   << "Matrox";
    QTest::newRow("technology comma") << "ASPEED Technology, Inc."
                                      << "ASPEED";
    QTest::newRow("one word") << "VMware"
                              << "VMware";
    QTest::newRow("never empty") << "Systems"
                                 << "Systems";
    QTest::newRow("plain name") << "Cirrus Logic"
                                << "Cirrus Logic";
}

void TstProbeText::vendorShortName() {
    QFETCH(QString, vendor);
    QFETCH(QString, shortName);
    QCOMPARE(QString::fromStdString(pciVendorShortName(vendor.toStdString())), shortName);
}

void TstProbeText::adapterName_data() {
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("name");
    QTest::newRow("bracketed model") << "NVIDIA Corporation"
                                     << "GM204 [GeForce GTX 970]"
                                     << "NVIDIA GeForce GTX 970";
    QTest::newRow("AMD") << "Advanced Micro Devices, Inc. [AMD/ATI]"
                         << "Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]"
                         << "AMD Radeon RX 470/480/570/570X/580/580X/590";
    QTest::newRow("no bracket") << "Intel Corporation"
                                << "HD Graphics 620"
                                << "Intel HD Graphics 620";
    QTest::newRow("model names vendor") << "VMware"
                                        << "VMware SVGA II Adapter"
                                        << "VMware SVGA II Adapter";
    QTest::newRow("unknown device") << "NVIDIA Corporation"
                                    << ""
                                    << "NVIDIA Device 13c2";
    QTest::newRow("unknown vendor") << ""
                                    << ""
                                    << "Device 10de:13c2";
}

void TstProbeText::adapterName() {
    QFETCH(QString, vendor);
    QFETCH(QString, device);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(
                 pciAdapterName(vendor.toStdString(), device.toStdString(), 0x10de, 0x13c2)),
             name);
}

void TstProbeText::pciIdsLookup_data() {
    QTest::addColumn<int>("vendor");
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("vendorName");
    QTest::addColumn<QString>("deviceName");
    QTest::newRow("first vendor") << 0x0001 << 0x7801 << "SafeNet"
                                  << "Hypercom";
    QTest::newRow("device of a later vendor") << 0x10de << 0x13c2 << "NVIDIA Corporation"
                                              << "GM204 [GeForce GTX 970]";
    QTest::newRow("after subsystems and comments") << 0x10de << 0x1c8d << "NVIDIA Corporation"
                                                   << "GP107M [GeForce GTX 1050 Mobile]";
    QTest::newRow("id only as subsystem") << 0x10de << 0x3160 << "NVIDIA Corporation"
                                          << "";
    QTest::newRow("device of the next vendor") << 0x10de << 0x0412 << "NVIDIA Corporation"
                                               << "";
    QTest::newRow("vendor id inside a device line") << 0x13c2 << 0x0001 << ""
                                                    << "";
    QTest::newRow("last vendor, no final newline") << 0x8086 << 0x0412 << "Intel Corporation"
                                                   << "Xeon E3-1200 v3 Integrated Graphics";
    QTest::newRow("class list is not a vendor") << 0x0300 << 0x0000 << ""
                                                << "";
    QTest::newRow("unknown") << 0xffff << 0x0001 << ""
                             << "";
}

void TstProbeText::pciIdsLookup() {
    QFETCH(int, vendor);
    QFETCH(int, device);
    QFETCH(QString, vendorName);
    QFETCH(QString, deviceName);
    const std::string ids =
        "#\tList of PCI ID's\n"
        "\n"
        "0001  SafeNet\n"
        "\t7801  Hypercom\n"
        "10de  NVIDIA Corporation\n"
        "\t13c2  GM204 [GeForce GTX 970]\n"
        "\t\t10de 3160  GeForce GTX 970 OEM\n"
        "# a comment inside the vendor\n"
        "\t1c8d  GP107M [GeForce GTX 1050 Mobile]\r\n"
        "C 03  Display controller\n"
        "\t00  VGA compatible controller\n"
        "\t\t0300  not a vendor\n"
        "8086  Intel Corporation\n"
        "\t0412  Xeon E3-1200 v3 Integrated Graphics";
    const PciIdsNames names = lookupPciIds(ids, std::uint16_t(vendor), std::uint16_t(device));
    QCOMPARE(QString::fromStdString(names.vendor), vendorName);
    QCOMPARE(QString::fromStdString(names.device), deviceName);
}

// The direct lookup must name adapters exactly as libpci would from the
// same file: every twentieth device of the system's pci.ids.
void TstProbeText::pciIdsAgreesWithLibpci() {
    pci_access* access = pci_alloc();
    access->id_lookup_mode = PCI_LOOKUP_NO_HWDB;
    QString path = QString::fromLocal8Bit(access->id_file_name);
    if (path.endsWith(".gz") && !QFile::exists(path)) path.chop(3);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        pci_cleanup(access);
        QSKIP("no pci.ids on this machine");
    }
    const QByteArray bytes = file.readAll();
    QByteArray idsPath = path.toLocal8Bit();  // libpci keeps the pointer
    pci_set_name_list_path(access, idsPath.data(), 0);
    pci_init(access);

    const std::string text = bytes.toStdString();
    int vendor = -1;
    int compared = 0;
    int deviceLine = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.startsWith("C ")) break;  // the class list follows the vendors
        bool ok = false;
        if (line.size() > 6 && line[4] == ' ' && line[0] != '\t' && line[0] != '#') {
            vendor = line.left(4).toInt(&ok, 16);
            if (!ok) vendor = -1;
            continue;
        }
        if (vendor < 0 || !line.startsWith('\t') || line.startsWith("\t\t")) continue;
        if (++deviceLine % 20 != 1) continue;
        const int device = line.mid(1, 4).toInt(&ok, 16);
        if (!ok) continue;
        char vendorBuffer[512];
        char deviceBuffer[512];
        const char* libpciVendor =
            pci_lookup_name(access, vendorBuffer, sizeof vendorBuffer,
                            PCI_LOOKUP_VENDOR | PCI_LOOKUP_NO_NUMBERS, vendor);
        const char* libpciDevice =
            pci_lookup_name(access, deviceBuffer, sizeof deviceBuffer,
                            PCI_LOOKUP_DEVICE | PCI_LOOKUP_NO_NUMBERS, vendor, device);
        const PciIdsNames names = lookupPciIds(text, std::uint16_t(vendor), std::uint16_t(device));
        const QString where = QString::asprintf("%04x:%04x", vendor, device);
        QVERIFY2(libpciVendor != nullptr && libpciDevice != nullptr, qPrintable(where));
        QVERIFY2(names.vendor == libpciVendor, qPrintable(where));
        QVERIFY2(names.device == libpciDevice, qPrintable(where));
        ++compared;
    }
    pci_cleanup(access);
    QVERIFY(compared > 500);
}

void TstProbeText::pnpDeviceId_data() {
    QTest::addColumn<bool>("hasSubsystem");
    QTest::addColumn<bool>("hasRevision");
    QTest::addColumn<QString>("pnp");
    QTest::newRow("all") << true << true << "PCI\\VEN_10DE&DEV_13C2&SUBSYS_31601462&REV_A1";
    QTest::newRow("no revision") << true << false << "PCI\\VEN_10DE&DEV_13C2&SUBSYS_31601462";
    QTest::newRow("no subsystem") << false << true
                                  << "PCI\\VEN_10DE&DEV_13C2&SUBSYS_00000000&REV_A1";
    QTest::newRow("identity only") << false << false << "PCI\\VEN_10DE&DEV_13C2&SUBSYS_00000000";
}

void TstProbeText::pnpDeviceId() {
    QFETCH(bool, hasSubsystem);
    QFETCH(bool, hasRevision);
    QFETCH(QString, pnp);
    PciIdentity id;
    id.vendorId = 0x10de;
    id.deviceId = 0x13c2;
    id.hasSubsystem = hasSubsystem;
    id.subsystemVendorId = 0x1462;
    id.subsystemId = 0x3160;
    id.hasRevision = hasRevision;
    id.revision = 0xa1;
    QCOMPARE(QString::fromStdString(::pnpDeviceId(id)), pnp);
}

void TstProbeText::smbiosSizes_data() {
    QTest::addColumn<int>("sizeWord");
    QTest::addColumn<quint32>("extendedMiB");
    QTest::addColumn<int>("state");
    QTest::addColumn<quint64>("bytes");
    const int installed = int(SmbiosMemoryDevice::State::Installed);
    QTest::newRow("8 GiB in MiB") << 8192 << 0u << installed << (quint64(8) << 30);
    QTest::newRow("empty slot") << 0 << 0u << int(SmbiosMemoryDevice::State::EmptySlot)
                                << quint64(0);
    QTest::newRow("unknown") << 0xFFFF << 0u << int(SmbiosMemoryDevice::State::SizeUnknown)
                             << quint64(0);
    QTest::newRow("KB granularity") << (0x8000 | 512) << 0u << installed << quint64(512 * 1024);
    QTest::newRow("extended 64 GiB") << 0x7FFF << 65536u << installed << (quint64(64) << 30);
    QTest::newRow("extended ignores bit 31")
        << 0x7FFF << (0x80000000u | 32768u) << installed << (quint64(32) << 30);
}

void TstProbeText::smbiosSizes() {
    QFETCH(int, sizeWord);
    QFETCH(quint32, extendedMiB);
    QFETCH(int, state);
    QFETCH(quint64, bytes);
    const QByteArray table = SmbiosTableBuilder()
                                 .structure(0, 0x18, 0x0000, QByteArray(4, '\1'), {"Vendor", "1.0"})
                                 .structure(16, 0x17, 0x1000)
                                 .memoryDevice(0x1100, std::uint16_t(sizeWord), extendedMiB)
                                 .endOfTable()
                                 .memoryDevice(0x1101, 4096)  // after the end: not read
                                 .bytes();
    const SmbiosMemoryScan scan = smbiosMemoryDevices(table.toStdString());
    QVERIFY(!scan.truncated);
    QCOMPARE(scan.devices.size(), std::size_t(1));
    QCOMPARE(scan.devices[0].handle, std::uint16_t(0x1100));
    QCOMPARE(int(scan.devices[0].state), state);
    QCOMPARE(quint64(scan.devices[0].sizeBytes), bytes);
}

void TstProbeText::smbiosTruncatedTable() {
    const QByteArray table = SmbiosTableBuilder().memoryDevice(0x10, 8192).bytes();
    for (int cut : {3, 10, 0x28, int(table.size()) - 1}) {
        const SmbiosMemoryScan scan = smbiosMemoryDevices(table.left(cut).toStdString());
        QVERIFY2(scan.truncated || cut < 4, qPrintable(QString::number(cut)));
        // A structure whose strings are cut off still counts; one cut in its
        // formatted part does not.
        QCOMPARE(scan.devices.size(), std::size_t(cut >= 0x28 ? 1 : 0));
    }
    // A header that claims less than its own size stops the walk.
    QByteArray bad = SmbiosTableBuilder().memoryDevice(0x10, 8192).bytes();
    bad[1] = 2;
    QVERIFY(smbiosMemoryDevices(bad.toStdString()).truncated);
}

void TstProbeText::memoryBankLines() {
    MessageCapture capture;
    const std::vector<WmiObject> modules{
        {{"Capacity", WmiValue::ofText("8589934592")}},
        {{"Capacity", WmiValue::ofText("8589934592")}},
        {{"Capacity", WmiValue::ofText("not a number")}},
        {{"Speed", WmiValue::ofInt32(3200)}},
    };
    QCOMPARE(memoryGigabytesFrom(modules), 16.0);
    QCOMPARE(capture.linesStartingWith("[OrvoCheckLib] Memory bank"),
             QStringList({"[OrvoCheckLib] Memory bank \"8589934592\" Bytes",
                          "[OrvoCheckLib] Memory bank \"8589934592\" Bytes",
                          "[OrvoCheckLib] Memory bank \"not a number\" Bytes"}));
}

QTEST_GUILESS_MAIN(TstProbeText)
#include "tst_probe_text.moc"
