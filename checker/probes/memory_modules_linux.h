#pragma once

#include "probe_roots.h"
#include "wmi_source.h"

// The "memory" answer on Linux: one object per installed module with its
// "Capacity" from the SMBIOS table when it is readable (root only);
// otherwise one object for all online memory blocks; otherwise one for the
// installed size the kernel's MemTotal implies (rounded up to the sizes
// machines are sold with). Each fallback is announced in the result's
// messages.
WmiResult linuxMemoryModules(const ProbeRoots& roots);
