#pragma once

#include "fixture_tree.h"

// A machine with an integrated Intel adapter (8086:0412, first in bus order)
// and an NVIDIA add-in card (10DE:13C2), 16 GB of memory, the given firmware
// UUID and kernel release.
void buildTwoAdapterMachine(FixtureTree& tree, const char* productUuid, const char* kernelRelease);
