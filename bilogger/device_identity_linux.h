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

DeviceIdentity queryDeviceIdentityAt(const LinuxIdentitySources& sources);

// The NAME of an os-release file's text (shell-style quoting undone), or empty.
std::string osReleaseName(const std::string& osReleaseText);
