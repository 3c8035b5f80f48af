// Linux back-end of the headset ports: DRM connectors and USB root hubs in
// sysfs. Only attribute files are read; no device node is opened.
#include <limits.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

#include "headset_ports.h"
#include "sysfs_files.h"

namespace {

// The digits after prefix up to the end (or up to a '-' when stopAtDash).
bool numberAfter(const std::string& name, const std::string& prefix, bool stopAtDash,
                 unsigned& number, std::size_t& end) {
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    end = prefix.size();
    while (end < name.size() && name[end] >= '0' && name[end] <= '9') ++end;
    if (end == prefix.size() || end - prefix.size() > 6) return false;
    if (end != name.size() && !(stopAtDash && name[end] == '-')) return false;
    number = static_cast<unsigned>(std::strtoul(name.c_str() + prefix.size(), nullptr, 10));
    return true;
}

PciId pciIdOf(const std::string& deviceDir) {
    PciId id;
    std::uint64_t vendor = 0, device = 0;
    if (readUnsigned(deviceDir + "/vendor", vendor, 16) &&
        readUnsigned(deviceDir + "/device", device, 16) && vendor <= 0xffff && device <= 0xffff) {
        id.known = true;
        id.vendor = static_cast<std::uint16_t>(vendor);
        id.device = static_cast<std::uint16_t>(device);
    }
    return id;
}

OutputConnection connectionOf(const std::string& connectorDir) {
    std::string status;
    if (!readTrimmedLine(connectorDir + "/status", status)) return OutputConnection::Unknown;
    if (status == "connected") return OutputConnection::Connected;
    if (status == "disconnected") return OutputConnection::Disconnected;
    return OutputConnection::Unknown;
}

std::string realFolder(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : std::string();
}

std::string baseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The driver bound to a device folder ("nvidia", "xhci_hcd"), else empty.
std::string boundDriver(const std::string& deviceDir) {
    const std::string driver = realFolder(deviceDir + "/driver");
    return driver.empty() ? driver : baseName(driver);
}

// NVIDIA's own driver lists connectors only with kernel modesetting
// (nvidia_drm modeset=Y); without it a card shows none, whatever its ports.
bool hidesOutputs(const std::string& sysfs, const std::string& driver) {
    if (driver != "nvidia") return false;
    std::string modeset;
    return !readTrimmedLine(sysfs + "/module/nvidia_drm/parameters/modeset", modeset) ||
           modeset != "Y";
}

// SuperSpeed ports of a root hub that are wired to something; -1 when its
// port folders tell nothing. Ports marked "not used" are on the chip only.
int usablePorts(const std::string& hub, const std::string& hubName, unsigned bus,
                std::vector<std::string>& notes) {
    const std::string hubInterface = hub + "/" + std::to_string(bus) + "-0:1.0";
    std::vector<std::string> names;
    if (!listFolder(hubInterface, names)) return -1;
    int found = 0, usable = 0;
    for (const std::string& name : names) {
        if (name.compare(0, hubName.size() + 5, hubName + "-port") != 0) continue;
        ++found;
        std::string type;
        if (readTrimmedLine(hubInterface + "/" + name + "/connect_type", type) &&
            type == "not used") {
            notes.push_back("Port " + name + " is not used; not counted");
            continue;
        }
        ++usable;
    }
    return found == 0 ? -1 : usable;
}

}  // namespace

DisplayOutputsProbe probeDisplayOutputs(const ProbeRoots& roots) {
    DisplayOutputsProbe probe;
    const std::string drm = roots.sysfs + "/class/drm";
    std::vector<std::string> names;
    if (!listFolder(drm, names)) {
        probe.notes.push_back("No " + drm + "; no video output information");
        return probe;
    }
    probe.readable = true;
    // cardN is an adapter, cardN-<TYPE>-<n> one of its connectors; render
    // nodes and the rest are not outputs.
    std::map<unsigned, DisplayAdapterOutputs> cards;
    std::vector<std::pair<unsigned, std::string>> connectors;
    for (const std::string& name : names) {
        unsigned card = 0;
        std::size_t end = 0;
        if (!numberAfter(name, "card", true, card, end)) continue;
        if (end == name.size()) {
            DisplayAdapterOutputs& adapter = cards[card];
            adapter.source = name;
            adapter.pci = pciIdOf(drm + "/" + name + "/device");
            if (!adapter.pci.known) probe.notes.push_back(name + " is not a PCI device");
        } else {
            connectors.emplace_back(card, name);
        }
    }
    for (const auto& entry : connectors) {
        const std::string& name = entry.second;
        const std::string rest = name.substr(name.find('-') + 1);  // "HDMI-A-1"
        const auto lastDash = rest.rfind('-');
        const auto card = cards.find(entry.first);
        if (lastDash == std::string::npos || lastDash == 0 || card == cards.end()) {
            probe.notes.push_back("DRM entry " + name + " is not a connector of a card; skipped");
            continue;
        }
        DisplayOutput output;
        output.name = rest;
        output.connector = rest.substr(0, lastDash);
        if (output.connector == "Writeback") {
            probe.notes.push_back(name + " is a writeback connector; skipped");
            continue;
        }
        output.kind = outputKindOfDrmConnector(output.connector);
        output.connection = connectionOf(drm + "/" + name);
        if (output.connection == OutputConnection::Unknown)
            probe.notes.push_back(name + " tells no connection state");
        card->second.outputs.push_back(output);
    }
    for (auto& card : cards) {
        DisplayAdapterOutputs& adapter = card.second;
        if (adapter.outputs.empty() &&
            hidesOutputs(roots.sysfs, boundDriver(drm + "/" + adapter.source + "/device"))) {
            adapter.outputsTold = false;
            probe.notes.push_back(adapter.source +
                                  " runs nvidia without modesetting; its outputs are not listed");
        }
        probe.adapters.push_back(std::move(adapter));
    }
    if (probe.adapters.empty()) probe.notes.push_back("No DRM card under " + drm);
    return probe;
}

UsbControllersProbe probeUsbControllers(const ProbeRoots& roots) {
    UsbControllersProbe probe;
    const std::string devices = roots.sysfs + "/bus/usb/devices";
    std::vector<std::string> names;
    if (!listFolder(devices, names)) {
        probe.notes.push_back("No " + devices + "; no USB information");
        return probe;
    }
    probe.readable = true;
    // Each root hub usbN sits in its controller's folder; an xHCI controller
    // has two, one for USB 2.0 and one for SuperSpeed ports.
    std::map<std::string, UsbHostController> controllers;
    std::map<std::string, bool> speedUnread;
    for (const std::string& name : names) {
        unsigned bus = 0;
        std::size_t end = 0;
        if (!numberAfter(name, "usb", false, bus, end)) continue;
        const std::string hub = devices + "/" + name;
        const std::string hubFolder = realFolder(hub);
        if (hubFolder.empty()) {
            probe.notes.push_back("Root hub " + name + " cannot be resolved; skipped");
            continue;
        }
        const std::string controllerDir = hubFolder.substr(0, hubFolder.find_last_of('/'));
        UsbHostController& controller = controllers[controllerDir];
        if (controller.source.empty()) {
            controller.source = baseName(controllerDir);
            controller.pci = pciIdOf(controllerDir);
            std::uint64_t classCode = 0;
            if (readUnsigned(controllerDir + "/class", classCode, 16))
                controller.hostInterface =
                    usbInterfaceOfClass(static_cast<std::uint32_t>(classCode));
            if (controller.hostInterface == UsbInterface::Unknown)
                probe.notes.push_back("USB controller " + controller.source +
                                      " has no USB host class code");
        }
        std::uint64_t ports = 0;
        if (readUnsigned(hub + "/maxchild", ports, 10) && ports == 0) {
            probe.notes.push_back("Root hub " + name + " has no ports; not counted");
            continue;
        }
        std::string speedText;
        const double speed =
            readTrimmedLine(hub + "/speed", speedText) ? std::atof(speedText.c_str()) : 0.0;
        if (speed < 1.0 || speed > 1e6) {
            probe.notes.push_back("Root hub " + name + " tells no speed");
            speedUnread[controllerDir] = true;
            continue;
        }
        const unsigned mbps = static_cast<unsigned>(speed);
        const int usable = mbps >= 5000 ? usablePorts(hub, name, bus, probe.notes) : -1;
        if (usable >= 0)
            controller.usableSuperSpeedPorts =
                std::max(controller.usableSuperSpeedPorts, 0) + usable;
        if (mbps > controller.speedMbps) {
            controller.speedMbps = mbps;
            controller.ports = static_cast<unsigned>(ports);
        }
    }
    for (auto& entry : controllers) {
        UsbHostController& controller = entry.second;
        if (controller.speedMbps == 0 && speedUnread[entry.first] &&
            controller.hostInterface != UsbInterface::Unknown) {
            controller.speedMbps = usbInterfaceMbps(controller.hostInterface);
            probe.notes.push_back("USB controller " + controller.source +
                                  " counted at its interface's rate");
        }
        probe.controllers.push_back(std::move(controller));
    }
    if (probe.controllers.empty()) probe.notes.push_back("No USB root hub under " + devices);
    return probe;
}
