#include "headset_connection.h"

#include <QDebug>
#include <algorithm>

namespace {

// The lowest SuperSpeed rate (USB 3.0, 5 Gbit/s).
constexpr unsigned kSuperSpeedMbps = 5000;

// The ranked adapter's own ports are not those "elsewhere".
const std::vector<DisplayOutput> kNoOutputs;

bool hasHeadsetOutput(const DisplayAdapterOutputs& adapter) {
    return std::any_of(adapter.outputs.begin(), adapter.outputs.end(),
                       [](const DisplayOutput& output) { return isHeadsetOutput(output.kind); });
}

bool isRanked(const DisplayAdapterOutputs& adapter, const RankedAdapter& ranked) {
    return adapter.pci.known && adapter.pci.vendor == ranked.vendor &&
           adapter.pci.device == ranked.device;
}

VideoJudgement judgeVideo(const DisplayOutputsProbe& display, const RankedAdapter& ranked) {
    VideoJudgement video;
    video.adapters = display.adapters;
    video.neededAdapter = ranked.name;
    const auto decide = [&video](HeadsetStatus status, VideoJudgement::Reason reason) {
        video.status = status;
        video.reason = reason;
        return video;
    };
    bool anyOutput = false;
    bool rankedListed = false;
    bool rankedHasOutput = false;
    bool rankedUntold = false;
    for (const DisplayAdapterOutputs& adapter : display.adapters) {
        anyOutput = anyOutput || !adapter.outputs.empty();
        const bool ranks = ranked.known && isRanked(adapter, ranked);
        rankedListed = rankedListed || ranks;
        rankedUntold = rankedUntold || (ranks && !adapter.outputsTold);
        for (const DisplayOutput& output : ranks ? kNoOutputs : adapter.outputs) {
            video.hdmiElsewhere = video.hdmiElsewhere || output.kind == OutputKind::Hdmi;
            video.displayPortElsewhere =
                video.displayPortElsewhere || output.kind == OutputKind::DisplayPort;
        }
        if (hasHeadsetOutput(adapter)) {
            rankedHasOutput = rankedHasOutput || ranks;
            if (!video.adaptersWithOutputs.contains(adapterLabel(adapter)))
                video.adaptersWithOutputs << adapterLabel(adapter);
        } else {
            qDebug() << "[HeadsetConnection]" << adapterLabel(adapter)
                     << "has no HDMI or DisplayPort output of" << adapter.outputs.size()
                     << "outputs";
        }
    }
    if (!display.readable || (!anyOutput && !rankedUntold)) {
        qDebug() << "[HeadsetConnection] The system lists no video output; video unknown";
        return decide(HeadsetStatus::Unknown, VideoJudgement::Reason::NoConnectorInformation);
    }
    if (!ranked.known) {
        qDebug() << "[HeadsetConnection] No ranked adapter to look for; video unknown";
        return decide(HeadsetStatus::Unknown, VideoJudgement::Reason::NoRankedAdapter);
    }
    if (rankedHasOutput)
        return decide(HeadsetStatus::Ok, VideoJudgement::Reason::RankedAdapterHasOutput);
    if (rankedUntold) {
        qDebug() << "[HeadsetConnection] The driver of" << ranked.name
                 << "lists no outputs; video unknown";
        return decide(HeadsetStatus::Unknown, VideoJudgement::Reason::OutputsNotTold);
    }
    if (!rankedListed) {
        qDebug() << "[HeadsetConnection] The ranked adapter" << ranked.name
                 << "is not among the adapters with output information; video unknown";
        return decide(HeadsetStatus::Unknown, VideoJudgement::Reason::RankedAdapterNotListed);
    }
    if (video.adaptersWithOutputs.isEmpty())
        return decide(HeadsetStatus::Warning, VideoJudgement::Reason::NoExternalOutput);
    qDebug() << "[HeadsetConnection] The ranked adapter" << ranked.name
             << "has no HDMI or DisplayPort output; these have:" << video.adaptersWithOutputs;
    return decide(HeadsetStatus::Warning, VideoJudgement::Reason::OutputsOnOtherAdapter);
}

UsbJudgement judgeUsb(const UsbControllersProbe& usb, const UsbControllerList& chips) {
    UsbJudgement judgement;
    judgement.controllers = usb.controllers;
    unsigned fastest = 0;
    bool goodSuperSpeed = false;
    for (const UsbHostController& controller : usb.controllers) {
        const QString source = QString::fromStdString(controller.source);
        const QString trouble = chips.troubleName(controller.pci);
        judgement.troubleNames << trouble;
        if (controller.hostInterface == UsbInterface::Xhci && !controller.driver.empty() &&
            controller.driver != "USBXHCI")
            judgement.otherDriverControllers << QString::fromStdString(controller.driver);
        if (controller.speedMbps == 0)
            qDebug() << "[HeadsetConnection] USB controller" << source
                     << "tells no speed; not counted";
        const bool superSpeed = controller.speedMbps >= kSuperSpeedMbps;
        if (superSpeed && controller.usableSuperSpeedPorts == 0) {
            qDebug() << "[HeadsetConnection] USB controller" << source
                     << "has no SuperSpeed port in use; counted as USB 2.0";
            fastest = std::max(fastest, 480u);
            continue;
        }
        fastest = std::max(fastest, controller.speedMbps);
        if (superSpeed && !trouble.isEmpty()) {
            qDebug() << "[HeadsetConnection] USB controller" << source << "is a" << trouble
                     << "chip, known to drop headsets";
            if (!judgement.troubleControllers.contains(trouble))
                judgement.troubleControllers << trouble;
        }
        goodSuperSpeed = goodSuperSpeed || (superSpeed && trouble.isEmpty());
    }
    if (!usb.readable || fastest == 0) {
        qDebug() << "[HeadsetConnection] No USB controller speed known; USB unknown";
    } else if (goodSuperSpeed) {
        judgement.status = HeadsetStatus::Ok;
        judgement.reason = UsbJudgement::Reason::SuperSpeed;
    } else if (fastest >= kSuperSpeedMbps) {
        judgement.status = HeadsetStatus::Warning;
        judgement.reason = UsbJudgement::Reason::KnownTroubleOnly;
    } else {
        qDebug() << "[HeadsetConnection] Fastest USB controller:" << fastest << "Mbit/s";
        judgement.status = HeadsetStatus::Warning;
        judgement.reason = UsbJudgement::Reason::NoSuperSpeed;
    }
    return judgement;
}

}  // namespace

QString headsetStatusText(HeadsetStatus status) {
    switch (status) {
        case HeadsetStatus::Ok:
            return QStringLiteral("ok");
        case HeadsetStatus::Warning:
            return QStringLiteral("warning");
        case HeadsetStatus::Unknown:
            break;
    }
    return QStringLiteral("unknown");
}

bool isHeadsetOutput(OutputKind kind) {
    return kind == OutputKind::Hdmi || kind == OutputKind::DisplayPort;
}

QString adapterLabel(const DisplayAdapterOutputs& adapter) {
    if (!adapter.name.empty()) return QString::fromStdString(adapter.name);
    if (adapter.pci.known)
        return QStringLiteral("%1:%2")
            .arg(adapter.pci.vendor, 4, 16, QLatin1Char('0'))
            .arg(adapter.pci.device, 4, 16, QLatin1Char('0'))
            .toUpper();
    return QString::fromStdString(adapter.source);
}

HeadsetConnection judgeHeadsetConnection(const DisplayOutputsProbe& display,
                                         const UsbControllersProbe& usb,
                                         const RankedAdapter& ranked,
                                         const UsbControllerList& chips, const PowerState& power) {
    HeadsetConnection connection{judgeVideo(display, ranked), judgeUsb(usb, chips),
                                 judgePower(power)};
    qDebug() << "[HeadsetConnection] video:" << headsetStatusText(connection.video.status)
             << ", usb:" << headsetStatusText(connection.usb.status)
             << ", power:" << headsetStatusText(connection.power.status);
    return connection;
}
