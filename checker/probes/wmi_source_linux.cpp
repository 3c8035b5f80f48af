#include "memory_modules_linux.h"
#include "pci_display_linux.h"
#include "wmi_source.h"

WmiResult runWmiQuery(const std::string&, const std::string& kind, const ProbeRoots& roots) {
    if (kind == "gpu") return linuxDisplayControllers(roots);
    if (kind == "memory") return linuxMemoryModules(roots);
    WmiResult none;
    none.status = WmiResult::Status::Enumerated;
    none.messages.push_back(
        WmiMessage{"[OrvoCheckLib] No inventory source for kind " + kind, false, 0});
    return none;
}

bool adapterNamesFromDriver() { return false; }
