#pragma once

#include <QJsonObject>

#include "headset_connection.h"

// The report's "headset" object: "video", "usb" and "power", each with
// "status" ("ok", "warning", "unknown"), "reason" and the facts behind them.
//   video: "neededAdapter", "adaptersWithOutputs" (names), "adapters": list
//          of {"name", "vendorId", "deviceId", "outputsTold" (false: the
//          driver lists none), "outputs": list of {"name", "connector",
//          "kind", "connection"}}
//   usb:   "troubleControllers", "otherDriverControllers" (names),
//          "controllers": list of {"source", "vendorId", "deviceId",
//          "interface", "speedMbps", "ports", "superSpeedPortsInUse" (-1:
//          not told), "driver" (Windows), "knownTrouble" (the chip's name)}
//   power: "battery", "source" ("mains", "battery", "unknown"),
//          "batterySaver", "plan" ("performance", "balanced", "saving",
//          "unknown"), "planName" (the profile or scheme as read)
// IDs are four upper-case hexadecimal digits, empty when not PCI; "kind" is
// "HDMI", "DisplayPort", "DVI", "VGA", "internal" or "other"; "connection"
// is "connected", "disconnected" or "unknown"; "interface" is "xHCI",
// "EHCI", "OHCI", "UHCI" or "unknown".
QJsonObject headsetJson(const HeadsetConnection& connection);
