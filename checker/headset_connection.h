#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "headset_ports.h"
#include "headset_power.h"
#include "headset_status.h"
#include "usb_controller_list.h"

// Whether the headset has somewhere to plug in: a video output on the
// adapter the check ranked, and a SuperSpeed USB controller. Shown beside
// the four rows, never part of the verdict. Stateless and safe on any thread.

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
        RankedAdapterNotListed,  // unknown: the system tells nothing of the ranked adapter's
                                 // outputs
        OutputsNotTold  // unknown: the ranked adapter's driver lists no outputs (no modesetting)
    };
    HeadsetStatus status = HeadsetStatus::Unknown;
    Reason reason = Reason::NoConnectorInformation;
    QString neededAdapter;                        // the ranked adapter: the one Orvo needs
    QStringList adaptersWithOutputs;              // every adapter with an HDMI or DisplayPort port
    // The kinds found on adapters other than the ranked one.
    bool hdmiElsewhere = false;
    bool displayPortElsewhere = false;
    std::vector<DisplayAdapterOutputs> adapters;  // the facts, with names filled in
};

struct UsbJudgement {
    enum class Reason {
        SuperSpeed,        // ok: a usable SuperSpeed port on a chip not known to drop headsets
        KnownTroubleOnly,  // warning: every usable SuperSpeed port is on such a chip
        NoSuperSpeed,      // warning
        NothingRead        // unknown
    };
    HeadsetStatus status = HeadsetStatus::Unknown;
    Reason reason = Reason::NothingRead;
    std::vector<UsbHostController> controllers;
    // Per controller, in the same order: its chip's name when it is known
    // to drop headsets, else empty.
    QStringList troubleNames;
    // Chips known to drop headsets with usable SuperSpeed ports ("ASMedia").
    QStringList troubleControllers;
    // xHCI controllers run by another driver than Microsoft's own (Windows).
    QStringList otherDriverControllers;
};

struct HeadsetConnection {
    VideoJudgement video;
    UsbJudgement usb;
    PowerJudgement power;
};

// HDMI or DisplayPort (USB-C with DisplayPort included): where a headset plugs in.
bool isHeadsetOutput(OutputKind kind);

// How an adapter is called in the judgement: its name, else "VVVV:DDDD",
// else where it was found.
QString adapterLabel(const DisplayAdapterOutputs& adapter);

// Writes a debug line for every adapter, output or controller it sets aside.
HeadsetConnection judgeHeadsetConnection(const DisplayOutputsProbe& display,
                                         const UsbControllersProbe& usb,
                                         const RankedAdapter& ranked,
                                         const UsbControllerList& chips = UsbControllerList(),
                                         const PowerState& power = PowerState());
