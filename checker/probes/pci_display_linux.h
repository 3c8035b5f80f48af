#pragma once

#include "probe_roots.h"
#include "wmi_source.h"

// The "gpu" answer on Linux: every PCI function of base class 0x03 (VGA,
// XGA, 3D and other display controllers) in bus order, read through libpci
// from <sysfs>/bus/pci. Names come from the system's pci.ids. Only sysfs
// attribute files are read (config space only where an attribute is
// missing); device nodes are never opened, so a sleeping GPU stays asleep.
WmiResult linuxDisplayControllers(const ProbeRoots& roots);
