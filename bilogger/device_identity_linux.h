#pragma once

#include <string>

#include "device_identity.h"

// Where the Linux back-end looks. The defaults are the live system;
// ORVOCHECK_SYSFS_ROOT and ORVOCHECK_PROCFS_ROOT replace the first two, so the
// same fixture tree that feeds the hardware probes also feeds the envelope.
struct LinuxIdentitySources {
    std::string sysfsRoot = "/sys";
    std::string procfsRoot = "/proc";
    std::string etcRoot = "/etc";
    std::string usrLibRoot = "/usr/lib";

    static LinuxIdentitySources fromEnvironment();
};

DeviceIdentity queryDeviceIdentityAt(const LinuxIdentitySources& sources, const std::string& appId);

// machine-id(5) must not be shown to others: what is sent is HMAC-SHA256 of it
// keyed with the application ID, its first 16 bytes written as a version 4
// UUID. Stable per machine and application; empty for an empty machine ID.
std::string appSpecificMachineId(const std::string& machineId, const std::string& appId);

// The NAME of an os-release file's text (shell-style quoting undone), or empty.
std::string osReleaseName(const std::string& osReleaseText);
