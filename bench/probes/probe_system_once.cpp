// One probe pass in a fresh process, as the program does it, for the
// whole-process comparison in probe_system_vs_lspci.sh. Prints the time of
// probeSystem() itself in microseconds; the trace goes to standard error.
// With --without-headset-ports it runs the four component probes only, as
// the checks did before the headset connection was looked at.
#include <chrono>
#include <cstdio>
#include <cstring>

#include "orvochecklib.h"

namespace {

class ComponentProbesOnly : public OrvoCheckLib {
public:
    void probeComponents() {
        readCPU();
        readGPUs();
        readMemory();
        readOS();
    }
};

}  // namespace

int main(int argc, char** argv) {
    const bool withoutHeadset = argc > 1 && std::strcmp(argv[1], "--without-headset-ports") == 0;
    ComponentProbesOnly engine;
    const auto start = std::chrono::steady_clock::now();
    if (withoutHeadset)
        engine.probeComponents();
    else
        engine.probeSystem();
    const auto end = std::chrono::steady_clock::now();
    std::printf("%lld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(end - start).count()));
    return engine.getOSName().isEmpty() ? 1 : 0;
}
