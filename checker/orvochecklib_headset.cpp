// The engine's share of the headset connection: the probes run with the
// others, the judgement is made on request against the ranked adapter.
#include <QDebug>

#include "orvochecklib.h"

namespace {

bool pciIdOf(const GpuInfo& gpu, PciId& id) {
    bool vendorOk = false, deviceOk = false;
    id.vendor = gpu.vendorId.toUShort(&vendorOk, 16);
    id.device = gpu.pciDeviceId.toUShort(&deviceOk, 16);
    id.known = vendorOk && deviceOk;
    return id.known;
}

void traceNotes(const std::vector<std::string>& notes) {
    for (const std::string& note : notes)
        qDebug().noquote() << "[OrvoCheckLib]" << QString::fromStdString(note);
}

}  // namespace

void OrvoCheckLib::readHeadsetPorts() {
    const ProbeRoots roots = ProbeRoots::fromEnvironment();
    m_DisplayOutputs = probeDisplayOutputs(roots);
    m_UsbControllers = probeUsbControllers(roots);
    m_PowerState = probePowerState(roots);
    traceNotes(m_DisplayOutputs.notes);
    traceNotes(m_UsbControllers.notes);
    traceNotes(m_PowerState.notes);
    // Linux knows the outputs by card only: the adapter probe has the names.
    for (DisplayAdapterOutputs& adapter : m_DisplayOutputs.adapters) {
        for (int i = 0; adapter.name.empty() && adapter.pci.known && i < m_GPUs.size(); ++i) {
            PciId id;
            if (pciIdOf(m_GPUs.at(i), id) && id.vendor == adapter.pci.vendor &&
                id.device == adapter.pci.device)
                adapter.name = m_GPUNames.value(i).toStdString();
        }
        qDebug() << "[OrvoCheckLib] Outputs of" << adapterLabel(adapter) << ":"
                 << adapter.outputs.size();
    }
    qDebug() << "[OrvoCheckLib] USB host controllers:" << m_UsbControllers.controllers.size();
}

HeadsetConnection OrvoCheckLib::getHeadsetConnection() const {
    RankedAdapter ranked;
    if (m_RepGPUIndex >= 0 && m_RepGPUIndex < m_GPUs.size()) {
        PciId id;
        ranked.known = pciIdOf(m_GPUs.at(m_RepGPUIndex), id);
        ranked.vendor = id.vendor;
        ranked.device = id.device;
        ranked.name = getRepGPUName();
    }
    // The chips come with the comparison file; before one is read none is known.
    return judgeHeadsetConnection(m_DisplayOutputs, m_UsbControllers, ranked,
                                  UsbControllerList::fromComparison(m_JsonRoot), m_PowerState);
}
