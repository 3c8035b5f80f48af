#include "orvochecklib.h"

#include <QDebug>

#include "comparison_parsing.h"
#include "comparison_reading.h"
#include "os_probe.h"
#include "webloader.h"

// The engine's wiring: a comparison file is read, decoded and parsed, then
// ranked (orvochecklib_ranking.cpp); the download that may come first is
// wired in orvochecklib_download.cpp, the probes in orvochecklib_probes.cpp.

OrvoCheckLib::OrvoCheckLib(QObject* parent)
    : QObject(parent),
      m_IsOSVersionOrGreater(&isOSVersionOrGreater),
      m_DownloadTimeLimitMs(WebLoader::kDefaultTotalTimeLimitMs),
      m_DownloadMaxBytes(WebLoader::kDefaultMaxBodyBytes) {}

bool OrvoCheckLib::compareWithFile(const QString& path) {
    QByteArray bytes;
    return readComparisonFile(path, bytes) && compareWithJson(bytes, path);
}

bool OrvoCheckLib::compareWithJson(const QByteArray& bytes, const QString& source) {
    if (!parseJson(bytes)) return false;
    qDebug() << "[OrvoCheckLib] Json path: " << source;
    return evaluateRanks();
}

bool OrvoCheckLib::readJsonFile(const QString& path) {
    QByteArray bytes;
    return readComparisonFile(path, bytes) && parseJson(bytes);
}

bool OrvoCheckLib::parseJson(const QByteArray& bytes) {
    ComparisonDocument document;
    if (!parseComparison(decodeComparisonText(bytes), document)) return false;
    m_JsonRoot = document.root;
    m_Figures = document.figures;
    return true;
}

QString OrvoCheckLib::getCPUName() const { return m_CPUName; }
QString OrvoCheckLib::getCPURank() const { return rankText(m_CPURank); }
QStringList OrvoCheckLib::getGPUNames() const {
    QStringList names = m_GPUNames;
    for (int i = 0; i < names.size() && i < m_GPUProductNames.size(); ++i)
        if (!m_GPUProductNames.at(i).isEmpty()) names[i] = m_GPUProductNames.at(i);
    return names;
}
QString OrvoCheckLib::getGPURank(int index) const {
    return index >= 0 && index < m_GPURanks.size() ? rankText(m_GPURanks.at(index))
                                                   : rankText(RANK_UNCHECKED);
}
QString OrvoCheckLib::getRepGPUName() const {
    return getGPUNames().value(m_RepGPUIndex);
}
QString OrvoCheckLib::getRepGPURank() const { return getGPURank(m_RepGPUIndex); }
QString OrvoCheckLib::getMemorySize() const { return QString::number(m_MemorySize, 'f', 1); }
QString OrvoCheckLib::getMemoryRank() const { return rankText(m_MemoryRank); }
QString OrvoCheckLib::getOSName() const { return m_OSName; }
QString OrvoCheckLib::getOSRank() const { return rankText(m_OSRank); }
QString OrvoCheckLib::getOverallRank() const { return rankText(m_OverallRank); }
QString OrvoCheckLib::getJsonVersion() const { return m_JsonVersion; }

RankReason OrvoCheckLib::getGPUReason(int index) const {
    if (index >= 0 && index < m_GPUReasons.size()) return m_GPUReasons.at(index);
    RankReason none;
    if (m_Compared) none.decidedBy = DecidedBy::NothingFound;
    return none;
}

RankReason OrvoCheckLib::getReason(const QString& row) const {
    if (!m_Compared) return RankReason();
    if (row == QLatin1String("cpu")) return m_CPUReason;
    if (row == QLatin1String("gpu")) return getGPUReason(m_RepGPUIndex);
    if (row == QLatin1String("memory")) return m_MemoryReason;
    if (row == QLatin1String("os")) return m_OSReason;
    return RankReason();
}

QString OrvoCheckLib::getAdvice(const QString& row) const {
    const Rank rank = row == QLatin1String("cpu")      ? m_CPURank
                      : row == QLatin1String("memory") ? m_MemoryRank
                      : row == QLatin1String("os")     ? m_OSRank
                      : m_RepGPUIndex >= 0             ? m_GPURanks.value(m_RepGPUIndex)
                                                       : RANK_UNCHECKED;
    return adviceFor(row, rank, getReason(row), m_Chassis);
}
