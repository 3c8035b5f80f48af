#include "headset_power.h"

#include <QDebug>

PowerJudgement judgePower(const PowerState& state) {
    using Reason = PowerJudgement::Reason;
    PowerJudgement judgement;
    judgement.facts = state;
    const auto decide = [&judgement](HeadsetStatus status, Reason reason) {
        judgement.status = status;
        judgement.reason = reason;
        return judgement;
    };
    qDebug() << "[HeadsetConnection] power: battery" << state.batteryPresent << ", source"
             << int(state.source) << ", saver" << state.batterySaver << ", plan"
             << QString::fromStdString(state.planName);
    if (!state.readable) return decide(HeadsetStatus::Unknown, Reason::NothingRead);
    if (state.batteryPresent && state.source == PowerSource::Battery)
        return decide(HeadsetStatus::Warning, Reason::OnBattery);
    if (state.batterySaver) return decide(HeadsetStatus::Warning, Reason::BatterySaver);
    if (state.plan == PowerPlan::Saving)
        return decide(HeadsetStatus::Warning, Reason::PowerSavingPlan);
    if (!state.batteryPresent) return decide(HeadsetStatus::Ok, Reason::NoBattery);
    if (state.source == PowerSource::Mains) return decide(HeadsetStatus::Ok, Reason::PluggedIn);
    qDebug() << "[HeadsetConnection] A battery, and no word of the mains; power unknown";
    return decide(HeadsetStatus::Unknown, Reason::NothingRead);
}
