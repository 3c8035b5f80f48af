#pragma once

#include <QString>

// The status of one line of the headset connection part.
enum class HeadsetStatus { Ok, Warning, Unknown };

// "ok", "warning" or "unknown".
QString headsetStatusText(HeadsetStatus status);
