#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdint>

// A throw-away sysfs/procfs pair in a temporary directory, laid out as the
// kernel does, for running the real probes on made-up machines.
class FixtureTree {
public:
    FixtureTree();

    bool isValid() const { return m_dir.isValid(); }
    QString sysfsRoot() const { return m_dir.path() + QStringLiteral("/sys"); }
    QString procfsRoot() const { return m_dir.path() + QStringLiteral("/proc"); }

    // Writes (or replaces) a file below the tree, creating its folders.
    void writeFile(const QString& relativePath, const QByteArray& contents);
    void symlink(const QString& target, const QString& relativeLinkPath);

    // A PCI function under sys/bus/pci/devices with the identity attribute
    // files; class is the 24-bit class code.
    struct PciFunction {
        QString address;  // "0000:01:00.0"
        std::uint16_t vendor = 0;
        std::uint16_t device = 0;
        std::uint32_t classCode = 0;
        bool withSubsystemFiles = true;
        std::uint16_t subsystemVendor = 0;
        std::uint16_t subsystem = 0;
        bool withRevisionFile = true;
        std::uint8_t revision = 0;
        QString driver;         // bound driver, none when empty
        QString moduleVersion;  // version of the driver's module, none when empty
        QByteArray vramTotal;   // contents of mem_info_vram_total, none when empty
    };
    void addPciFunction(const PciFunction& function);
    // A 256-byte configuration space with the identity, class, revision and
    // subsystem of a type-0 header.
    void addConfigSpace(const PciFunction& function);

    // The function in its real folder, sys/devices/<devicePath> (like
    // "pci0000:00/0000:00:01.0/0000:01:00.0"), linked from sys/bus/pci/devices
    // as the kernel does. Without a driver link.
    void addPciFunctionAt(const PciFunction& function, const QString& devicePath);
    // DRM card N of the PCI device at devicePath, with its connectors
    // ("HDMI-A-1") and the contents of their status files.
    void addDrmCard(int card, const QString& devicePath,
                    const QList<QPair<QString, QByteArray>>& connectors);
    // Root hub usbN inside its controller's folder, with speed and maxchild,
    // and a port folder usbN-portM for each connect_type given.
    void addUsbRootHub(int bus, const QString& devicePath, const QByteArray& speed, int ports,
                       const QList<QByteArray>& connectTypes = {});

    // Online and offline memory blocks of the given size.
    void addMemoryBlocks(std::uint64_t blockSize, int online, int offline);
    void writeMeminfo(const QByteArray& contents);
    void writeDmiTable(const QByteArray& table);

private:
    QTemporaryDir m_dir;
};

// Machines for the headset connection, shared with the report's tests:
// a desktop whose GTX 1060 has DisplayPort and HDMI and a 5 Gbit/s root hub;
// a laptop whose HDMI and eDP belong to the Intel UHD 630 while its RTX 2070
// drives no port (and USB at 10 Gbit/s); a machine with only a 480 Mbit/s
// root hub; a machine without DRM and USB information. Then: SuperSpeed only
// from an ASMedia ASM1042 card; Intel and ASMedia side by side; an Intel
// controller whose SuperSpeed ports are all unused; a desktop whose GTX 1060
// runs nvidia without modesetting beside Intel graphics with HDMI; a laptop
// on battery; the same on mains with the performance profile; a desktop
// whose only battery is a mouse's; a laptop charging over USB-C, which lists
// no mains.
enum class HeadsetMachine {
    Desktop,
    HybridLaptop,
    Usb2Only,
    NothingKnown,
    AsmediaOnly,
    IntelAndAsmedia,
    UnusedSuperSpeedPorts,
    NvidiaWithoutModesetting,
    LaptopOnBattery,
    LaptopOnMainsPerformance,
    DesktopMouseBattery,
    LaptopUsbCCharging
};
void addHeadsetMachine(FixtureTree& tree, HeadsetMachine machine);

// Builds raw SMBIOS structure tables.
class SmbiosTableBuilder {
public:
    // A structure of the given type and formatted length (header included),
    // with its formatted bytes after the header zero and the given strings.
    SmbiosTableBuilder& structure(std::uint8_t type, std::uint8_t length, std::uint16_t handle,
                                  const QByteArray& formattedTail = QByteArray(),
                                  const QList<QByteArray>& strings = {});
    // A memory device of SMBIOS 2.8 (0x28 bytes) with the size word and the
    // extended size; two strings like a real one.
    SmbiosTableBuilder& memoryDevice(std::uint16_t handle, std::uint16_t sizeWord,
                                     std::uint32_t extendedSizeMiB = 0);
    SmbiosTableBuilder& endOfTable();
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Points the probes at a tree for the lifetime of the object.
class RootsOverride {
public:
    explicit RootsOverride(const FixtureTree& tree) {
        qputenv("ORVOCHECK_SYSFS_ROOT", tree.sysfsRoot().toUtf8());
        qputenv("ORVOCHECK_PROCFS_ROOT", tree.procfsRoot().toUtf8());
    }
    ~RootsOverride() {
        qunsetenv("ORVOCHECK_SYSFS_ROOT");
        qunsetenv("ORVOCHECK_PROCFS_ROOT");
    }
};
