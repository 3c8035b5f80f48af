#pragma once

#include <string>
#include <vector>

#include "probe_roots.h"

// Whether the machine is a desktop or a laptop, which decides what can be
// done about a slow part: a desktop's graphics card can be replaced, a
// laptop's cannot, nor can that of an all-in-one, a mini PC and other cases
// without room for a card (FixedGraphics).
enum class ChassisKind { Unknown, Desktop, Laptop, FixedGraphics };

struct ChassisInfo {
    ChassisKind kind = ChassisKind::Unknown;
    std::vector<int> smbiosTypes;  // the enclosure's SMBIOS chassis types, as read
    bool batteryFound = false;     // a system battery, looked for when the types do not say
    std::vector<std::string> messages;  // debug lines: what was read, what was not
};

// The kind an SMBIOS chassis type stands for (SMBIOS 3.x, type 3 structure):
// towers and desktop cases are desktops; portables, notebooks, tablets and
// convertibles laptops; all-in-ones (13), sealed-case (24), IoT gateways
// (33), embedded (34), mini (35) and stick PCs (36) FixedGraphics; others
// ("Other", "Unknown", docking stations, blades) Unknown, as no answer
// would be sure there.
ChassisKind chassisKindOfSmbiosType(int type);

// The shared decision: the first type that says one of the kinds, else a
// system battery makes it a laptop, else Unknown.
void decideChassis(ChassisInfo& info);

// Reads the chassis types and, when they do not decide, looks for a system
// battery; the back-end is per platform (sysfs on Linux, WMI on Windows).
// Blocking; safe to call from any thread.
ChassisInfo probeChassis(const ProbeRoots& roots);
