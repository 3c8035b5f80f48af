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

}  // namespace

QString headsetVideoLine(const VideoJudgement& video) {
    using Reason = VideoJudgement::Reason;
    switch (video.reason) {
        case Reason::RankedAdapterHasOutput:
            //: %1 is the graphics adapter the check ranked ("NVIDIA GeForce GTX 1060 6GB").
            return HeadsetText::tr("Connect the headset to a DisplayPort or HDMI port of the %1.")
                .arg(video.neededAdapter);
        case Reason::OutputsOnOtherAdapter:
            //: %1 lists the adapters that have the HDMI and DisplayPort ports ("Intel UHD Graphics 630"), %2 is the adapter Orvo needs ("NVIDIA GeForce RTX 2070").
            return HeadsetText::tr(
                       "The HDMI and DisplayPort ports belong to the %1, but Orvo needs the %2. "
                       "Use a port of that adapter if it has one (often USB-C), or switch the "
                       "ports to it if the computer allows that.")
                .arg(video.adaptersWithOutputs.join(QStringLiteral(", ")), video.neededAdapter);
        case Reason::NoExternalOutput:
            //: %1 is the graphics adapter the check ranked.
            return HeadsetText::tr(
                       "No HDMI or DisplayPort port was found; the headset needs one on the %1.")
                .arg(video.neededAdapter);
        case Reason::NoConnectorInformation:
        case Reason::NoRankedAdapter:
        case Reason::RankedAdapterNotListed:
            break;
    }
    return HeadsetText::tr(
        "The video ports could not be read. Connect the headset to a DisplayPort or HDMI port "
        "of the most powerful graphics card.");
}

QString headsetUsbLine(const UsbJudgement& usb) {
    switch (usb.reason) {
        case UsbJudgement::Reason::SuperSpeed:
            return HeadsetText::tr(
                "Connect the headset to a USB 3 (SuperSpeed) port, often blue or marked SS.");
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
