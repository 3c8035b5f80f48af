#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "headset_ports.h"

// Whether the headset has somewhere to plug in: a video output on the
// adapter the check ranked, and a SuperSpeed USB controller. Shown beside
// the four rows, never part of the verdict. Stateless and safe on any thread.

enum class HeadsetStatus { Ok, Warning, Unknown };

// "ok", "warning" or "unknown".
QString headsetStatusText(HeadsetStatus status);

// The adapter the check ranked (the representative one); known is false
// when the check has none.
struct RankedAdapter {
    bool known = false;
    std::uint16_t vendor = 0;
    std::uint16_t device = 0;
    QString name;
};

struct VideoJudgement {
    enum class Reason {
        RankedAdapterHasOutput,  // ok
        OutputsOnOtherAdapter,   // warning: the HDMI/DisplayPort ports belong to another adapter
        NoExternalOutput,        // warning: no adapter has an HDMI or DisplayPort port
        NoConnectorInformation,  // unknown: the system lists no output at all
        NoRankedAdapter,         // unknown: the check ranked no adapter
        RankedAdapterNotListed  // unknown: the system tells nothing of the ranked adapter's outputs
    };
    HeadsetStatus status = HeadsetStatus::Unknown;
    Reason reason = Reason::NoConnectorInformation;
    QString neededAdapter;                        // the ranked adapter: the one Orvo needs
    QStringList adaptersWithOutputs;              // every adapter with an HDMI or DisplayPort port
    std::vector<DisplayAdapterOutputs> adapters;  // the facts, with names filled in
};

struct UsbJudgement {
    enum class Reason { SuperSpeed, NoSuperSpeed, NothingRead };
    HeadsetStatus status = HeadsetStatus::Unknown;
    Reason reason = Reason::NothingRead;
    std::vector<UsbHostController> controllers;
};

struct HeadsetConnection {
    VideoJudgement video;
    UsbJudgement usb;
};

// HDMI or DisplayPort (USB-C with DisplayPort included): where a headset plugs in.
bool isHeadsetOutput(OutputKind kind);

// How an adapter is called in the judgement: its name, else "VVVV:DDDD",
// else where it was found.
QString adapterLabel(const DisplayAdapterOutputs& adapter);

// Writes a debug line for every adapter, output or controller it sets aside.
HeadsetConnection judgeHeadsetConnection(const DisplayOutputsProbe& display,
                                         const UsbControllersProbe& usb,
                                         const RankedAdapter& ranked);
