#pragma once

#include <QJsonObject>

#include "headset_connection.h"

// The report's "headset" object: "video" and "usb", each with "status"
// ("ok", "warning", "unknown"), "reason" and the facts behind them.
//   video: "neededAdapter", "adaptersWithOutputs" (names), "adapters": list
//          of {"name", "vendorId", "deviceId", "outputs": list of {"name",
//          "connector", "kind", "connection"}}
//   usb:   "controllers": list of {"source", "vendorId", "deviceId",
//          "interface", "speedMbps", "ports"}
// IDs are four upper-case hexadecimal digits, empty when not PCI; "kind" is
// "HDMI", "DisplayPort", "DVI", "VGA", "internal" or "other"; "connection"
// is "connected", "disconnected" or "unknown"; "interface" is "xHCI",
// "EHCI", "OHCI", "UHCI" or "unknown".
QJsonObject headsetJson(const HeadsetConnection& connection);
