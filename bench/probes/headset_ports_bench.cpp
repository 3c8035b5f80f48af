// The headset ports' probes (video outputs per adapter, USB host controllers,
// the power state) as one check runs them, on a large made-up sysfs tree
// laid out as the kernel does (three adapters with eight connectors each,
// four controllers with two root hubs each, eight ports on each SuperSpeed
// hub, a laptop's mains and battery) and on this machine's own /sys.
// Target: at most 2 ms added to a check.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "headset_ports.h"
#include "power_state.h"

namespace fs = std::filesystem;

namespace {

void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << "\n";
}

void link(const std::string& target, const fs::path& at) {
    fs::create_directories(at.parent_path());
    fs::create_directory_symlink(target, at);
}

fs::path g_treeRoot;  // removed when the benchmarks end

fs::path makeTree() {
    char name[] = "/tmp/orvo-headset-bench-XXXXXX";
    g_treeRoot = mkdtemp(name);
    const fs::path sys = g_treeRoot / "sys";
    const char* types[] = {"DP", "DP", "DP", "HDMI-A", "DVI-D", "eDP", "DP", "HDMI-A"};
    for (int card = 0; card < 3; ++card) {
        const std::string pci = "0000:0" + std::to_string(card + 1) + ":00.0";
        const std::string device = "pci0000:00/0000:00:01." + std::to_string(card) + "/" + pci;
        write(sys / "devices" / device / "vendor", "0x10de");
        write(sys / "devices" / device / "device", "0x1c03");
        const std::string cardName = "card" + std::to_string(card);
        const fs::path cardDir = sys / "devices" / device / "drm" / cardName;
        link("../../../" + pci, cardDir / "device");
        link("../../devices/" + device + "/drm/" + cardName, sys / "class/drm" / cardName);
        for (int c = 0; c < 8; ++c) {
            const std::string connector = cardName + "-" + types[c] + "-" + std::to_string(c + 1);
            write(cardDir / connector / "status", c == 0 ? "connected" : "disconnected");
            link("../../devices/" + device + "/drm/" + cardName + "/" + connector,
                 sys / "class/drm" / connector);
        }
    }
    for (int controller = 0; controller < 4; ++controller) {
        const std::string device = "pci0000:00/0000:00:14." + std::to_string(controller);
        write(sys / "devices" / device / "vendor", "0x8086");
        write(sys / "devices" / device / "device", "0xa36d");
        write(sys / "devices" / device / "class", "0x0c0330");
        for (int hub = 0; hub < 2; ++hub) {
            const std::string bus = "usb" + std::to_string(controller * 2 + hub + 1);
            write(sys / "devices" / device / bus / "speed", hub == 0 ? "480" : "10000");
            write(sys / "devices" / device / bus / "maxchild", "8");
            const std::string hubInterface = std::to_string(controller * 2 + hub + 1) + "-0:1.0";
            for (int port = 1; hub == 1 && port <= 8; ++port)
                write(sys / "devices" / device / bus / hubInterface /
                          (bus + "-port" + std::to_string(port)) / "connect_type",
                      port < 7 ? "hotplug" : "not used");
            link("../../../devices/" + device + "/" + bus, sys / "bus/usb/devices" / bus);
        }
    }
    write(sys / "class/power_supply/AC/type", "Mains");
    write(sys / "class/power_supply/AC/online", "1");
    write(sys / "class/power_supply/BAT0/type", "Battery");
    write(sys / "class/power_supply/BAT0/status", "Charging");
    write(sys / "firmware/acpi/platform_profile", "balanced");
    return sys;
}

void run(benchmark::State& state, const ProbeRoots& roots) {
    for (auto _ : state) {
        DisplayOutputsProbe display = probeDisplayOutputs(roots);
        UsbControllersProbe usb = probeUsbControllers(roots);
        PowerState power = probePowerState(roots);
        benchmark::DoNotOptimize(display);
        benchmark::DoNotOptimize(usb);
        benchmark::DoNotOptimize(power);
    }
}

void LargeMadeUpMachine(benchmark::State& state) {
    static const fs::path sys = makeTree();
    ProbeRoots roots;
    roots.sysfs = sys.string();
    run(state, roots);
    const auto adapters = probeDisplayOutputs(roots).adapters.size();
    state.counters["adapters"] = static_cast<double>(adapters);
}
BENCHMARK(LargeMadeUpMachine)->Unit(benchmark::kMicrosecond);

void ThisMachine(benchmark::State& state) { run(state, ProbeRoots::fromEnvironment()); }
BENCHMARK(ThisMachine)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!g_treeRoot.empty()) fs::remove_all(g_treeRoot);
    return 0;
}
