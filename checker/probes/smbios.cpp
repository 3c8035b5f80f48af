#include "smbios.h"

#include <cstring>

namespace {

constexpr unsigned char kTypeMemoryDevice = 17;
constexpr unsigned char kTypeEndOfTable = 127;
constexpr std::size_t kHeaderLength = 4;
constexpr std::size_t kSizeOffset = 0x0C;
constexpr std::size_t kExtendedSizeOffset = 0x1C;

std::uint16_t word(const std::string& t, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(t[at]) |
                                      (static_cast<unsigned char>(t[at + 1]) << 8));
}

std::uint32_t dword(const std::string& t, std::size_t at) {
    return static_cast<std::uint32_t>(word(t, at)) |
           (static_cast<std::uint32_t>(word(t, at + 2)) << 16);
}

SmbiosMemoryDevice decodeMemoryDevice(const std::string& t, std::size_t at, std::size_t length) {
    SmbiosMemoryDevice device;
    device.handle = word(t, at + 2);
    if (length < kSizeOffset + 2) return device;  // too old to carry a size

    const std::uint16_t size = word(t, at + kSizeOffset);
    if (size == 0) {
        device.state = SmbiosMemoryDevice::State::EmptySlot;
    } else if (size == 0xFFFF) {
        device.state = SmbiosMemoryDevice::State::SizeUnknown;
    } else if (size == 0x7FFF) {
        // 32 GiB or more: the size in MiB moved to the extended field.
        if (length >= kExtendedSizeOffset + 4) {
            const std::uint32_t mib = dword(t, at + kExtendedSizeOffset) & 0x7FFFFFFFu;
            device.state = mib == 0 ? SmbiosMemoryDevice::State::SizeUnknown
                                    : SmbiosMemoryDevice::State::Installed;
            device.sizeBytes = static_cast<std::uint64_t>(mib) << 20;
        }
    } else if (size & 0x8000) {
        device.state = SmbiosMemoryDevice::State::Installed;
        device.sizeBytes = static_cast<std::uint64_t>(size & 0x7FFF) << 10;
    } else {
        device.state = SmbiosMemoryDevice::State::Installed;
        device.sizeBytes = static_cast<std::uint64_t>(size) << 20;
    }
    return device;
}

}  // namespace

SmbiosMemoryScan smbiosMemoryDevices(const std::string& table) {
    SmbiosMemoryScan scan;
    std::size_t at = 0;
    while (at + kHeaderLength <= table.size()) {
        const auto type = static_cast<unsigned char>(table[at]);
        const auto length = static_cast<unsigned char>(table[at + 1]);
        if (length < kHeaderLength || at + length > table.size()) {
            scan.truncated = true;
            return scan;
        }
        if (type == kTypeMemoryDevice)
            scan.devices.push_back(decodeMemoryDevice(table, at, length));
        if (type == kTypeEndOfTable) return scan;

        // The formatted part is followed by its strings, ended by two zero bytes.
        const std::size_t strings = at + length;
        const std::string::size_type end = table.find(std::string("\0\0", 2), strings);
        if (end == std::string::npos) {
            scan.truncated = true;
            return scan;
        }
        at = end + 2;
    }
    return scan;
}
