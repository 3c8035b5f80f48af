#include "headset_json.h"

#include <QJsonArray>

namespace {

QString hexId(const PciId& id, std::uint16_t value) {
    return id.known ? QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper()
                    : QString();
}

QString kindText(OutputKind kind) {
    switch (kind) {
        case OutputKind::Hdmi:
            return QStringLiteral("HDMI");
        case OutputKind::DisplayPort:
            return QStringLiteral("DisplayPort");
        case OutputKind::Dvi:
            return QStringLiteral("DVI");
        case OutputKind::Vga:
            return QStringLiteral("VGA");
        case OutputKind::Internal:
            return QStringLiteral("internal");
        case OutputKind::Other:
            break;
    }
    return QStringLiteral("other");
}

QString connectionText(OutputConnection connection) {
    if (connection == OutputConnection::Connected) return QStringLiteral("connected");
    if (connection == OutputConnection::Disconnected) return QStringLiteral("disconnected");
    return QStringLiteral("unknown");
}

QString interfaceText(UsbInterface hostInterface) {
    switch (hostInterface) {
        case UsbInterface::Xhci:
            return QStringLiteral("xHCI");
        case UsbInterface::Ehci:
            return QStringLiteral("EHCI");
        case UsbInterface::Ohci:
            return QStringLiteral("OHCI");
        case UsbInterface::Uhci:
            return QStringLiteral("UHCI");
        case UsbInterface::Unknown:
            break;
    }
    return QStringLiteral("unknown");
}

QString videoReasonText(VideoJudgement::Reason reason) {
    switch (reason) {
        case VideoJudgement::Reason::RankedAdapterHasOutput:
            return QStringLiteral("rankedAdapterHasOutput");
        case VideoJudgement::Reason::OutputsOnOtherAdapter:
            return QStringLiteral("outputsOnOtherAdapter");
        case VideoJudgement::Reason::NoExternalOutput:
            return QStringLiteral("noExternalOutput");
        case VideoJudgement::Reason::NoRankedAdapter:
            return QStringLiteral("noRankedAdapter");
        case VideoJudgement::Reason::RankedAdapterNotListed:
            return QStringLiteral("rankedAdapterNotListed");
        case VideoJudgement::Reason::OutputsNotTold:
            return QStringLiteral("outputsNotTold");
        case VideoJudgement::Reason::NoConnectorInformation:
            break;
    }
    return QStringLiteral("noConnectorInformation");
}

QString usbReasonText(UsbJudgement::Reason reason) {
    if (reason == UsbJudgement::Reason::SuperSpeed) return QStringLiteral("superSpeed");
    if (reason == UsbJudgement::Reason::KnownTroubleOnly) return QStringLiteral("knownTroubleOnly");
    if (reason == UsbJudgement::Reason::NoSuperSpeed) return QStringLiteral("noSuperSpeed");
    return QStringLiteral("nothingRead");
}

QJsonObject videoJson(const VideoJudgement& video) {
    QJsonArray adapters;
    for (const DisplayAdapterOutputs& adapter : video.adapters) {
        QJsonArray outputs;
        for (const DisplayOutput& output : adapter.outputs) {
            outputs.append(
                QJsonObject{{QStringLiteral("name"), QString::fromStdString(output.name)},
                            {QStringLiteral("connector"), QString::fromStdString(output.connector)},
                            {QStringLiteral("kind"), kindText(output.kind)},
                            {QStringLiteral("connection"), connectionText(output.connection)}});
        }
        adapters.append(
            QJsonObject{{QStringLiteral("name"), adapterLabel(adapter)},
                        {QStringLiteral("vendorId"), hexId(adapter.pci, adapter.pci.vendor)},
                        {QStringLiteral("deviceId"), hexId(adapter.pci, adapter.pci.device)},
                        {QStringLiteral("outputsTold"), adapter.outputsTold},
                        {QStringLiteral("outputs"), outputs}});
    }
    return QJsonObject{{QStringLiteral("status"), headsetStatusText(video.status)},
                       {QStringLiteral("reason"), videoReasonText(video.reason)},
                       {QStringLiteral("neededAdapter"), video.neededAdapter},
                       {QStringLiteral("adaptersWithOutputs"),
                        QJsonArray::fromStringList(video.adaptersWithOutputs)},
                       {QStringLiteral("adapters"), adapters}};
}

QJsonObject usbJson(const UsbJudgement& usb) {
    QJsonArray controllers;
    for (std::size_t i = 0; i < usb.controllers.size(); ++i) {
        const UsbHostController& c = usb.controllers[i];
        controllers.append(
            QJsonObject{{QStringLiteral("source"), QString::fromStdString(c.source)},
                        {QStringLiteral("vendorId"), hexId(c.pci, c.pci.vendor)},
                        {QStringLiteral("deviceId"), hexId(c.pci, c.pci.device)},
                        {QStringLiteral("interface"), interfaceText(c.hostInterface)},
                        {QStringLiteral("speedMbps"), static_cast<int>(c.speedMbps)},
                        {QStringLiteral("ports"), static_cast<int>(c.ports)},
                        {QStringLiteral("superSpeedPortsInUse"), c.usableSuperSpeedPorts},
                        {QStringLiteral("driver"), QString::fromStdString(c.driver)},
                        {QStringLiteral("knownTrouble"), usb.troubleNames.value(int(i))}});
    }
    return QJsonObject{
        {QStringLiteral("status"), headsetStatusText(usb.status)},
        {QStringLiteral("reason"), usbReasonText(usb.reason)},
        {QStringLiteral("troubleControllers"), QJsonArray::fromStringList(usb.troubleControllers)},
        {QStringLiteral("otherDriverControllers"),
         QJsonArray::fromStringList(usb.otherDriverControllers)},
        {QStringLiteral("controllers"), controllers}};
}

QString powerReasonText(PowerJudgement::Reason reason) {
    switch (reason) {
        case PowerJudgement::Reason::NoBattery:
            return QStringLiteral("noBattery");
        case PowerJudgement::Reason::PluggedIn:
            return QStringLiteral("pluggedIn");
        case PowerJudgement::Reason::OnBattery:
            return QStringLiteral("onBattery");
        case PowerJudgement::Reason::BatterySaver:
            return QStringLiteral("batterySaver");
        case PowerJudgement::Reason::PowerSavingPlan:
            return QStringLiteral("powerSavingPlan");
        case PowerJudgement::Reason::NothingRead:
            break;
    }
    return QStringLiteral("nothingRead");
}

QJsonObject powerJson(const PowerJudgement& power) {
    const PowerState& f = power.facts;
    const char* source = f.source == PowerSource::Mains     ? "mains"
                         : f.source == PowerSource::Battery ? "battery"
                                                            : "unknown";
    const char* plan = f.plan == PowerPlan::Performance ? "performance"
                       : f.plan == PowerPlan::Balanced  ? "balanced"
                       : f.plan == PowerPlan::Saving    ? "saving"
                                                        : "unknown";
    return QJsonObject{{QStringLiteral("status"), headsetStatusText(power.status)},
                       {QStringLiteral("reason"), powerReasonText(power.reason)},
                       {QStringLiteral("battery"), f.batteryPresent},
                       {QStringLiteral("source"), QLatin1String(source)},
                       {QStringLiteral("batterySaver"), f.batterySaver},
                       {QStringLiteral("plan"), QLatin1String(plan)},
                       {QStringLiteral("planName"), QString::fromStdString(f.planName)}};
}

}  // namespace

QJsonObject headsetJson(const HeadsetConnection& connection) {
    return QJsonObject{{QStringLiteral("video"), videoJson(connection.video)},
                       {QStringLiteral("usb"), usbJson(connection.usb)},
                       {QStringLiteral("power"), powerJson(connection.power)}};
}
