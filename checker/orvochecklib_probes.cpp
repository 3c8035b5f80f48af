#include <QDebug>
#include <QSysInfo>
#include <QVector>

#include "chassis.h"
#include "cpu_probe.h"
#include "orvochecklib.h"
#include "os_probe.h"
#include "wmi_records.h"

void OrvoCheckLib::probeSystem() {
    readCPU();
    readGPUs();
    readMemory();
    readOS();
    readHeadsetPorts();
    readChassis();
}

void OrvoCheckLib::readChassis() {
    const ChassisInfo chassis = probeChassis(ProbeRoots::fromEnvironment());
    for (const std::string& line : chassis.messages) qDebug().noquote() << QString::fromStdString(line);
    m_Chassis = chassis.kind;
    const char* kind = m_Chassis == ChassisKind::Desktop  ? "desktop"
                       : m_Chassis == ChassisKind::Laptop ? "laptop"
                       : m_Chassis == ChassisKind::FixedGraphics ? "no room for a graphics card"
                                                                 : "unknown";
    qDebug() << "[OrvoCheckLib] Chassis:" << kind << ", battery:" << chassis.batteryFound;
}

void OrvoCheckLib::readCPU() {
    // An empty brand is looked for again on the next call.
    if (m_CpuId.brand.empty()) {
        const CpuIdentification found = identifyCpu(ProbeRoots::fromEnvironment());
        m_CpuId.highestExtendedLeaf = found.highestExtendedLeaf;
        m_CpuId.brand = found.brand.substr(0, kCpuBrandBytes);
        if (m_CpuId.brand.empty()) {
            qDebug() << "[OrvoCheckLib] No processor brand string; highest extended leaf" << Qt::hex
                     << Qt::showbase << m_CpuId.highestExtendedLeaf;
        }
    }
    m_CPUName = collapseSpaces(
        QString::fromLatin1(m_CpuId.brand.data(), static_cast<int>(m_CpuId.brand.size()))
            .trimmed());
    qDebug() << "[OrvoCheckLib] CPU name:" << m_CPUName;
}

void OrvoCheckLib::readOS() {
    m_OSName = collapseSpaces(QSysInfo::prettyProductName());
    std::string warning;
    m_Is64Bit = is64BitWindows(&warning);
    if (!warning.empty()) qWarning().noquote() << QString::fromStdString(warning);
    qDebug() << "[OrvoCheckLib] OS name:" << m_OSName << ", 64-bit Windows?" << m_Is64Bit;
}

void OrvoCheckLib::readGPUs() {
    if (m_GPUs.isEmpty()) {
        const WmiResult result = runInventoryQuery(
            QStringLiteral("select * from Win32_VideoController"), QStringLiteral("gpu"));
        if (result.status == WmiResult::Status::NoEnumerator) {
            qWarning() << "WARNING: Wbem class object is null for GPU query";
        }
        for (const WmiObject& object : result.objects) m_GPUs.append(gpuInfoFromObject(object));
    }
    qDebug() << "[OrvoCheckLib] GPU names:";
    for (int i = 0; i < m_GPUs.size(); ++i) {
        const GpuInfo& gpu = m_GPUs.at(i);
        m_GPUNames.append(collapseSpaces(gpu.name));
        qDebug() << "[OrvoCheckLib] GPU" << i << "-" << m_GPUNames.at(i)
                 << ", PNPDeviceID:" << gpu.pnpDeviceId << ", vendor ID:" << gpu.vendorId
                 << ", device ID:" << gpu.pciDeviceId;
    }
}

void OrvoCheckLib::readMemory() {
    const WmiResult result = runInventoryQuery(QStringLiteral("select * from Win32_PhysicalMemory"),
                                               QStringLiteral("memory"));
    m_MemorySize += memoryGigabytesFrom(result.objects);
    qDebug() << "[OrvoCheckLib] Memory size:" << Qt::fixed << qSetRealNumberPrecision(1)
             << m_MemorySize << "GB";
}

QString OrvoCheckLib::collapseSpaces(const QString& text) {
    QString collapsed;
    const QVector<QStringRef> parts = text.splitRef(QLatin1Char(' '));
    for (const QStringRef& part : parts) {
        if (part.isEmpty()) continue;
        collapsed += QLatin1Char(' ');
        collapsed += part;
    }
    return collapsed.trimmed();
}

QString OrvoCheckLib::extractBetween(const QString& text, const QString& start,
                                     const QString& end) {
    const int startAt = text.indexOf(start, 0, Qt::CaseSensitive);
    if (startAt < 0) return QString();
    const int from = startAt + start.size();
    const int endAt = text.indexOf(end, from, Qt::CaseSensitive);
    if (endAt < 0) return QString();
    return text.mid(from, endAt - from);
}
