#pragma once

#include <string>
#include <vector>

#include "probe_roots.h"

// Whether the machine is a desktop or a laptop, which decides what can be
// done about a slow part: a desktop's graphics card can be replaced, a
// laptop's cannot.
enum class ChassisKind { Unknown, Desktop, Laptop };

struct ChassisInfo {
    ChassisKind kind = ChassisKind::Unknown;
    std::vector<int> smbiosTypes;  // the enclosure's SMBIOS chassis types, as read
    bool batteryFound = false;     // a system battery, looked for when the types do not say
    std::vector<std::string> messages;  // debug lines: what was read, what was not
};

// The kind an SMBIOS chassis type stands for (SMBIOS 3.x, type 3 structure):
// towers and desktop cases are desktops, portables, notebooks, tablets and
// convertibles laptops; others (all-in-one, mini PC, "Other", "Unknown")
// Unknown, as neither answer would be sure there.
ChassisKind chassisKindOfSmbiosType(int type);

// The shared decision: the first type that says desktop or laptop, else a
// system battery makes it a laptop, else Unknown.
void decideChassis(ChassisInfo& info);

// Reads the chassis types and, when they do not decide, looks for a system
// battery; the back-end is per platform (sysfs on Linux, WMI on Windows).
// Blocking; safe to call from any thread.
ChassisInfo probeChassis(const ProbeRoots& roots);
