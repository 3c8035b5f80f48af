#pragma once

#include <string>

// What the record envelope says about the machine and the program. Every value
// is valid UTF-8 of at most kEnvelopeTextLimit bytes (fitEnvelopeText), and
// empty when it could not be read. One back-end per platform implements the
// two queries.

struct DeviceIdentity {
    std::string deviceSerial;    // per-machine unique product ID
    std::string osManufacturer;  // maker of the operating system
    std::string osVersion;       // version text of the operating system
};

// Reads the three machine values. Blocking file or system calls only; call it
// from the thread that runs the facade's init. appId keys a device ID that a
// back-end derives from a machine secret (Linux's machine-id), so that it is
// of no use to other programs; the Windows back-end does not need it.
DeviceIdentity queryDeviceIdentity(const std::string& appId);

// The running program's own version text, "major.minor.patch.build".
std::string programFileVersion();
