#include "pci_display_linux.h"

#include "pci_ids.h"
#include "pci_names.h"
#include "sysfs_files.h"

extern "C" {
#include <pci/pci.h>
}


#include <algorithm>
#include <csetjmp>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <memory>
#include <tuple>
#include <utility>

namespace {

constexpr unsigned kDisplayBaseClass = 0x03;
constexpr std::uint16_t kAmdVendorId = 0x1002;

// libpci reports through process-wide callbacks without a user pointer, so
// the scan in progress on this thread is found through a thread-local.
struct LibpciSession {
    std::vector<WmiMessage>* messages = nullptr;
    std::jmp_buf* escape = nullptr;  // where a fatal libpci error lands
    int warnings = 0;
};
thread_local LibpciSession* t_session = nullptr;

void addNote(std::vector<WmiMessage>& messages, const std::string& text) {
    messages.push_back(WmiMessage{"[OrvoCheckLib] " + text, false, 0});
}

void recordLibpciMessage(const char* kind, const char* format, va_list args) {
    if (t_session == nullptr || t_session->messages == nullptr) return;
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    addNote(*t_session->messages, std::string("libpci ") + kind + ": " + text);
}

// libpci's default error handler ends the process; ours returns to the
// guarded call instead. No object with a destructor may be alive between
// the guard and this point.
// Declared with libpci's own attribute: clang counts it as part of the
// function type that the error hook expects.
PCI_NONRET void onLibpciError(char* format, ...) {
    {
        va_list args;
        va_start(args, format);
        recordLibpciMessage("error", format, args);
        va_end(args);
    }
    std::longjmp(*t_session->escape, 1);
}

void onLibpciWarning(char* format, ...) {
    va_list args;
    va_start(args, format);
    recordLibpciMessage("warning", format, args);
    va_end(args);
    if (t_session != nullptr) ++t_session->warnings;
}

void onLibpciDebug(char*, ...) {}

// Runs one libpci call that may raise a fatal error. Only trivially
// destructible objects live in this frame.
template <typename Call>
bool guarded(Call call) {
    std::jmp_buf escape;
    std::jmp_buf* outer = t_session->escape;
    t_session->escape = &escape;
    if (setjmp(escape) != 0) {
        t_session->escape = outer;
        return false;
    }
    call();
    t_session->escape = outer;
    return true;
}

struct SessionScope {
    explicit SessionScope(LibpciSession& session) : previous(t_session) { t_session = &session; }
    ~SessionScope() { t_session = previous; }
    SessionScope(const SessionScope&) = delete;
    SessionScope& operator=(const SessionScope&) = delete;
    LibpciSession* previous;
};

struct PciAccessDeleter {
    void operator()(pci_access* access) const { pci_cleanup(access); }
};
using PciAccess = std::unique_ptr<pci_access, PciAccessDeleter>;

std::string deviceAddress(const pci_dev* d) {
    char text[32];
    std::snprintf(text, sizeof text, "%04x:%02x:%02x.%d", d->domain, d->bus, d->dev, d->func);
    return text;
}

struct PciAddress {
    unsigned domain = 0, bus = 0, slot = 0;
    int function = 0;
    bool operator<(const PciAddress& o) const {
        return std::tie(domain, bus, slot, function) <
               std::tie(o.domain, o.bus, o.slot, o.function);
    }
};

// The functions named in the devices folder, in bus order. libpci's own
// scan gives up on the whole folder at the first entry it cannot parse (and
// leaves its folder handle behind), which would hide every adapter: here
// only that entry is skipped.
bool listAddresses(const std::string& devicesDir, std::vector<PciAddress>& addresses,
                   std::vector<WmiMessage>& messages) {
    std::vector<std::string> names;
    if (!listFolder(devicesDir, names)) {
        addNote(messages, "Cannot open " + devicesDir + "; no graphics adapters listed");
        return false;
    }
    for (const std::string& name : names) {
        PciAddress a;
        char rest = 0;
        if (std::sscanf(name.c_str(), "%x:%x:%x.%d%c", &a.domain, &a.bus, &a.slot, &a.function,
                        &rest) != 4 ||
            a.domain > 0x7fffffffu || a.bus > 0xffu || a.slot > 0x1fu || a.function < 0 ||
            a.function > 7) {
            addNote(messages,
                    "PCI entry " + name + " is not an address; skipped");
            continue;
        }
        addresses.push_back(a);
    }
    std::sort(addresses.begin(), addresses.end());
    return true;
}

struct PciDevDeleter {
    void operator()(pci_dev* d) const { pci_free_dev(d); }
};
using PciDev = std::unique_ptr<pci_dev, PciDevDeleter>;

std::string lookupName(pci_access* access, int flags, unsigned vendorId, unsigned deviceId) {
    char buffer[512];
    const char* name = nullptr;
    guarded([&] {
        name = pci_lookup_name(access, buffer, sizeof buffer, flags | PCI_LOOKUP_NO_NUMBERS,
                               vendorId, deviceId);
    });
    return name != nullptr ? std::string(name) : std::string();
}

// The names of the adapters, read once per scan from the pci.ids file libpci
// would use (a compressed or unreadable file is left to libpci itself) and,
// for AMD adapters, from libdrm's amdgpu.ids.
class AdapterNames {
public:
    AdapterNames(pci_access* access, std::string amdgpuIdsPath)
        : m_access(access), m_amdgpuIdsPath(std::move(amdgpuIdsPath)) {}

    PciIdsNames lookup(std::uint16_t vendorId, std::uint16_t deviceId,
                       std::vector<WmiMessage>& messages) {
        if (!m_tried) load(messages);
        if (m_loaded) return lookupPciIds(m_text, vendorId, deviceId);
        PciIdsNames names;
        names.vendor = lookupName(m_access, PCI_LOOKUP_VENDOR, vendorId, 0);
        if (!names.vendor.empty()) {
            names.device = lookupName(m_access, PCI_LOOKUP_DEVICE, vendorId, deviceId);
        }
        return names;
    }

    // The product amdgpu.ids names for the device and revision, else empty.
    std::string amdProduct(std::uint16_t deviceId, std::uint8_t revision,
                           std::vector<WmiMessage>& messages) {
        if (!m_amdTried) {
            m_amdTried = true;
            const FileRead read = readWholeFile(m_amdgpuIdsPath, m_amdgpuIds, kListFileLimit);
            if (read != FileRead::Ok) {
                addNote(messages, "AMD product list " + m_amdgpuIdsPath + " " +
                                      readFailure(read, kListFileLimit) +
                                      "; AMD adapters named by pci.ids");
                m_amdgpuIds.clear();
            }
        }
        char id[32];
        std::snprintf(id, sizeof id, "1002:%04x rev %02x", static_cast<unsigned>(deviceId),
                      static_cast<unsigned>(revision));
        const std::string product = lookupAmdgpuIds(m_amdgpuIds, deviceId, revision);
        if (product.empty() && !m_amdgpuIds.empty())
            addNote(messages,
                    std::string(id) + " is not one product in amdgpu.ids; named by pci.ids");
        return product;
    }

private:
    // libpci opens its compressed name ("pci.ids.gz") and, when that is
    // missing, the plain file beside it. A compressed file is left to libpci.
    void load(std::vector<WmiMessage>& messages) {
        m_tried = true;
        std::string path = m_access->id_file_name ? m_access->id_file_name : "";
        const std::string gz = ".gz";
        if (path.size() > gz.size() && path.compare(path.size() - gz.size(), gz.size(), gz) == 0) {
            if (std::FILE* compressed = std::fopen(path.c_str(), "rb")) {
                std::fclose(compressed);
                addNote(messages, "Names from " + path + " through libpci");
                return;
            }
            path.resize(path.size() - gz.size());
        }
        const FileRead read = readWholeFile(path, m_text, kListFileLimit);
        m_loaded = read == FileRead::Ok;
        if (!m_loaded) {
            addNote(messages, "Names file " + path + " " + readFailure(read, kListFileLimit) +
                                  "; adapters named by numbers");
        }
    }

    pci_access* m_access;
    bool m_tried = false;
    bool m_loaded = false;
    std::string m_text;
    std::string m_amdgpuIdsPath;
    bool m_amdTried = false;
    std::string m_amdgpuIds;
};

std::string driverVersion(pci_dev* d, const std::string& deviceDir,
                          std::vector<WmiMessage>& messages) {
    const char* driver = pci_get_string_property(d, PCI_FILL_DRIVER);
    if (driver == nullptr) {
        addNote(messages, deviceAddress(d) + " has no driver bound; no driver version");
        return std::string();
    }
    std::string version;
    if (!readTrimmedLine(deviceDir + "/driver/module/version", version)) {
        addNote(messages, deviceAddress(d) + " driver " + driver +
                              " has no module version; no driver version");
        return std::string();
    }
    return version;
}

std::int32_t adapterRam(const pci_dev* d, const std::string& deviceDir,
                        std::vector<WmiMessage>& messages) {
    std::uint64_t bytes = 0;
    if (!readUnsigned(deviceDir + "/mem_info_vram_total", bytes, 10)) {
        addNote(messages, deviceAddress(d) + " reports no VRAM size; AdapterRAM 0");
        return 0;
    }
    // The property is 32 bits wide: larger memories show as its largest value.
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    if (bytes > kMax) {
        addNote(messages, deviceAddress(d) + " VRAM of " + std::to_string(bytes) +
                              " bytes exceeds AdapterRAM; reported as 4294967295");
        bytes = kMax;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes));
}

WmiObject describeAdapter(AdapterNames& adapterNames, pci_dev* d, int index,
                          const std::string& sysfsPci, LibpciSession& session) {
    std::vector<WmiMessage>& messages = *session.messages;
    const std::string deviceDir = sysfsPci + "/devices/" + deviceAddress(d);

    PciIdentity identity;
    identity.vendorId = d->vendor_id;
    identity.deviceId = d->device_id;
    int known = 0;
    guarded([&] { known = pci_fill_info(d, PCI_FILL_SUBSYS | PCI_FILL_DRIVER); });
    if (known & PCI_FILL_SUBSYS) {
        identity.hasSubsystem = true;
        identity.subsystemVendorId = d->subsys_vendor_id;
        identity.subsystemId = d->subsys_id;
    } else {
        addNote(messages, deviceAddress(d) + " has no subsystem IDs");
    }
    // Without the revision attribute libpci falls back to config space; a
    // warning on the way means the byte it hands back is filler.
    session.warnings = 0;
    guarded([&] { known = pci_fill_info(d, PCI_FILL_CLASS_EXT); });
    if ((known & PCI_FILL_CLASS_EXT) && session.warnings == 0) {
        identity.hasRevision = true;
        identity.revision = d->rev_id;
    } else {
        addNote(messages, deviceAddress(d) + " has no readable revision");
    }

    const PciIdsNames names = adapterNames.lookup(d->vendor_id, d->device_id, messages);
    const std::string& vendorName = names.vendor;
    const std::string& deviceName = names.device;
    if (deviceName.empty()) addNote(messages, deviceAddress(d) + " is not named in pci.ids");
    // pci.ids lists every product of a chip ("Radeon RX 5300/5500M/5500 XT");
    // amdgpu.ids tells them apart by revision, as AMD's Windows driver does.
    std::string name = identity.hasRevision && d->vendor_id == kAmdVendorId
                           ? adapterNames.amdProduct(d->device_id, identity.revision, messages)
                           : std::string();
    if (name.empty()) name = pciAdapterName(vendorName, deviceName, d->vendor_id, d->device_id);

    return WmiObject{
        {"Name", WmiValue::ofText(name)},
        {"DeviceID", WmiValue::ofText("VideoController" + std::to_string(index))},
        {"PNPDeviceID", WmiValue::ofText(pnpDeviceId(identity))},
        {"DriverVersion", WmiValue::ofText(driverVersion(d, deviceDir, messages))},
        {"VideoProcessor", WmiValue::null()},
        {"VideoModeDescription", WmiValue::null()},
        {"AdapterDACType", WmiValue::null()},
        {"VideoArchitecture", WmiValue::null()},
        {"AdapterRAM", WmiValue::ofInt32(adapterRam(d, deviceDir, messages))},
    };
}

}  // namespace

WmiResult linuxDisplayControllers(const ProbeRoots& roots) {
    WmiResult result;
    const std::string sysfsPci = roots.sysfs + "/bus/pci";
    std::vector<PciAddress> addresses;
    if (!listAddresses(sysfsPci + "/devices", addresses, result.messages)) return result;

    LibpciSession session;
    session.messages = &result.messages;
    SessionScope scope(session);

    PciAccess access(pci_alloc());
    access->method = PCI_ACCESS_SYS_BUS_PCI;
    access->error = onLibpciError;
    access->warning = onLibpciWarning;
    access->debug = onLibpciDebug;
    // Names from pci.ids only: no udev database, no network, no cache file.
    access->id_lookup_mode = PCI_LOOKUP_NO_HWDB;
    pci_set_param(access.get(), const_cast<char*>("sysfs.path"),
                  const_cast<char*>(sysfsPci.c_str()));
    if (!guarded([&] { pci_init(access.get()); })) {
        addNote(result.messages,
                "libpci could not read " + sysfsPci + "; no graphics adapters listed");
        return result;
    }

    // Freed before the access object they belong to.
    std::vector<PciDev> displays;
    for (const PciAddress& a : addresses) {
        pci_dev* raw = nullptr;
        guarded([&] {
            raw = pci_get_dev(access.get(), static_cast<int>(a.domain), static_cast<int>(a.bus),
                              static_cast<int>(a.slot), a.function);
        });
        if (raw == nullptr) continue;
        PciDev d(raw);
        int known = 0;
        guarded([&] { known = pci_fill_info(raw, PCI_FILL_IDENT | PCI_FILL_CLASS); });
        if (!(known & PCI_FILL_IDENT)) continue;  // libpci's error is already noted
        // No function answers with vendor 0 or 0xffff: the entry is damaged
        // or the device is gone.
        if (raw->vendor_id == 0 || raw->vendor_id == 0xffff) {
            char vendor[8];
            std::snprintf(vendor, sizeof vendor, "%04x", static_cast<unsigned>(raw->vendor_id));
            addNote(result.messages,
                    deviceAddress(raw) + " reads vendor " + vendor + "; not a device, skipped");
            continue;
        }
        if ((known & PCI_FILL_CLASS) && (raw->device_class >> 8) == kDisplayBaseClass) {
            displays.push_back(std::move(d));
        }
    }

    AdapterNames adapterNames(access.get(), roots.amdgpuIds);
    int index = 0;
    for (const PciDev& d : displays) {
        result.objects.push_back(
            describeAdapter(adapterNames, d.get(), ++index, sysfsPci, session));
    }
    if (displays.empty()) addNote(result.messages, "No display controller under " + sysfsPci);
    result.status = WmiResult::Status::Enumerated;
    return result;
}
