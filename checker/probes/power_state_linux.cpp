// Linux back-end of the power state: the power-supply class (mains online,
// system battery discharging) and ACPI's platform profile.
#include <cstdint>

#include "power_state.h"
#include "sysfs_files.h"

PowerState probePowerState(const ProbeRoots& roots) {
    PowerState state;
    const std::string folder = roots.sysfs + "/class/power_supply";
    std::vector<std::string> names;
    bool mainsSeen = false, mainsOnline = false, discharging = false, fed = false;
    if (listFolder(folder, names)) {
        state.readable = true;
        for (const std::string& name : names) {
            const std::string supply = folder + "/" + name;
            std::string type, scope, status;
            if (!readTrimmedLine(supply + "/type", type)) continue;
            std::uint64_t online = 0;
            if (type == "Mains" && readUnsigned(supply + "/online", online, 10)) {
                mainsSeen = true;
                mainsOnline = mainsOnline || online != 0;
            } else if (type == "Battery") {
                if (readTrimmedLine(supply + "/scope", scope) && scope == "Device") {
                    state.notes.push_back("Battery " + name + " belongs to a device; not counted");
                    continue;
                }
                state.batteryPresent = true;
                // A USB-C charger may show as type "USB" and not as mains; a
                // battery that charges or stays full is fed all the same.
                if (readTrimmedLine(supply + "/status", status)) {
                    discharging = discharging || status == "Discharging";
                    fed =
                        fed || status == "Charging" || status == "Full" || status == "Not charging";
                }
            }
        }
    } else {
        state.notes.push_back("No power supplies in " + folder);
    }
    if (mainsOnline)
        state.source = PowerSource::Mains;
    else if (discharging)
        state.source = PowerSource::Battery;
    else if (fed)
        state.source = PowerSource::Mains;
    else if (mainsSeen && state.batteryPresent)
        state.source = PowerSource::Battery;
    const std::string profilePath = roots.sysfs + "/firmware/acpi/platform_profile";
    if (readTrimmedLine(profilePath, state.planName)) {
        state.readable = true;
        state.plan = powerPlanOfProfile(state.planName);
    } else {
        state.notes.push_back("No platform profile in " + profilePath);
    }
    return state;
}
