// Linux back-end of the chassis probe: the kernel's copy of the SMBIOS
// chassis type, and the power-supply class for a battery.
#include <cstdint>
#include <string>
#include <vector>

#include "chassis.h"
#include "sysfs_files.h"

namespace {

// A battery of the machine itself; those of a mouse or a headset report the
// scope "Device" and say nothing about the chassis.
bool hasSystemBattery(const std::string& sysfs, ChassisInfo& info) {
    const std::string folder = sysfs + "/class/power_supply";
    std::vector<std::string> names;
    if (!listFolder(folder, names)) {
        info.messages.push_back("[OrvoCheckLib] No power supplies in " + folder);
        return false;
    }
    for (const std::string& name : names) {
        std::string type, scope;
        if (!readTrimmedLine(folder + "/" + name + "/type", type) || type != "Battery") continue;
        if (readTrimmedLine(folder + "/" + name + "/scope", scope) && scope == "Device") {
            info.messages.push_back("[OrvoCheckLib] Battery " + name + " belongs to a device");
            continue;
        }
        return true;
    }
    return false;
}

}  // namespace

ChassisInfo probeChassis(const ProbeRoots& roots) {
    ChassisInfo info;
    const std::string path = roots.sysfs + "/class/dmi/id/chassis_type";
    std::uint64_t type = 0;
    if (readUnsigned(path, type, 10) && type < 256)
        info.smbiosTypes.push_back(static_cast<int>(type));
    else
        info.messages.push_back("[OrvoCheckLib] No chassis type in " + path);
    if (info.smbiosTypes.empty() ||
        chassisKindOfSmbiosType(info.smbiosTypes.front()) == ChassisKind::Unknown)
        info.batteryFound = hasSystemBattery(roots.sysfs, info);
    decideChassis(info);
    return info;
}
