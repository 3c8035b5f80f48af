// Windows back-end of the chassis probe: Win32_SystemEnclosure's chassis
// types and Win32_Battery, through the WMI source.
#include <cstdio>
#include <cstdlib>

#include "chassis.h"
#include "wmi_source.h"

namespace {

void keepMessages(const WmiResult& result, ChassisInfo& info) {
    for (const WmiMessage& message : result.messages) {
        std::string line = message.text;
        if (message.hasCode) {
            char code[16];
            std::snprintf(code, sizeof code, "%08x", static_cast<unsigned>(message.code));
            line += code;
        }
        info.messages.push_back(line);
    }
}

}  // namespace

ChassisInfo probeChassis(const ProbeRoots& roots) {
    ChassisInfo info;
    const WmiResult enclosure =
        runWmiQuery("select ChassisTypes from Win32_SystemEnclosure", "enclosure", roots);
    keepMessages(enclosure, info);
    // The array arrives as decimal numbers separated by commas ("9" or "3,9").
    for (const WmiObject& object : enclosure.objects) {
        const auto types = object.find("ChassisTypes");
        if (types == object.end() || types->second.type != WmiValue::Type::Text) continue;
        const char* at = types->second.text.c_str();
        while (*at != '\0') {
            char* end = nullptr;
            const long type = std::strtol(at, &end, 10);
            if (end == at) break;
            info.smbiosTypes.push_back(static_cast<int>(type));
            at = *end == ',' ? end + 1 : end;
        }
    }
    if (info.smbiosTypes.empty()) info.messages.push_back("[OrvoCheckLib] No chassis type from WMI");
    bool decided = false;
    for (const int type : info.smbiosTypes)
        decided = decided || chassisKindOfSmbiosType(type) != ChassisKind::Unknown;
    if (!decided) {
        const WmiResult battery = runWmiQuery("select * from Win32_Battery", "battery", roots);
        keepMessages(battery, info);
        info.batteryFound = !battery.objects.empty();
    }
    decideChassis(info);
    return info;
}
