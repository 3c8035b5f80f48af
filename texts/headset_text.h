#pragma once

#include <QString>

#include "headset_connection.h"

// The sentences beside the headset connection's three lines, shared by the
// window and the report: what was found and what the user can do about it,
// in the installed language. Adapter names are put in as they are.
QString headsetVideoLine(const VideoJudgement& video);
QString headsetUsbLine(const UsbJudgement& usb);
QString headsetPowerLine(const PowerJudgement& power);

// A status in words for the report's table: "ok", "check", "unknown".
QString headsetStatusWords(HeadsetStatus status);

// The heading of the part, and the titles of its three lines.
QString headsetHeading();
QString headsetVideoTitle();
QString headsetUsbTitle();
QString headsetPowerTitle();
