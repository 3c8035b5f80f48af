#include "fixture_tree.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray hexAttribute(std::uint32_t value, int digits) {
    return "0x" + QByteArray::number(value, 16).rightJustified(digits, '0') + "\n";
}

void putWord(QByteArray& bytes, int at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xff);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void putDword(QByteArray& bytes, int at, std::uint32_t value) {
    putWord(bytes, at, static_cast<std::uint16_t>(value & 0xffff));
    putWord(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

FixtureTree::FixtureTree() {
    QDir(m_dir.path()).mkpath(QStringLiteral("sys/bus/pci/devices"));
    QDir(m_dir.path()).mkpath(QStringLiteral("proc"));
}

void FixtureTree::writeFile(const QString& relativePath, const QByteArray& contents) {
    const QString path = m_dir.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(contents);
}

void FixtureTree::symlink(const QString& target, const QString& relativeLinkPath) {
    const QString link = m_dir.path() + QLatin1Char('/') + relativeLinkPath;
    QDir().mkpath(QFileInfo(link).path());
    QFile::remove(link);
    if (::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) !=
        0) {
        qWarning("symlink failed for %s", qPrintable(link));
    }
}

void FixtureTree::addPciFunction(const PciFunction& f) {
    const QString dir = QStringLiteral("sys/bus/pci/devices/") + f.address + QLatin1Char('/');
    writeFile(dir + "vendor", hexAttribute(f.vendor, 4));
    writeFile(dir + "device", hexAttribute(f.device, 4));
    writeFile(dir + "class", hexAttribute(f.classCode, 6));
    writeFile(dir + "irq", "0\n");
    if (f.withSubsystemFiles) {
        writeFile(dir + "subsystem_vendor", hexAttribute(f.subsystemVendor, 4));
        writeFile(dir + "subsystem_device", hexAttribute(f.subsystem, 4));
    }
    if (f.withRevisionFile) writeFile(dir + "revision", hexAttribute(f.revision, 2));
    if (!f.driver.isEmpty()) {
        const QString driverDir = QStringLiteral("sys/bus/pci/drivers/") + f.driver;
        writeFile(driverDir + "/bind", QByteArray());
        symlink(QStringLiteral("../../drivers/") + f.driver, dir + "driver");
        if (!f.moduleVersion.isEmpty()) {
            writeFile(QStringLiteral("sys/module/") + f.driver + "/version",
                      f.moduleVersion.toUtf8() + "\n");
            symlink(QStringLiteral("../../../../module/") + f.driver, driverDir + "/module");
        }
    }
    if (!f.vramTotal.isEmpty()) writeFile(dir + "mem_info_vram_total", f.vramTotal);
}

void FixtureTree::addConfigSpace(const PciFunction& f) {
    QByteArray config(256, '\0');
    putWord(config, 0x00, f.vendor);
    putWord(config, 0x02, f.device);
    config[0x08] = static_cast<char>(f.revision);
    config[0x09] = static_cast<char>(f.classCode & 0xff);
    config[0x0a] = static_cast<char>((f.classCode >> 8) & 0xff);
    config[0x0b] = static_cast<char>((f.classCode >> 16) & 0xff);
    config[0x0e] = 0;  // type-0 header
    putWord(config, 0x2c, f.subsystemVendor);
    putWord(config, 0x2e, f.subsystem);
    writeFile(QStringLiteral("sys/bus/pci/devices/") + f.address + "/config", config);
}

void FixtureTree::addPciFunctionAt(const PciFunction& f, const QString& devicePath) {
    QDir(m_dir.path()).mkpath(QStringLiteral("sys/devices/") + devicePath);
    symlink(QStringLiteral("../../../devices/") + devicePath,
            QStringLiteral("sys/bus/pci/devices/") + f.address);
    PciFunction withoutDriver = f;
    withoutDriver.driver.clear();
    addPciFunction(withoutDriver);
}

void FixtureTree::addDrmCard(int card, const QString& devicePath,
                             const QList<QPair<QString, QByteArray>>& connectors) {
    const QString name = QStringLiteral("card%1").arg(card);
    const QString cardDir = QStringLiteral("devices/") + devicePath + "/drm/" + name;
    writeFile("sys/" + cardDir + "/dev", QByteArray::number(226) + ":" + QByteArray::number(card));
    symlink("../../../" + devicePath.section(QLatin1Char('/'), -1), "sys/" + cardDir + "/device");
    symlink("../../" + cardDir, "sys/class/drm/" + name);
    for (const auto& connector : connectors) {
        const QString entry = name + "-" + connector.first;
        writeFile("sys/" + cardDir + "/" + entry + "/status", connector.second + "\n");
        symlink("../../" + cardDir + "/" + entry, "sys/class/drm/" + entry);
    }
}

void FixtureTree::addUsbRootHub(int bus, const QString& devicePath, const QByteArray& speed,
                                int ports, const QList<QByteArray>& connectTypes) {
    const QString hub = QStringLiteral("devices/") + devicePath + QStringLiteral("/usb%1").arg(bus);
    writeFile("sys/" + hub + "/speed", speed + "\n");
    writeFile("sys/" + hub + "/maxchild", QByteArray::number(ports) + "\n");
    for (int i = 0; i < connectTypes.size(); ++i)
        writeFile(QStringLiteral("sys/%1/%2-0:1.0/usb%2-port%3/connect_type")
                      .arg(hub)
                      .arg(bus)
                      .arg(i + 1),
                  connectTypes.at(i) + "\n");
    symlink("../../../" + hub, QStringLiteral("sys/bus/usb/devices/usb%1").arg(bus));
}

void FixtureTree::addMemoryBlocks(std::uint64_t blockSize, int online, int offline) {
    const QString dir = QStringLiteral("sys/devices/system/memory/");
    writeFile(dir + "block_size_bytes", QByteArray::number(qulonglong(blockSize), 16) + "\n");
    writeFile(dir + "auto_online_blocks", "online\n");
    writeFile(dir + "power/control", "auto\n");
    for (int i = 0; i < online + offline; ++i) {
        writeFile(dir + QStringLiteral("memory%1/state").arg(i * 3),
                  i < online ? "online\n" : "offline\n");
    }
}

void FixtureTree::writeMeminfo(const QByteArray& contents) {
    writeFile(QStringLiteral("proc/meminfo"), contents);
}

void FixtureTree::writeDmiTable(const QByteArray& table) {
    writeFile(QStringLiteral("sys/firmware/dmi/tables/DMI"), table);
}

SmbiosTableBuilder& SmbiosTableBuilder::structure(std::uint8_t type, std::uint8_t length,
                                                  std::uint16_t handle,
                                                  const QByteArray& formattedTail,
                                                  const QList<QByteArray>& strings) {
    QByteArray formatted(length, '\0');
    formatted[0] = static_cast<char>(type);
    formatted[1] = static_cast<char>(length);
    putWord(formatted, 2, handle);
    for (int i = 0; i < formattedTail.size() && 4 + i < length; ++i)
        formatted[4 + i] = formattedTail[i];
    m_bytes += formatted;
    for (const QByteArray& s : strings) m_bytes += s + '\0';
    if (strings.isEmpty()) m_bytes += '\0';
    m_bytes += '\0';
    return *this;
}

SmbiosTableBuilder& SmbiosTableBuilder::memoryDevice(std::uint16_t handle, std::uint16_t sizeWord,
                                                     std::uint32_t extendedSizeMiB) {
    QByteArray tail(0x28 - 4, '\0');
    putWord(tail, 0x0C - 4, sizeWord);
    tail[0x10 - 4] = 1;  // device locator: string 1
    tail[0x11 - 4] = 2;  // bank locator: string 2
    putDword(tail, 0x1C - 4, extendedSizeMiB);
    return structure(17, 0x28, handle, tail, {"DIMM A1", "BANK 0"});
}

SmbiosTableBuilder& SmbiosTableBuilder::endOfTable() { return structure(127, 4, 0xFEFF); }

namespace {

FixtureTree::PciFunction pciFunction(const QString& address, std::uint16_t vendor,
                                     std::uint16_t device, std::uint32_t classCode) {
    FixtureTree::PciFunction f;
    f.address = address;
    f.vendor = vendor;
    f.device = device;
    f.classCode = classCode;
    return f;
}

}  // namespace

// IDs from pci.ids; the ports as the boards have them (GTX 1060 Founders
// Edition: three DisplayPort, one HDMI, one DVI-D).
void addHeadsetMachine(FixtureTree& tree, HeadsetMachine machine) {
    const QString discrete = QStringLiteral("pci0000:00/0000:00:01.0/0000:01:00.0");
    const QString integrated = QStringLiteral("pci0000:00/0000:00:02.0");
    const QString xhci = QStringLiteral("pci0000:00/0000:00:14.0");
    switch (machine) {
        case HeadsetMachine::Desktop:
            tree.addPciFunctionAt(pciFunction("0000:01:00.0", 0x10de, 0x1c03, 0x030000), discrete);
            tree.addDrmCard(0, discrete,
                            {{"DP-1", "connected"},
                             {"DP-2", "disconnected"},
                             {"DP-3", "disconnected"},
                             {"HDMI-A-1", "disconnected"},
                             {"DVI-D-1", "disconnected"}});
            tree.addPciFunctionAt(pciFunction("0000:00:14.0", 0x8086, 0xa2af, 0x0c0330), xhci);
            tree.addUsbRootHub(1, xhci, "480", 14);
            tree.addUsbRootHub(2, xhci, "5000", 10);
            break;
        case HeadsetMachine::HybridLaptop:
            tree.addPciFunctionAt(pciFunction("0000:00:02.0", 0x8086, 0x3e9b, 0x030000),
                                  integrated);
            tree.addDrmCard(0, integrated, {{"eDP-1", "connected"}, {"HDMI-A-1", "disconnected"}});
            tree.addPciFunctionAt(pciFunction("0000:01:00.0", 0x10de, 0x1f10, 0x030000), discrete);
            tree.addDrmCard(1, discrete, {});
            tree.addPciFunctionAt(pciFunction("0000:00:14.0", 0x8086, 0xa36d, 0x0c0330), xhci);
            tree.addUsbRootHub(1, xhci, "480", 16);
            tree.addUsbRootHub(2, xhci, "10000", 8);
            break;
        case HeadsetMachine::Usb2Only: {
            const QString ehci = QStringLiteral("pci0000:00/0000:00:1d.0");
            tree.addPciFunctionAt(pciFunction("0000:00:1d.0", 0x8086, 0x1e26, 0x0c0320), ehci);
            tree.addUsbRootHub(1, ehci, "480", 3);
            break;
        }
        case HeadsetMachine::NothingKnown:
            break;
        case HeadsetMachine::AsmediaOnly:
        case HeadsetMachine::IntelAndAsmedia: {
            const QString card = QStringLiteral("pci0000:00/0000:00:1c.0/0000:03:00.0");
            tree.addPciFunctionAt(pciFunction("0000:03:00.0", 0x1b21, 0x1042, 0x0c0330), card);
            tree.addUsbRootHub(3, card, "480", 2);
            tree.addUsbRootHub(4, card, "5000", 2, {"hotplug", "hotplug"});
            const bool intel = machine == HeadsetMachine::IntelAndAsmedia;
            tree.addPciFunctionAt(pciFunction("0000:00:14.0", 0x8086, intel ? 0xa36d : 0x1e26,
                                              intel ? 0x0c0330 : 0x0c0320),
                                  xhci);
            tree.addUsbRootHub(1, xhci, "480", 14);
            if (intel) tree.addUsbRootHub(2, xhci, "10000", 2, {"hotplug", "hardwired"});
            break;
        }
        case HeadsetMachine::UnusedSuperSpeedPorts:
            tree.addPciFunctionAt(pciFunction("0000:00:14.0", 0x8086, 0xa36d, 0x0c0330), xhci);
            tree.addUsbRootHub(1, xhci, "480", 12);
            tree.addUsbRootHub(2, xhci, "10000", 2, {"not used", "not used"});
            break;
        case HeadsetMachine::NvidiaWithoutModesetting:
            tree.addPciFunctionAt(pciFunction("0000:00:02.0", 0x8086, 0x3e92, 0x030000),
                                  integrated);
            tree.addDrmCard(0, integrated, {{"HDMI-A-1", "connected"}, {"DP-1", "disconnected"}});
            tree.addPciFunctionAt(pciFunction("0000:01:00.0", 0x10de, 0x1c03, 0x030000), discrete);
            tree.addDrmCard(1, discrete, {});
            tree.writeFile("sys/bus/pci/drivers/nvidia/new_id", "");
            tree.symlink(tree.sysfsRoot() + "/bus/pci/drivers/nvidia",
                         "sys/devices/" + discrete + "/driver");
            tree.writeFile("sys/module/nvidia_drm/parameters/modeset", "N\n");
            break;
        case HeadsetMachine::LaptopOnBattery:
        case HeadsetMachine::LaptopOnMainsPerformance: {
            const bool mains = machine == HeadsetMachine::LaptopOnMainsPerformance;
            tree.writeFile("sys/class/power_supply/AC/type", "Mains\n");
            tree.writeFile("sys/class/power_supply/AC/online", mains ? "1\n" : "0\n");
            tree.writeFile("sys/class/power_supply/BAT0/type", "Battery\n");
            tree.writeFile("sys/class/power_supply/BAT0/status",
                           mains ? "Charging\n" : "Discharging\n");
            if (mains) tree.writeFile("sys/firmware/acpi/platform_profile", "performance\n");
            break;
        }
        case HeadsetMachine::DesktopMouseBattery:
            tree.writeFile("sys/class/power_supply/hidpp_battery_0/type", "Battery\n");
            tree.writeFile("sys/class/power_supply/hidpp_battery_0/scope", "Device\n");
            tree.writeFile("sys/class/power_supply/hidpp_battery_0/status", "Discharging\n");
            break;
        case HeadsetMachine::LaptopUsbCCharging:
            tree.writeFile("sys/class/power_supply/ucsi-source-psy-USBC000:001/type", "USB\n");
            tree.writeFile("sys/class/power_supply/ucsi-source-psy-USBC000:001/online", "1\n");
            tree.writeFile("sys/class/power_supply/BAT0/type", "Battery\n");
            tree.writeFile("sys/class/power_supply/BAT0/status", "Charging\n");
            break;
    }
}
