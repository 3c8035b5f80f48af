#include "power_state.h"

PowerPlan powerPlanOfProfile(const std::string& profile) {
    if (profile == "low-power" || profile == "cool" || profile == "quiet") return PowerPlan::Saving;
    if (profile == "balanced") return PowerPlan::Balanced;
    if (profile == "performance" || profile == "balanced-performance")
        return PowerPlan::Performance;
    return PowerPlan::Unknown;
}
