#include <cpuid.h>

#include "cpu_probe.h"

CpuIdentification identifyCpu(const ProbeRoots&) {
    return identifyCpuWith([](std::uint32_t leaf, std::uint32_t subLeaf) {
        CpuidRegisters regs{};
        __cpuid_count(leaf, subLeaf, regs[0], regs[1], regs[2], regs[3]);
        return regs;
    });
}
