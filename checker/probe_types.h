#pragma once

#include <QString>

#include <cstdint>
#include <string>

// What the processor identification found. Filled on first use; an empty
// brand means the identification runs again next time.
struct CpuIdInfo {
    std::uint32_t highestExtendedLeaf = 0;
    std::string brand;  // at most 48 bytes
};

// One graphics adapter as the video-controller query reports it.
struct GpuInfo {
    QString name;
    QString deviceId;
    QString pnpDeviceId;
    QString vendorId;
    QString pciDeviceId;
    QString driverVersion;
    QString videoProcessor;
    QString videoModeDescription;
    QString adapterDacType;
    QString videoArchitecture;
    double adapterRamMB = 0.0;
};
