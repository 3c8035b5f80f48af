#pragma once

#include <cstdint>
#include <string>

// Names from the text of a pci.ids file, looked up without building the
// whole table: a probe needs two or three names, and parsing all of the
// file's tens of thousands of entries costs more than the rest of a probe
// pass. Empty when the file does not name the ID.
struct PciIdsNames {
    std::string vendor;
    std::string device;
};
PciIdsNames lookupPciIds(const std::string& pciIds, std::uint16_t vendorId, std::uint16_t deviceId);
