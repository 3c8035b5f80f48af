#include "probe_roots.h"

#include <cstdlib>

namespace {

void overrideFrom(const char* variable, std::string& root) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') root = value;
}

}  // namespace

ProbeRoots ProbeRoots::fromEnvironment() {
    ProbeRoots roots;
    overrideFrom("ORVOCHECK_SYSFS_ROOT", roots.sysfs);
    overrideFrom("ORVOCHECK_PROCFS_ROOT", roots.procfs);
    overrideFrom("ORVOCHECK_AMDGPU_IDS", roots.amdgpuIds);
    return roots;
}
