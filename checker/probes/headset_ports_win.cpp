// Windows back-end of the headset ports: the display configuration's
// targets per adapter (named and identified through DXGI) and the USB host
// controllers SetupAPI lists.
#include <dxgi.h>
#include <setupapi.h>
#include <windows.h>
#include <wrl/client.h>
// usbioctl.h needs windows.h first.
#include <usbioctl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "headset_ports.h"
#include "utf16_win.h"

using Microsoft::WRL::ComPtr;

namespace {

// USB-C with DisplayPort tunnelled over USB4/Thunderbolt; newer than the
// headers of the cross compiler.
constexpr int kDisplayPortUsbTunnel = 18;

// GUID_DEVINTERFACE_USB_HOST_CONTROLLER of usbiodef.h.
const GUID kUsbHostControllerInterface = {
    0x3abf6f2d, 0x71c4, 0x462a, {0x8a, 0x92, 0x1e, 0x68, 0x61, 0xe6, 0xaf, 0x27}};

std::string hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08lx", value);
    return text;
}

std::string luidText(const LUID& luid) {
    return hex(static_cast<unsigned long>(luid.HighPart)) + hex(luid.LowPart);
}

std::pair<OutputKind, const char*> describeTechnology(DISPLAYCONFIG_VIDEO_OUTPUT_TECHNOLOGY t) {
    switch (static_cast<int>(t)) {
        case DISPLAYCONFIG_OUTPUT_TECHNOLOGY_HDMI:
            return {OutputKind::Hdmi, "HDMI"};
        case DISPLAYCONFIG_OUTPUT_TECHNOLOGY_DISPLAYPORT_EXTERNAL:
            return {OutputKind::DisplayPort, "DISPLAYPORT_EXTERNAL"};
        case kDisplayPortUsbTunnel:
            return {OutputKind::DisplayPort, "DISPLAYPORT_USB_TUNNEL"};
        case DISPLAYCONFIG_OUTPUT_TECHNOLOGY_DVI:
            return {OutputKind::Dvi, "DVI"};
        case DISPLAYCONFIG_OUTPUT_TECHNOLOGY_HD15:
            return {OutputKind::Vga, "HD15"};
        case DISPLAYCONFIG_OUTPUT_TECHNOLOGY_DISPLAYPORT_EMBEDDED:
            return {OutputKind::Internal, "DISPLAYPORT_EMBEDDED"};
        case DISPLAYCONFIG_OUTPUT_TECHNOLOGY_LVDS:
            return {OutputKind::Internal, "LVDS"};
        case DISPLAYCONFIG_OUTPUT_TECHNOLOGY_UDI_EMBEDDED:
            return {OutputKind::Internal, "UDI_EMBEDDED"};
        case static_cast<int>(DISPLAYCONFIG_OUTPUT_TECHNOLOGY_INTERNAL):
            return {OutputKind::Internal, "INTERNAL"};
        default:
            return {OutputKind::Other, "OTHER"};
    }
}

// The display paths of every source and target, active or not.
bool queryAllPaths(std::vector<DISPLAYCONFIG_PATH_INFO>& paths, std::vector<std::string>& notes) {
    LONG status = ERROR_INSUFFICIENT_BUFFER;
    // The topology may change between the size query and the query itself.
    for (int attempt = 0; attempt < 3 && status == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
        UINT32 pathCount = 0, modeCount = 0;
        status = GetDisplayConfigBufferSizes(QDC_ALL_PATHS, &pathCount, &modeCount);
        if (status != ERROR_SUCCESS) break;
        paths.resize(pathCount);
        std::vector<DISPLAYCONFIG_MODE_INFO> modes(modeCount);
        status = QueryDisplayConfig(QDC_ALL_PATHS, &pathCount, paths.data(), &modeCount,
                                    modes.data(), nullptr);
        paths.resize(pathCount);
    }
    if (status != ERROR_SUCCESS) {
        notes.push_back("QueryDisplayConfig failed with error " +
                        std::to_string(static_cast<long>(status)));
        return false;
    }
    return true;
}

// Every hardware adapter DXGI knows, keyed by LUID.
std::map<std::string, DisplayAdapterOutputs> dxgiAdapters(std::vector<std::string>& notes) {
    std::map<std::string, DisplayAdapterOutputs> adapters;
    ComPtr<IDXGIFactory1> factory;
    const HRESULT hr = CreateDXGIFactory1(__uuidof(IDXGIFactory1),
                                          reinterpret_cast<void**>(factory.GetAddressOf()));
    if (FAILED(hr)) {
        notes.push_back("CreateDXGIFactory1 failed with " + hex(static_cast<unsigned long>(hr)) +
                        "; adapters without identity");
        return adapters;
    }
    ComPtr<IDXGIAdapter1> adapter;
    for (UINT i = 0;; ++i) {
        const HRESULT found = factory->EnumAdapters1(i, adapter.ReleaseAndGetAddressOf());
        if (found == DXGI_ERROR_NOT_FOUND) break;
        if (FAILED(found)) {
            notes.push_back("DXGI adapter " + std::to_string(i) +
                            " cannot be listed: " + hex(static_cast<unsigned long>(found)));
            break;
        }
        DXGI_ADAPTER_DESC1 desc;
        if (!adapter || FAILED(adapter->GetDesc1(&desc))) {
            notes.push_back("DXGI adapter " + std::to_string(i) + " has no description");
            continue;
        }
        const std::string name = biwin::toUtf8(desc.Description, wcsnlen(desc.Description, 128));
        if (desc.Flags & DXGI_ADAPTER_FLAG_SOFTWARE) {
            notes.push_back("DXGI adapter " + name + " is a software adapter; skipped");
            continue;
        }
        DisplayAdapterOutputs& entry = adapters[luidText(desc.AdapterLuid)];
        entry.name = name;
        entry.source = luidText(desc.AdapterLuid);
        entry.pci.known = desc.VendorId != 0 && desc.VendorId <= 0xffff && desc.DeviceId <= 0xffff;
        entry.pci.vendor = static_cast<std::uint16_t>(desc.VendorId);
        entry.pci.device = static_cast<std::uint16_t>(desc.DeviceId);
    }
    return adapters;
}

struct DeviceInfoListCloser {
    void operator()(HDEVINFO list) const { SetupDiDestroyDeviceInfoList(list); }
};
using DeviceInfoList = std::unique_ptr<void, DeviceInfoListCloser>;

// A registry property of REG_MULTI_SZ type as its strings.
std::vector<std::string> multiString(HDEVINFO list, SP_DEVINFO_DATA& device, DWORD property) {
    DWORD type = 0, size = 0;
    SetupDiGetDeviceRegistryPropertyW(list, &device, property, &type, nullptr, 0, &size);
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 2, L'\0');
    if (size == 0 || !SetupDiGetDeviceRegistryPropertyW(
                         list, &device, property, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         static_cast<DWORD>(buffer.size() * sizeof(wchar_t)), nullptr))
        return {};
    std::vector<std::string> strings;
    for (const wchar_t* s = buffer.data(); *s != L'\0'; s += wcslen(s) + 1)
        strings.push_back(biwin::toUtf8(s, wcslen(s)));
    return strings;
}

// The hexadecimal digits after marker, up to the next '&' or '\'.
bool hexAfter(const std::string& id, const char* marker, std::size_t digits, unsigned long& value) {
    const auto at = id.find(marker);
    if (at == std::string::npos) return false;
    const std::string text = id.substr(at + std::strlen(marker), digits);
    char* end = nullptr;
    value = std::strtoul(text.c_str(), &end, 16);
    return text.size() == digits && *end == '\0';
}

// The service that runs a device ("USBXHCI" for Microsoft's xHCI driver).
std::string serviceName(HDEVINFO list, SP_DEVINFO_DATA& device) {
    wchar_t name[256];
    if (!SetupDiGetDeviceRegistryPropertyW(list, &device, SPDRP_SERVICE, nullptr,
                                           reinterpret_cast<BYTE*>(name), sizeof name, nullptr))
        return std::string();
    name[255] = L'\0';
    return biwin::toUtf8(name, wcslen(name));
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

Handle openDevice(const std::wstring& path) {
    const HANDLE raw = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
    return Handle(raw == INVALID_HANDLE_VALUE ? nullptr : raw);
}

// The device path of the controller's host-controller interface.
std::wstring interfacePath(HDEVINFO list, SP_DEVINFO_DATA& device) {
    SP_DEVICE_INTERFACE_DATA data;
    data.cbSize = sizeof data;
    if (!SetupDiEnumDeviceInterfaces(list, &device, &kUsbHostControllerInterface, 0, &data))
        return std::wstring();
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailW(list, &data, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return std::wstring();
    std::vector<BYTE> buffer(size);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(list, &data, detail, size, nullptr, nullptr))
        return std::wstring();
    return detail->DevicePath;
}

// The root hub's ports that support USB 3, as the hub driver reports them
// (Windows 8 and later); -1 when the hub cannot be asked.
int superSpeedPorts(const std::wstring& controllerPath, std::string& why) {
    const Handle controller = openDevice(controllerPath);
    if (!controller) return why = "cannot be opened", -1;
    USB_ROOT_HUB_NAME probe{};
    DWORD got = 0;
    if (!DeviceIoControl(controller.get(), IOCTL_USB_GET_ROOT_HUB_NAME, nullptr, 0, &probe,
                         sizeof probe, &got, nullptr) ||
        probe.ActualLength <= sizeof probe || probe.ActualLength > 4096)
        return why = "names no root hub", -1;
    std::vector<BYTE> nameBuffer(probe.ActualLength + sizeof(wchar_t), 0);
    auto* name = reinterpret_cast<USB_ROOT_HUB_NAME*>(nameBuffer.data());
    if (!DeviceIoControl(controller.get(), IOCTL_USB_GET_ROOT_HUB_NAME, nullptr, 0, name,
                         probe.ActualLength, &got, nullptr))
        return why = "names no root hub", -1;
    const Handle hub = openDevice(L"\\\\.\\" + std::wstring(name->RootHubName));
    USB_NODE_INFORMATION node{};
    if (!hub || !DeviceIoControl(hub.get(), IOCTL_USB_GET_NODE_INFORMATION, &node, sizeof node,
                                 &node, sizeof node, &got, nullptr))
        return why = "root hub cannot be asked", -1;
    int ports = 0;
    for (ULONG port = 1; port <= node.u.HubInformation.HubDescriptor.bNumberOfPorts; ++port) {
        USB_NODE_CONNECTION_INFORMATION_EX_V2 info{};
        info.ConnectionIndex = port;
        info.Length = sizeof info;
        info.SupportedUsbProtocols.Usb300 = 1;
        if (!DeviceIoControl(hub.get(), IOCTL_USB_GET_NODE_CONNECTION_INFORMATION_EX_V2, &info,
                             sizeof info, &info, sizeof info, &got, nullptr))
            return why = "root hub tells no port protocols", -1;
        if (info.SupportedUsbProtocols.Usb300) ++ports;
    }
    return ports;
}

std::string instanceId(HDEVINFO list, SP_DEVINFO_DATA& device) {
    wchar_t id[512];
    if (!SetupDiGetDeviceInstanceIdW(list, &device, id, 512, nullptr)) return std::string();
    return biwin::toUtf8(id, wcslen(id));
}

}  // namespace

DisplayOutputsProbe probeDisplayOutputs(const ProbeRoots&) {
    DisplayOutputsProbe probe;
    std::vector<DISPLAYCONFIG_PATH_INFO> paths;
    if (!queryAllPaths(paths, probe.notes)) return probe;
    probe.readable = true;
    std::map<std::string, DisplayAdapterOutputs> adapters = dxgiAdapters(probe.notes);
    // Each target appears once per source that could drive it.
    std::set<std::pair<std::string, UINT32>> seen;
    for (const DISPLAYCONFIG_PATH_INFO& path : paths) {
        const std::string luid = luidText(path.targetInfo.adapterId);
        if (!seen.insert({luid, path.targetInfo.id}).second) continue;
        auto adapter = adapters.find(luid);
        if (adapter == adapters.end()) {
            probe.notes.push_back("Display adapter " + luid + " is unknown to DXGI");
            adapter = adapters.emplace(luid, DisplayAdapterOutputs()).first;
            adapter->second.source = luid;
        }
        const auto technology = describeTechnology(path.targetInfo.outputTechnology);
        DisplayOutput output;
        output.connector = technology.second;
        output.kind = technology.first;
        output.name = output.connector + " " + std::to_string(path.targetInfo.id);
        output.connection = path.targetInfo.targetAvailable ? OutputConnection::Connected
                                                            : OutputConnection::Disconnected;
        if (output.kind == OutputKind::Other)
            probe.notes.push_back(
                "Display target " + output.name + " has output technology " +
                std::to_string(static_cast<long>(path.targetInfo.outputTechnology)));
        adapter->second.outputs.push_back(output);
    }
    for (auto& entry : adapters) probe.adapters.push_back(std::move(entry.second));
    return probe;
}

UsbControllersProbe probeUsbControllers(const ProbeRoots&) {
    UsbControllersProbe probe;
    const HDEVINFO raw = SetupDiGetClassDevsW(&kUsbHostControllerInterface, nullptr, nullptr,
                                              DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (raw == INVALID_HANDLE_VALUE) {
        probe.notes.push_back("SetupDiGetClassDevs failed with error " +
                              std::to_string(GetLastError()) + "; no USB information");
        return probe;
    }
    const DeviceInfoList list(raw);
    probe.readable = true;
    SP_DEVINFO_DATA device;
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(raw, i, &device); ++i) {
        UsbHostController controller;
        controller.source = instanceId(raw, device);
        // "PCI\VEN_8086&DEV_A36D&CC_0C0330" among the IDs gives the identity
        // and the class; the first ID that has each wins.
        unsigned long vendor = 0, id = 0, classCode = 0;
        bool haveIds = false, haveClass = false;
        for (const std::string& hardwareId : multiString(raw, device, SPDRP_HARDWAREID)) {
            if (!haveIds && hexAfter(hardwareId, "VEN_", 4, vendor) &&
                hexAfter(hardwareId, "DEV_", 4, id)) {
                haveIds = true;
                controller.pci =
                    PciId{true, static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(id)};
            }
            if (!haveClass && hexAfter(hardwareId, "CC_", 6, classCode)) haveClass = true;
        }
        if (haveClass) controller.hostInterface = usbInterfaceOfClass(classCode);
        controller.speedMbps = usbInterfaceMbps(controller.hostInterface);
        controller.driver = serviceName(raw, device);
        if (controller.hostInterface == UsbInterface::Xhci) {
            std::string why;
            controller.usableSuperSpeedPorts = superSpeedPorts(interfacePath(raw, device), why);
            if (controller.usableSuperSpeedPorts < 0)
                probe.notes.push_back("USB controller " + controller.source + ": " + why +
                                      "; its SuperSpeed ports are not counted");
        }
        if (controller.driver.empty())
            probe.notes.push_back("USB controller " + controller.source + " names no driver");
        if (controller.hostInterface == UsbInterface::Unknown)
            probe.notes.push_back("USB controller " + controller.source +
                                  " has no USB host class code");
        probe.controllers.push_back(controller);
    }
    if (probe.controllers.empty()) probe.notes.push_back("No USB host controller listed");
    return probe;
}
