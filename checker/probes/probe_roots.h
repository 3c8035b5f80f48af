#pragma once

#include <string>

// Where the probes find the kernel's sysfs and procfs trees. The defaults are
// the live system; ORVOCHECK_SYSFS_ROOT and ORVOCHECK_PROCFS_ROOT point them at
// a captured or fixture tree, so that support and tests can replay a machine.
// ORVOCHECK_AMDGPU_IDS names another copy of libdrm's AMD product list.
struct ProbeRoots {
    std::string sysfs = "/sys";
    std::string procfs = "/proc";
    std::string amdgpuIds = "/usr/share/libdrm/amdgpu.ids";

    // The defaults with the environment's overrides applied (an empty
    // variable counts as unset). Reads the environment on every call.
    static ProbeRoots fromEnvironment();
};
