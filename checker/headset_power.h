#pragma once

#include "headset_status.h"
#include "power_state.h"

// Whether the machine runs at full speed: a laptop on battery, in battery
// saver or on a power-saving plan slows its graphics far below what a
// headset needs. Stateless and safe on any thread.
struct PowerJudgement {
    enum class Reason {
        NoBattery,        // ok: a desktop, nothing to save
        PluggedIn,        // ok: on mains, not saving
        OnBattery,        // warning
        BatterySaver,     // warning
        PowerSavingPlan,  // warning: the plan or platform profile saves power
        NothingRead       // unknown
    };
    HeadsetStatus status = HeadsetStatus::Unknown;
    Reason reason = Reason::NothingRead;
    PowerState facts;
};

// Writes a debug line with what decided it.
PowerJudgement judgePower(const PowerState& state);
