// CPUID through the compiler's intrinsic, which MSVC and mingw-w64 both offer.
#include <intrin.h>

#include "cpu_probe.h"

CpuIdentification identifyCpu(const ProbeRoots&) {
    return identifyCpuWith([](std::uint32_t leaf, std::uint32_t subLeaf) {
        int registers[4] = {0, 0, 0, 0};
        __cpuidex(registers, static_cast<int>(leaf), static_cast<int>(subLeaf));
        CpuidRegisters regs{};
        for (int i = 0; i < 4; ++i) regs[i] = static_cast<std::uint32_t>(registers[i]);
        return regs;
    });
}
