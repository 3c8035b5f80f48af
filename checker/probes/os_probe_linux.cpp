#include <sys/utsname.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "os_probe.h"

bool isOSVersionOrGreater(unsigned, unsigned, unsigned) {
    // No service packs here: any kernel we run on is recent enough.
    return true;
}

bool isMachine64Bit(const std::string& machine) {
    // Exact names: "armv8l" and "mips" are 32-bit kernels.
    static const std::array<const char*, 12> k64BitMachines = {
        "x86_64", "aarch64", "aarch64_be", "arm64",   "ppc64", "ppc64le",
        "s390x",  "riscv64", "mips64",     "sparc64", "ia64",  "loongarch64"};
    for (const char* name : k64BitMachines) {
        if (machine == name) return true;
    }
    return machine == "alpha";
}

bool is64BitWindows(std::string* warning) {
    utsname info{};
    if (uname(&info) != 0) {
        if (warning != nullptr)
            *warning = std::string("[OrvoCheckLib] uname() failed: ") + std::strerror(errno);
        return false;
    }
    return isMachine64Bit(info.machine);
}
