#include "headset_text.h"

#include <QCoreApplication>

namespace {

struct HeadsetText {
    Q_DECLARE_TR_FUNCTIONS(HeadsetText)
};

// The part's titles are the result page's, so one translation serves both.
struct ResultPage {
    Q_DECLARE_TR_FUNCTIONS(pResult)
};

// Names only the kinds of port the other adapters have.
QString otherAdapterLine(const VideoJudgement& video) {
    const QString others = video.adaptersWithOutputs.join(QStringLiteral(", "));
    if (video.hdmiElsewhere && !video.displayPortElsewhere)
        //: %1 lists the adapters that have the HDMI ports ("Intel UHD Graphics 630"), %2 is the
        //: adapter Orvo needs ("NVIDIA GeForce RTX 2070").
        return HeadsetText::tr(
                   "HDMI is wired to the %1, but Orvo needs the %2. Use a port of that adapter if "
                   "it has one (often USB-C), or switch the ports to it if the computer allows "
                   "that.")
            .arg(others, video.neededAdapter);
    if (video.displayPortElsewhere && !video.hdmiElsewhere)
        //: %1 lists the adapters that have the DisplayPort ports, %2 is the adapter Orvo needs.
        return HeadsetText::tr(
                   "DisplayPort is wired to the %1, but Orvo needs the %2. Use a port of that "
                   "adapter if it has one (often USB-C), or switch the ports to it if the "
                   "computer allows that.")
            .arg(others, video.neededAdapter);
    //: %1 lists the adapters that have the HDMI and DisplayPort ports, %2 is the adapter Orvo
    //: needs.
    return HeadsetText::tr(
               "HDMI and DisplayPort are wired to the %1, but Orvo needs the %2. Use a port of "
               "that adapter if it has one (often USB-C), or switch the ports to it if the "
               "computer allows that.")
        .arg(others, video.neededAdapter);
}

// What the user should know beside a working port: chips known to drop
// headsets, and controllers not run by Microsoft's own driver.
QString usbNotes(const UsbJudgement& usb) {
    QStringList notes;
    if (!usb.troubleControllers.isEmpty())
        //: %1 names USB controller chips ("ASMedia ASM1042").
        notes << HeadsetText::tr(
                     "Avoid the ports of the %1 controller: it is known to drop "
                     "headsets.")
                     .arg(usb.troubleControllers.join(QStringLiteral(", ")));
    if (!usb.otherDriverControllers.isEmpty())
        //: %1 names Windows driver services ("asmtxhci").
        notes << HeadsetText::tr(
                     "A USB 3 controller runs the driver %1 rather than Windows' "
                     "own; if the headset drops out, use Windows' driver.")
                     .arg(usb.otherDriverControllers.join(QStringLiteral(", ")));
    return notes.join(QLatin1Char(' '));
}

}  // namespace

QString headsetVideoLine(const VideoJudgement& video) {
    using Reason = VideoJudgement::Reason;
    switch (video.reason) {
        case Reason::RankedAdapterHasOutput:
            //: %1 is the graphics adapter the check ranked ("NVIDIA GeForce GTX 1060 6GB").
            return HeadsetText::tr("Connect the headset to a DisplayPort or HDMI port of the %1.")
                .arg(video.neededAdapter);
        case Reason::OutputsOnOtherAdapter:
            return otherAdapterLine(video);
        case Reason::NoExternalOutput:
            //: %1 is the graphics adapter the check ranked.
            return HeadsetText::tr(
                       "No HDMI or DisplayPort port was found; the headset needs one on the %1.")
                .arg(video.neededAdapter);
        case Reason::RankedAdapterNotListed:
        case Reason::OutputsNotTold:
            //: %1 is the graphics adapter the check ranked.
            return HeadsetText::tr(
                       "The driver of the %1 does not tell which video ports it has. Connect the "
                       "headset to a DisplayPort or HDMI port of that graphics card.")
                .arg(video.neededAdapter);
        case Reason::NoRankedAdapter:
            // The ports were read; the check ranked no adapter to hold them against.
            return HeadsetText::tr(
                "Connect the headset to a DisplayPort or HDMI port of the most powerful graphics "
                "card.");
        case Reason::NoConnectorInformation:
            break;
    }
    return HeadsetText::tr(
        "The video ports could not be read. Connect the headset to a DisplayPort or HDMI port "
        "of the most powerful graphics card.");
}

QString headsetUsbLine(const UsbJudgement& usb) {
    switch (usb.reason) {
        case UsbJudgement::Reason::SuperSpeed: {
            const QString line = HeadsetText::tr(
                "Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.");
            const QString notes = usbNotes(usb);
            return notes.isEmpty() ? line : line + QLatin1Char(' ') + notes;
        }
        case UsbJudgement::Reason::KnownTroubleOnly:
            //: %1 names USB controller chips ("ASMedia ASM1042").
            return HeadsetText::tr(
                       "The only USB 3 ports are on the %1 controller, which is known to drop "
                       "headsets. Ports of another controller, or a USB 3 card with an Intel or "
                       "Renesas chip, would fix this.")
                .arg(usb.troubleControllers.join(QStringLiteral(", ")));
        case UsbJudgement::Reason::NoSuperSpeed:
            return HeadsetText::tr(
                "Only USB 2.0 ports were found; tracking can fail on them. A USB 3 (SuperSpeed) "
                "port, for example on an add-in card, would fix this.");
        case UsbJudgement::Reason::NothingRead:
            break;
    }
    return HeadsetText::tr(
        "The USB ports could not be read. Connect the headset to a USB 3 (SuperSpeed) port, "
        "often blue or marked SS.");
}

QString headsetPowerLine(const PowerJudgement& power) {
    using Reason = PowerJudgement::Reason;
    switch (power.reason) {
        case Reason::NoBattery:
            return HeadsetText::tr("No battery was found: the computer runs on mains power.");
        case Reason::PluggedIn:
            return HeadsetText::tr("The computer is plugged in and does not save power.");
        case Reason::OnBattery:
            return HeadsetText::tr(
                "The computer runs on battery, which slows the graphics down a lot. Plug it in "
                "and choose a performance power plan before using Orvo.");
        case Reason::BatterySaver:
            return HeadsetText::tr(
                "Battery saver is on and slows the computer down. Plug it in, turn battery saver "
                "off and choose a performance power plan before using Orvo.");
        case Reason::PowerSavingPlan:
            return HeadsetText::tr(
                "A power-saving plan slows the graphics down. Plug the computer in and choose a "
                "performance power plan before using Orvo.");
        case Reason::NothingRead:
            break;
    }
    return HeadsetText::tr(
        "The power state could not be read. Plug a laptop in and choose a performance power "
        "plan before using Orvo.");
}

QString headsetStatusWords(HeadsetStatus status) {
    switch (status) {
        case HeadsetStatus::Ok:
            //: Status of a headset connection line: nothing to do.
            return HeadsetText::tr("ok");
        case HeadsetStatus::Warning:
            //: Status of a headset connection line: the user should look at it.
            return HeadsetText::tr("check");
        case HeadsetStatus::Unknown:
            break;
    }
    //: Status of a headset connection line: the system told nothing.
    return HeadsetText::tr("unknown");
}

QString headsetHeading() {
    //: Heading of the part below the four rows: where the headset plugs in.
    return ResultPage::tr("Headset connection");
}

QString headsetVideoTitle() {
    //: Title of the line about the video ports.
    return ResultPage::tr("Video");
}

QString headsetUsbTitle() { return ResultPage::tr("USB"); }

QString headsetPowerTitle() {
    //: Title of the line about the power supply and the power plan.
    return ResultPage::tr("Power");
}
