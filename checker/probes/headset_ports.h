#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "probe_roots.h"

// Where a headset can be plugged in: the video outputs of every graphics
// adapter and the USB host controllers. Plain C++, one back-end per
// platform (headset_ports_linux.cpp reads sysfs, headset_ports_win.cpp asks
// the display configuration, DXGI and SetupAPI). Both calls block briefly,
// hold no state and may run on any thread.

// What a video output is, as far as a headset cares.
enum class OutputKind {
    Hdmi,
    DisplayPort,  // also USB-C with DisplayPort (alternate mode or tunnel)
    Dvi,
    Vga,
    Internal,  // the computer's own panel: eDP, LVDS, DSI, embedded DisplayPort
    Other      // TV outputs, virtual, wireless, unknown
};

enum class OutputConnection { Connected, Disconnected, Unknown };

struct DisplayOutput {
    std::string name;       // "HDMI-A-1", "DP-2" on Linux; "HDMI 4352" on Windows
    std::string connector;  // the system's type name: "HDMI-A", "eDP", "DISPLAYPORT_EXTERNAL"
    OutputKind kind = OutputKind::Other;
    OutputConnection connection = OutputConnection::Unknown;
};

// A PCI identity; known is false for adapters and controllers that are not
// PCI functions (a platform device, a software adapter).
struct PciId {
    bool known = false;
    std::uint16_t vendor = 0;
    std::uint16_t device = 0;
};

struct DisplayAdapterOutputs {
    std::string name;    // the system's name for the adapter; empty on Linux ("card1" is in source)
    std::string source;  // where it was read: "card1", or the adapter's LUID
    PciId pci;
    std::vector<DisplayOutput> outputs;  // may be empty: an adapter that drives no port
    // False when the driver keeps its outputs to itself (no modesetting), so
    // that an empty list says nothing about the ports.
    bool outputsTold = true;
};

struct DisplayOutputsProbe {
    // False when the system offers no output information at all (no DRM on
    // Linux, the display configuration refused on Windows).
    bool readable = false;
    std::vector<DisplayAdapterOutputs> adapters;
    std::vector<std::string> notes;  // every skipped or unreadable item, for the trace
};

// The programming interface of a USB host controller (PCI class 0x0c03).
enum class UsbInterface { Uhci, Ohci, Ehci, Xhci, Unknown };

struct UsbHostController {
    std::string source;  // "0000:00:14.0" on Linux; the device instance ID on Windows
    PciId pci;
    UsbInterface hostInterface = UsbInterface::Unknown;
    // The fastest root hub with ports, in Mbit/s (480 is USB 2.0, 5000 and
    // more SuperSpeed); 0 when no root hub told its speed. Windows has no
    // root hub speeds: it is then the interface's rate (xHCI counts 5000).
    unsigned speedMbps = 0;
    unsigned ports = 0;  // ports of the root hubs counted in speedMbps; 0 when unknown
    // SuperSpeed ports wired to something (not marked unused); -1 when the
    // system does not tell.
    int usableSuperSpeedPorts = -1;
    // The service that runs it on Windows ("USBXHCI" is Microsoft's own);
    // empty when unknown and on Linux, where xHCI has one driver.
    std::string driver;
};

struct UsbControllersProbe {
    bool readable = false;  // false when no USB information could be read at all
    std::vector<UsbHostController> controllers;
    std::vector<std::string> notes;
};

DisplayOutputsProbe probeDisplayOutputs(const ProbeRoots& roots);
UsbControllersProbe probeUsbControllers(const ProbeRoots& roots);

// Portable rules shared by the back-ends.

// The kind of a DRM connector type ("HDMI-A", "DP", "eDP", ...).
OutputKind outputKindOfDrmConnector(const std::string& type);
// The interface of a PCI class code (0x0c0330 is xHCI); Unknown for other classes.
UsbInterface usbInterfaceOfClass(std::uint32_t classCode);
// The nominal rate of an interface in Mbit/s; 0 for Unknown.
unsigned usbInterfaceMbps(UsbInterface hostInterface);
