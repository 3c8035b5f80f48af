// One probe pass in a fresh process, as the program does it, for the
// whole-process comparison in probe_system_vs_lspci.sh. Prints the time of
// probeSystem() itself in microseconds; the trace goes to standard error.
#include "orvochecklib.h"

#include <chrono>
#include <cstdio>

int main() {
    OrvoCheckLib engine;
    const auto start = std::chrono::steady_clock::now();
    engine.probeSystem();
    const auto end = std::chrono::steady_clock::now();
    std::printf("%lld\n", static_cast<long long>(
                              std::chrono::duration_cast<std::chrono::microseconds>(end - start)
                                  .count()));
    return engine.getOSName().isEmpty() ? 1 : 0;
}
