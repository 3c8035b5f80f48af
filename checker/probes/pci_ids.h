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

// The product libdrm's amdgpu.ids names for an AMD device and revision
// ("AMD Radeon RX 5500 XT"), the name AMD's Windows driver gives it; empty
// when the file names no product, or several, for the pair. Lines read
// "dddd,\trr,\tProduct" in hexadecimal.
std::string lookupAmdgpuIds(const std::string& amdgpuIds, std::uint16_t deviceId,
                            std::uint8_t revision);
