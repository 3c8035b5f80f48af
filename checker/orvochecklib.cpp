#include "orvochecklib.h"

#include <QDebug>

// Placeholder until the comparison engine lands: the accessors report the
// fresh engine's defaults and a comparison ends at once.
OrvoCheckLib::OrvoCheckLib(QObject* parent) : QObject(parent) {}
OrvoCheckLib::~OrvoCheckLib() = default;

void OrvoCheckLib::startCompare(const QString&, const QString&, const QString&) {
    emit compareFinished();
}
void OrvoCheckLib::onDownloaded(bool) {}
bool OrvoCheckLib::compareWithFile(const QString&) { return false; }
bool OrvoCheckLib::readJsonFile(const QString&) { return false; }
bool OrvoCheckLib::evaluateRanks() { return false; }
Rank OrvoCheckLib::rankByName(const QString&, const QJsonArray&, const QJsonArray&) {
    return RANK_UNKNOWN;
}
bool OrvoCheckLib::listHasName(const QString&, const QJsonArray&) { return false; }
bool OrvoCheckLib::listHasGPU(const GpuInfo&, const QJsonArray&) { return false; }

QString OrvoCheckLib::getCPUName() const { return m_CPUName; }
QString OrvoCheckLib::getCPURank() const { return rankText(m_CPURank); }
QStringList OrvoCheckLib::getGPUNames() const { return m_GPUNames; }
QString OrvoCheckLib::getGPURank(int index) const {
    return index >= 0 && index < m_GPURanks.size() ? rankText(m_GPURanks.at(index))
                                                   : rankText(RANK_UNCHECKED);
}
QString OrvoCheckLib::getRepGPUName() const {
    return m_RepGPUIndex >= 0 && m_RepGPUIndex < m_GPUNames.size() ? m_GPUNames.at(m_RepGPUIndex)
                                                                    : QString();
}
QString OrvoCheckLib::getRepGPURank() const { return getGPURank(m_RepGPUIndex); }
QString OrvoCheckLib::getMemorySize() const { return QString::number(m_MemorySize, 'f', 1); }
QString OrvoCheckLib::getMemoryRank() const { return rankText(m_MemoryRank); }
QString OrvoCheckLib::getOSName() const { return m_OSName; }
QString OrvoCheckLib::getOSRank() const { return rankText(m_OSRank); }
QString OrvoCheckLib::getOverallRank() const { return rankText(m_OverallRank); }
QString OrvoCheckLib::getJsonVersion() const { return m_JsonVersion; }
