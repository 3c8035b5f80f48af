#pragma once

#include <string>
#include <vector>

#include "probe_roots.h"

// How the machine is powered right now: a laptop on battery, in battery
// saver or on a power-saving plan runs its graphics far below their speed.
// Plain C++, one back-end per platform (sysfs and ACPI's platform profile on
// Linux, GetSystemPowerStatus and the active power scheme on Windows).
// Blocking, stateless, safe on any thread.

enum class PowerSource { Unknown, Mains, Battery };

// What the chosen plan or platform profile does to speed.
enum class PowerPlan { Unknown, Performance, Balanced, Saving };

struct PowerState {
    bool readable = false;        // false when nothing about power could be read
    bool batteryPresent = false;  // a battery of the machine itself (not a mouse's)
    PowerSource source = PowerSource::Unknown;
    bool batterySaver = false;
    PowerPlan plan = PowerPlan::Unknown;
    std::string planName;            // as read: "low-power", "balanced"; a scheme's GUID on Windows
    std::vector<std::string> notes;  // what was read and what was not, for the trace
};

PowerState probePowerState(const ProbeRoots& roots);

// The plan a Linux platform profile stands for (ACPI platform_profile:
// "low-power", "cool", "quiet", "balanced", "balanced-performance",
// "performance"); Unknown for others ("custom").
PowerPlan powerPlanOfProfile(const std::string& profile);
