#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Memory devices (structure type 17) of a raw SMBIOS structure table, as the
// kernel exposes it in /sys/firmware/dmi/tables/DMI.
struct SmbiosMemoryDevice {
    enum class State { Installed, EmptySlot, SizeUnknown };
    std::uint16_t handle = 0;
    State state = State::SizeUnknown;
    std::uint64_t sizeBytes = 0;  // only for Installed
};

struct SmbiosMemoryScan {
    std::vector<SmbiosMemoryDevice> devices;
    bool truncated = false;  // the table ended inside a structure
};

// Walks every structure up to the end-of-table marker or the end of the
// bytes. Handles the size word's kilobyte granularity and the extended-size
// field of large modules. Never reads past the given bytes.
SmbiosMemoryScan smbiosMemoryDevices(const std::string& table);
