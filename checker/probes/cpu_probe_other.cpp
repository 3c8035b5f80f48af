#include "cpu_probe.h"
#include "sysfs_files.h"

// Without CPUID the kernel's processor table carries the marketing name.
CpuIdentification identifyCpu(const ProbeRoots& roots) {
    CpuIdentification result;
    std::string cpuinfo;
    if (readWholeFile(roots.procfs + "/cpuinfo", cpuinfo, kListFileLimit) == FileRead::Ok) {
        result.brand = cpuModelNameFromCpuinfo(cpuinfo).substr(0, kCpuBrandBytes);
    }
    return result;
}
