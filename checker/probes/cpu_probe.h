#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "probe_roots.h"

// The processor's marketing name. On x86 it comes from the CPUID brand leaves;
// elsewhere from the kernel's processor table.
struct CpuIdentification {
    std::uint32_t highestExtendedLeaf = 0;  // EAX of leaf 0x80000000; 0 off x86
    std::string brand;                      // at most 48 bytes; empty when unknown
};

constexpr std::uint32_t kCpuExtendedLeafBase = 0x80000000u;
constexpr std::uint32_t kCpuLastBrandLeaf = 0x80000004u;
constexpr std::size_t kCpuBrandBytes = 48;

// Registers of one CPUID call, in the order EAX, EBX, ECX, EDX.
using CpuidRegisters = std::array<std::uint32_t, 4>;
using CpuidFunction = std::function<CpuidRegisters(std::uint32_t leaf, std::uint32_t subLeaf)>;

// The brand bytes up to the first zero byte, or all of them when none is zero.
std::string cpuBrandFromBytes(const std::array<unsigned char, kCpuBrandBytes>& bytes);

// The identification run against any CPUID implementation: leaf 0x80000000,
// then, when the processor has them, the three brand leaves laid out
// register after register in little-endian byte order.
CpuIdentification identifyCpuWith(const CpuidFunction& cpuid);

// The first "model name" value of a /proc/cpuinfo text; empty when absent.
std::string cpuModelNameFromCpuinfo(const std::string& cpuinfo);

// The running processor. Not thread-affine; safe to call from any thread.
CpuIdentification identifyCpu(const ProbeRoots& roots);
