// Windows back-end of the power state: GetSystemPowerStatus (AC line,
// battery, battery saver) and the active power scheme.
#include <windows.h>
// powrprof.h needs windows.h first.
#include <powrprof.h>

#include <cstdio>
#include <memory>

#include "power_state.h"

namespace {

struct LocalFreer {
    void operator()(GUID* guid) const { LocalFree(guid); }
};

// The schemes Windows ships (winnt.h: GUID_MAX_POWER_SAVINGS, ...), and
// Ultimate Performance, which powercfg adds on workstations.
struct KnownScheme {
    GUID guid;
    PowerPlan plan;
};
const KnownScheme kSchemes[] = {
    {{0xa1841308, 0x3541, 0x4fab, {0xbc, 0x81, 0xf7, 0x15, 0x56, 0xf2, 0x0b, 0x4a}},
     PowerPlan::Saving},
    {{0x381b4222, 0xf694, 0x41f0, {0x96, 0x85, 0xff, 0x5b, 0xb2, 0x60, 0xdf, 0x2e}},
     PowerPlan::Balanced},
    {{0x8c5e7fda, 0xe8bf, 0x4a96, {0x9a, 0x85, 0xa6, 0xe2, 0x3a, 0x8c, 0x63, 0x5c}},
     PowerPlan::Performance},
    {{0xe9a42b02, 0xd5df, 0x448d, {0xaa, 0x00, 0x03, 0xf1, 0x47, 0x49, 0xeb, 0x61}},
     PowerPlan::Performance},
};

std::string guidText(const GUID& g) {
    char text[40];
    std::snprintf(text, sizeof text, "%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x",
                  static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                  g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

}  // namespace

PowerState probePowerState(const ProbeRoots&) {
    PowerState state;
    SYSTEM_POWER_STATUS status;
    if (GetSystemPowerStatus(&status)) {
        state.readable = true;
        // 128: no system battery; 255: unknown status.
        state.batteryPresent = status.BatteryFlag != 255 && (status.BatteryFlag & 128) == 0;
        if (status.ACLineStatus == 1)
            state.source = PowerSource::Mains;
        else if (status.ACLineStatus == 0)
            state.source = PowerSource::Battery;
        // SystemStatusFlag since Windows 10 (these headers still call it
        // Reserved1): 1 while battery saver is on.
        state.batterySaver = (status.Reserved1 & 1) != 0;
    } else {
        state.notes.push_back("GetSystemPowerStatus failed with error " +
                              std::to_string(GetLastError()));
    }
    GUID* raw = nullptr;
    const DWORD result = PowerGetActiveScheme(nullptr, &raw);
    const std::unique_ptr<GUID, LocalFreer> scheme(raw);
    if (result != ERROR_SUCCESS || !scheme) {
        state.notes.push_back("PowerGetActiveScheme failed with error " + std::to_string(result));
        return state;
    }
    state.readable = true;
    state.planName = guidText(*scheme);
    for (const KnownScheme& known : kSchemes)
        if (IsEqualGUID(known.guid, *scheme)) state.plan = known.plan;
    if (state.plan == PowerPlan::Unknown)
        state.notes.push_back("Power scheme " + state.planName + " is not one Windows ships");
    return state;
}
