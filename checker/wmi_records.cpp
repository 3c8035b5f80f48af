#include "wmi_records.h"

#include <QDebug>
#include <cmath>

#include "orvochecklib.h"

namespace {

// Null reads as empty text; a missing property leaves the field alone.
void readText(const WmiObject& object, const char* property, QString& field) {
    const auto it = object.find(property);
    if (it == object.end()) return;
    const WmiValue& value = it->second;
    switch (value.type) {
        case WmiValue::Type::Text:
            field = QString::fromStdString(value.text);
            break;
        case WmiValue::Type::Int32:
            field = QString::number(value.number);
            break;
        case WmiValue::Type::Null:
            field.clear();
            break;
    }
}

// Null reads as 0.
bool readInt32(const WmiObject& object, const char* property, qint32& number) {
    const auto it = object.find(property);
    if (it == object.end()) return false;
    const WmiValue& value = it->second;
    number = 0;
    if (value.type == WmiValue::Type::Int32) {
        number = value.number;
    } else if (value.type == WmiValue::Type::Text) {
        number = QString::fromStdString(value.text).toInt();
    }
    return true;
}

void writeMessages(const std::vector<WmiMessage>& messages) {
    for (const WmiMessage& message : messages) {
        if (message.hasCode) {
            qDebug().noquote() << QString::fromStdString(message.text) << Qt::hex << message.code;
        } else {
            qDebug().noquote() << QString::fromStdString(message.text);
        }
    }
}

}  // namespace

QString videoArchitectureText(qint32 value) {
    switch (value) {
        case 5:
            return QStringLiteral("VGA");
        case 6:
            return QStringLiteral("SVGA");
        case 7:
            return QStringLiteral("MDA");
        case 10:
            return QStringLiteral("8514A");
        case 11:
            return QStringLiteral("XGA");
        case 12:
            return QStringLiteral("Linear Frame Buffer");
        default:
            return QString();
    }
}

double adapterRamMegabytes(qint32 value) {
    return std::ldexp(static_cast<double>(static_cast<quint32>(value)), -20);
}

GpuInfo gpuInfoFromObject(const WmiObject& object) {
    GpuInfo gpu;
    readText(object, "Name", gpu.name);
    readText(object, "DeviceID", gpu.deviceId);
    readText(object, "PNPDeviceID", gpu.pnpDeviceId);
    readText(object, "DriverVersion", gpu.driverVersion);
    readText(object, "VideoProcessor", gpu.videoProcessor);
    readText(object, "VideoModeDescription", gpu.videoModeDescription);
    readText(object, "AdapterDACType", gpu.adapterDacType);
    qint32 number = 0;
    if (readInt32(object, "VideoArchitecture", number)) {
        gpu.videoArchitecture = videoArchitectureText(number);
    }
    if (readInt32(object, "AdapterRAM", number)) gpu.adapterRamMB = adapterRamMegabytes(number);
    gpu.vendorId =
        OrvoCheckLib::extractBetween(gpu.pnpDeviceId, QStringLiteral("VEN_"), QStringLiteral("&"));
    gpu.pciDeviceId =
        OrvoCheckLib::extractBetween(gpu.pnpDeviceId, QStringLiteral("DEV_"), QStringLiteral("&"));
    return gpu;
}

double memoryGigabytesFrom(const std::vector<WmiObject>& modules) {
    double gigabytes = 0.0;
    for (const WmiObject& module : modules) {
        QString capacity;
        if (module.find("Capacity") == module.end()) {
            qDebug() << "[OrvoCheckLib] Memory module without a capacity skipped";
            continue;
        }
        readText(module, "Capacity", capacity);
        qDebug() << "[OrvoCheckLib] Memory bank" << capacity << "Bytes";
        gigabytes += std::ldexp(capacity.toDouble(), -30);
    }
    return gigabytes;
}

WmiResult runInventoryQuery(const QString& query, const QString& kind) {
    WmiResult result =
        runWmiQuery(query.toStdString(), kind.toStdString(), ProbeRoots::fromEnvironment());
    writeMessages(result.messages);
    return result;
}
