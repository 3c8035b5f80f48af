#pragma once

#include <cstdint>
#include <string>

// Display texts for PCI functions, built from pci.ids names the way the
// video-controller query names adapters ("NVIDIA GeForce GTX 970").

// The vendor's everyday name: the bracketed short form when pci.ids gives
// one ("Advanced Micro Devices, Inc. [AMD/ATI]" gives "AMD"), otherwise the
// name without its legal-form and trade words ("NVIDIA Corporation" gives
// "NVIDIA").
std::string pciVendorShortName(const std::string& vendorName);

// The marketing model: the bracketed part of a device name when present
// ("GM204 [GeForce GTX 970]" gives "GeForce GTX 970"), otherwise the name.
std::string pciModelName(const std::string& deviceName);

// Vendor short name and model. A name pci.ids does not know is empty here
// and shows as numbers, as lspci does ("NVIDIA Device 13c2",
// "Device 10de:13c2").
std::string pciAdapterName(const std::string& vendorName, const std::string& deviceName,
                           std::uint16_t vendorId, std::uint16_t deviceId);

// PCI\VEN_vvvv&DEV_dddd&SUBSYS_ssssSSSS&REV_rr in upper-case hexadecimal,
// subsystem device before subsystem vendor. Unknown subsystem IDs read
// SUBSYS_00000000; an unknown revision is left out with its "&".
struct PciIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t deviceId = 0;
    bool hasSubsystem = false;
    std::uint16_t subsystemVendorId = 0;
    std::uint16_t subsystemId = 0;
    bool hasRevision = false;
    std::uint8_t revision = 0;
};
std::string pnpDeviceId(const PciIdentity& identity);
