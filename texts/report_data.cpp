#include "report_data.h"

#include "orvochecklib.h"

ReportData collectReport(const OrvoCheckLib& lib, const QString& programVersion) {
    ReportData data;
    data.programVersion = programVersion;
    data.comparisonVersion = lib.getJsonVersion();
    const auto row = [&lib](const char* key, const QString& value, const QString& rank) {
        const QString name = QLatin1String(key);
        return ComponentReport{value, rank, lib.getReason(name), lib.getAdvice(name)};
    };
    data.gpu = row("gpu", lib.getRepGPUName(), lib.getRepGPURank());
    data.cpu = row("cpu", lib.getCPUName(), lib.getCPURank());
    data.memory = row("memory", lib.getMemorySize() + QStringLiteral("GB"), lib.getMemoryRank());
    data.os = row("os", lib.getOSName(), lib.getOSRank());
    const QStringList names = lib.getGPUNames();
    for (int i = 0; i < names.size(); ++i)
        data.adapters.append({names.at(i), lib.getGPURank(i), lib.getGPUReason(i), QString()});
    data.representativeIndex = lib.getRepGPUIndex();
    data.overall = lib.getOverallRank();
    data.headset = lib.getHeadsetConnection();
    return data;
}
