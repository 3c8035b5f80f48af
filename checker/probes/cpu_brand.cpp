#include <algorithm>
#include <sstream>

#include "cpu_probe.h"

std::string cpuBrandFromBytes(const std::array<unsigned char, kCpuBrandBytes>& bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), static_cast<unsigned char>(0));
    return std::string(bytes.begin(), end);
}

CpuIdentification identifyCpuWith(const CpuidFunction& cpuid) {
    CpuIdentification result;
    result.highestExtendedLeaf = cpuid(kCpuExtendedLeafBase, 0)[0];
    if (result.highestExtendedLeaf < kCpuLastBrandLeaf) return result;

    std::array<unsigned char, kCpuBrandBytes> bytes{};
    std::size_t at = 0;
    for (std::uint32_t leaf = kCpuExtendedLeafBase + 2; leaf <= kCpuLastBrandLeaf; ++leaf) {
        for (const std::uint32_t reg : cpuid(leaf, 0)) {
            for (int shift = 0; shift < 32; shift += 8) {
                bytes[at++] = static_cast<unsigned char>((reg >> shift) & 0xffu);
            }
        }
    }
    result.brand = cpuBrandFromBytes(bytes);
    return result;
}

std::string cpuModelNameFromCpuinfo(const std::string& cpuinfo) {
    std::istringstream lines(cpuinfo);
    std::string line;
    while (std::getline(lines, line)) {
        const auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string key = line.substr(0, colon);
        key.erase(key.find_last_not_of(" \t") + 1);
        if (key != "model name") continue;
        const auto valueStart = line.find_first_not_of(" \t", colon + 1);
        return valueStart == std::string::npos ? std::string() : line.substr(valueStart);
    }
    return std::string();
}
