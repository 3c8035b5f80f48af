#pragma once

#include <string>

// Operating-system facts the checker needs, in plain C++ so that each
// platform's back-end builds without the toolkit.

// True when the running system is at least the given version and service
// pack. Only Windows has versions worth checking; elsewhere the answer is
// always yes and the comparison file's OS lists decide.
bool isOSVersionOrGreater(unsigned major, unsigned minor, unsigned servicePackMajor);

// True when the operating system itself runs 64-bit code (not merely this
// process). Named after the Windows question it answers; on Linux it asks
// the kernel's machine name. A failure the caller should hear about is
// written to *warning when given.
bool is64BitWindows(std::string* warning = nullptr);

#ifdef __linux__
// Whether a kernel machine name (uname -m) is a 64-bit architecture.
bool isMachine64Bit(const std::string& machine);
#endif
