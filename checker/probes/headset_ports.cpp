#include "headset_ports.h"

OutputKind outputKindOfDrmConnector(const std::string& type) {
    // The kernel's connector type names (drm_connector.c). USB-C ports with
    // DisplayPort alternate mode show up as DP connectors.
    if (type == "HDMI-A" || type == "HDMI-B") return OutputKind::Hdmi;
    if (type == "DP") return OutputKind::DisplayPort;
    if (type == "DVI-D" || type == "DVI-I" || type == "DVI-A") return OutputKind::Dvi;
    if (type == "VGA") return OutputKind::Vga;
    if (type == "eDP" || type == "LVDS" || type == "DSI" || type == "DPI")
        return OutputKind::Internal;
    return OutputKind::Other;
}

UsbInterface usbInterfaceOfClass(std::uint32_t classCode) {
    // Class 0x0c (serial bus), subclass 0x03 (USB), then the interface.
    if ((classCode >> 8) != 0x0c03) return UsbInterface::Unknown;
    switch (classCode & 0xff) {
        case 0x00:
            return UsbInterface::Uhci;
        case 0x10:
            return UsbInterface::Ohci;
        case 0x20:
            return UsbInterface::Ehci;
        case 0x30:
            return UsbInterface::Xhci;
        default:
            return UsbInterface::Unknown;
    }
}

unsigned usbInterfaceMbps(UsbInterface hostInterface) {
    switch (hostInterface) {
        case UsbInterface::Uhci:
        case UsbInterface::Ohci:
            return 12;
        case UsbInterface::Ehci:
            return 480;
        case UsbInterface::Xhci:
            return 5000;
        case UsbInterface::Unknown:
            break;
    }
    return 0;
}
