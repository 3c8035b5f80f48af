#include "orvochecklib.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QThread>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "comparison_figures.h"
#include "list_acceptance.h"
#include "os_probe.h"
#include "webloader.h"

namespace {

// Whether every byte is below 0x80 and none is zero, eight bytes at a time:
// the check runs over the whole comparison file on every check.
bool isPlainAscii(const QByteArray& bytes) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;
    const char* at = bytes.constData();
    const char* const end = at + bytes.size();
    for (; end - at >= 8; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        // A high bit anywhere, or a zero byte (whose borrow sets its high bit).
        if (((word | ((word - kOnes) & ~word)) & kHighs) != 0) return false;
    }
    for (; at < end; ++at)
        if (*at == '\0' || static_cast<unsigned char>(*at) >= 0x80) return false;
    return true;
}

QJsonArray listOf(const QJsonObject& root, const char* component, const char* list) {
    return root.value(QLatin1String(component)).toObject().value(QLatin1String(list)).toArray();
}

bool sameId(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// For each adapter, the index of its [vendor, device] in the list or, where
// revisions are given, of its [vendor, device, revision] (an adapter without
// a revision is then on none), ignoring case; -1 when absent. One walk serves
// every adapter: turning the JSON entries into text is what a check spends
// its time on.
QVector<int> adaptersOnList(const QList<GpuInfo>& adapters, const QStringList& revisions,
                            const QJsonArray& list) {
    const bool byRevision = !revisions.isEmpty();
    QVector<int> found(adapters.size(), -1);
    for (int at = 0; at < list.size(); ++at) {
        const QJsonArray fields = list.at(at).toArray();
        const QString vendor = fields.at(0).toString();
        QString device;
        QString revision;
        for (int i = 0; i < adapters.size(); ++i) {
            if (found[i] >= 0 || (byRevision && revisions[i].isEmpty()) ||
                !sameId(vendor, adapters[i].vendorId))
                continue;
            if (device.isNull()) device = fields.at(1).toString();
            if (!sameId(device, adapters[i].pciDeviceId)) continue;
            if (byRevision && revision.isNull()) revision = fields.at(2).toString();
            if (!byRevision || sameId(revision, revisions[i])) found[i] = at;
        }
    }
    return found;
}

}  // namespace

OrvoCheckLib::OrvoCheckLib(QObject* parent)
    : QObject(parent),
      m_IsOSVersionOrGreater(&isOSVersionOrGreater),
      m_DownloadTimeLimitMs(WebLoader::kDefaultTotalTimeLimitMs),
      m_DownloadMaxBytes(WebLoader::kDefaultMaxBodyBytes) {}

OrvoCheckLib::~OrvoCheckLib() {
    if (!m_pWebLoader) return;
    disconnect(m_pWebLoader, nullptr, this, nullptr);
    // The loader belongs to the thread that started the comparison. While
    // that thread still runs its loop the loader must die there. Once that
    // thread is gone (the coordinator's ends before its engine), the loader
    // is adopted here first so that its timers stop on their own thread.
    QThread* owner = m_pWebLoader->thread();
    if (!owner) m_pWebLoader->moveToThread(QThread::currentThread());
    if (owner && owner != QThread::currentThread() && owner->isRunning())
        m_pWebLoader->deleteLater();
    else
        delete m_pWebLoader;
    m_pWebLoader = nullptr;
}

void OrvoCheckLib::setDownloadLimits(int totalTimeLimitMs, qint64 maxBodyBytes) {
    m_DownloadTimeLimitMs = totalTimeLimitMs;
    m_DownloadMaxBytes = maxBodyBytes;
}

void OrvoCheckLib::startCompare(const QString& url, const QString& savePath,
                                const QString& defaultPath) {
    if (url.isEmpty() || savePath.isEmpty()) {
        compareWithFile(defaultPath);
        emit compareFinished();
        return;
    }

    delete m_pWebLoader;
    m_pWebLoader = nullptr;

    m_DownloadPath = savePath;
    m_DefaultPath = defaultPath;
    m_pWebLoader = new WebLoader(m_DownloadTimeLimitMs, m_DownloadMaxBytes);
    connect(m_pWebLoader, &WebLoader::downloaded, this, &OrvoCheckLib::onDownloaded);
    qDebug() << "[OrvoCheckLib] Download online json file";
    m_pWebLoader->download(url, savePath);
}

void OrvoCheckLib::onDownloaded(bool succ) {
    // The bytes whose signature was checked are the ones ranked against,
    // from memory, whatever became of the saved file. A download that could
    // not be saved (a folder the user cannot write) is still the newest list.
    // The loader wrote them before signalling and no longer touches them.
    const bool unsaved = succ && m_pWebLoader && m_pWebLoader->bodyUnsaved();
    const bool used =
        succ && m_pWebLoader &&
        downloadedListAccepted(m_pWebLoader->body(), m_pWebLoader->signature(), m_DefaultPath) &&
        compareWithJson(m_pWebLoader->body(),
                        m_DownloadPath + (unsaved ? QStringLiteral(" (not saved)") : QString()));
    if (!used) compareWithFile(m_DefaultPath);
    emit compareFinished();
}

bool OrvoCheckLib::compareWithFile(const QString& path) {
    QByteArray bytes;
    return readFileBytes(path, bytes) && compareWithJson(bytes, path);
}

bool OrvoCheckLib::compareWithJson(const QByteArray& bytes, const QString& source) {
    if (!parseJson(bytes)) return false;
    qDebug() << "[OrvoCheckLib] Json path: " << source;
    return evaluateRanks();
}

bool OrvoCheckLib::readJsonFile(const QString& path) {
    QByteArray bytes;
    return readFileBytes(path, bytes) && parseJson(bytes);
}

bool OrvoCheckLib::readFileBytes(const QString& path, QByteArray& bytes) {
    if (!QFile::exists(path)) {
        qDebug() << "Fatal:" << path << "doesn't exist!";
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Fatal! Failed to open" << path;
        return false;
    }
    bytes = file.readAll();
    return true;
}

bool OrvoCheckLib::parseJson(QByteArray bytes) {
    // Read as text, as the toolkit's text mode would: every carriage return
    // is dropped, here in one pass over the whole file, which is faster.
    // (memchr, not QByteArray::contains: the library's search is many times
    // faster over a file of half a megabyte.)
    if (std::memchr(bytes.constData(), '\r', size_t(bytes.size())))
        bytes.resize(int(std::remove(bytes.begin(), bytes.end(), '\r') - bytes.begin()));
    // Text that is plain ASCII reads as itself; other bytes go through the
    // toolkit's text decoding as they always did (a broken sequence becomes a
    // replacement character, the text ends at a zero byte).
    const bool ascii = isPlainAscii(bytes);

    // The figures are as large as the lists, and parsing is what a check
    // spends its time on: the lists are parsed, the figures only checked,
    // their few needed entries parsed later. Whatever the split cannot vouch
    // for goes to the toolkit's parser whole, as before.
    const QByteArray whole = ascii ? bytes : QString::fromUtf8(bytes).toUtf8();
    QByteArray lists = whole;
    const QByteArray figures = cutFiguresMember(lists);
    m_Figures = ComparisonFigures(figures);
    QJsonParseError error;
    QJsonDocument document;
    if (!figures.isEmpty() && m_Figures.wellFormed()) {
        document = QJsonDocument::fromJson(lists, &error);
        if (document.isNull() || error.error != QJsonParseError::NoError ||
            document.object().isEmpty())
            document = QJsonDocument();
    }
    if (document.isNull()) {
        document = QJsonDocument::fromJson(whole, &error);
        const QJsonValue member = document.object().value(QLatin1String("Figures"));
        m_Figures = ComparisonFigures(
            member.isObject() ? QJsonDocument(member.toObject()).toJson(QJsonDocument::Compact)
            : member.isUndefined() ? QByteArray()
                                   : QByteArrayLiteral("null"));
    }
    if (document.isNull() || error.error != QJsonParseError::NoError) {
        qDebug() << "Fatal! Failed to parse json file:" << error.errorString()
                 << ", offset:" << error.offset;
        return false;
    }
    m_JsonRoot = document.object();
    return true;
}

bool OrvoCheckLib::evaluateRanks() {
    const QString version = m_JsonRoot.value(QLatin1String("Version")).toString();
    if (version.isEmpty()) {
        qDebug() << "ERROR! Fail to read version";
        return false;
    }
    qDebug() << "[OrvoCheckLib] Json version: " << version;
    m_JsonVersion = version;

    const QJsonArray osGood = listOf(m_JsonRoot, "OS", "Good list");
    const QJsonArray osBad = listOf(m_JsonRoot, "OS", "Bad list");
    if (osGood.isEmpty() || osBad.isEmpty()) {
        qWarning() << "ERROR! Failed to read OS list";
        return false;
    }
    const QJsonArray cpuGood = listOf(m_JsonRoot, "CPU", "Good list");
    const QJsonArray cpuBad = listOf(m_JsonRoot, "CPU", "Bad list");
    if (cpuGood.isEmpty()) {
        qWarning() << "ERROR! Failed to read CPU list";
        return false;
    }
    const QJsonArray gpuGood = listOf(m_JsonRoot, "GPU", "Good list");
    const QJsonArray gpuBad = listOf(m_JsonRoot, "GPU", "Bad list");
    if (gpuGood.isEmpty()) {
        qWarning() << "ERROR! Failed to read GPU list";
        return false;
    }
    const double goodMin = m_JsonRoot.value(QLatin1String("Memory"))
                               .toObject()
                               .value(QLatin1String("Good min"))
                               .toDouble(0.0);
    if (!(goodMin > 0.0)) {
        qWarning() << "ERROR! Failed to read memory condition";
        return false;
    }

    const ComparisonFigures& figures = m_Figures;
    m_OSReason = RankReason();
    if (!m_Is64Bit) {
        m_OSRank = RANK_BAD;
        m_OSReason.decidedBy = DecidedBy::Minimum;
    } else {
        m_OSRank = rankByName(m_OSName, osGood, osBad);
        m_OSReason.decidedBy = m_OSRank == RANK_GOOD  ? DecidedBy::GoodList
                               : m_OSRank == RANK_BAD ? DecidedBy::BadList
                               : m_OSName.isEmpty()   ? DecidedBy::NothingFound
                                                      : DecidedBy::NotListed;
        if (m_OSRank == RANK_GOOD && !m_IsOSVersionOrGreater(6, 1, 1)) {
            m_OSRank = RANK_BAD;
            m_OSReason.decidedBy = DecidedBy::Minimum;
        }
    }

    // Ranked as rankByName() does, keeping where the name was found.
    m_CPUReason = RankReason();
    const int cpuGoodAt = indexOfName(m_CPUName, cpuGood);
    const int cpuBadAt = cpuGoodAt < 0 ? indexOfName(m_CPUName, cpuBad) : -1;
    m_CPURank = cpuGoodAt >= 0 ? RANK_GOOD : cpuBadAt >= 0 ? RANK_BAD : RANK_UNKNOWN;
    if (cpuGoodAt >= 0) {
        m_CPUReason.decidedBy = DecidedBy::GoodList;
        figures.explain("CPU", QStringLiteral("Good list"), cpuGoodAt, cpuGood.size(), m_CPUReason);
    } else if (cpuBadAt >= 0) {
        m_CPUReason.decidedBy = DecidedBy::BadList;
        figures.explain("CPU", QStringLiteral("Bad list"), cpuBadAt, cpuBad.size(), m_CPUReason);
    } else {
        m_CPUReason.decidedBy = m_CPUName.isEmpty() ? DecidedBy::NothingFound : DecidedBy::NotListed;
    }

    // Products that share a vendor and device ID but differ in speed are told
    // apart by their revision; a revision on neither of those lists leaves the
    // pair lists, ranked by the ID's weakest product, to answer.
    const QJsonArray revisionGood = listOf(m_JsonRoot, "GPU", "Good revisions");
    const QJsonArray revisionBad = listOf(m_JsonRoot, "GPU", "Bad revisions");
    QStringList revisions;
    for (const GpuInfo& adapter : qAsConst(m_GPUs)) revisions << revisionOf(adapter.pnpDeviceId);
    const QVector<int> onRevisionGood = adaptersOnList(m_GPUs, revisions, revisionGood);
    const QVector<int> onRevisionBad = adaptersOnList(m_GPUs, revisions, revisionBad);
    const QVector<int> onGood = adaptersOnList(m_GPUs, {}, gpuGood);
    const QVector<int> onBad = adaptersOnList(m_GPUs, {}, gpuBad);
    m_GPURanks.clear();
    m_GPUReasons.clear();
    for (int i = 0; i < m_GPUs.size(); ++i) {
        // The lists in the order they are consulted, each with its rank.
        const struct {
            const char* name;
            DecidedBy decidedBy;
            Rank rank;
            int at;
            int size;
        } lists[] = {
            {"Good revisions", DecidedBy::GoodRevisions, RANK_GOOD, onRevisionGood[i],
             revisionGood.size()},
            {"Bad revisions", DecidedBy::BadRevisions, RANK_BAD, onRevisionBad[i],
             revisionBad.size()},
            {"Good list", DecidedBy::GoodList, RANK_GOOD, onGood[i], gpuGood.size()},
            {"Bad list", DecidedBy::BadList, RANK_BAD, onBad[i], gpuBad.size()},
        };
        const char* decidedBy = "no list";
        Rank rank = RANK_UNKNOWN;
        RankReason reason;
        reason.decidedBy = DecidedBy::NotListed;
        for (const auto& list : lists) {
            if (list.at < 0) continue;
            rank = list.rank;
            decidedBy = list.name;
            reason.decidedBy = list.decidedBy;
            figures.explain("GPU", QLatin1String(list.name), list.at, list.size, reason);
            break;
        }
        qDebug() << "[OrvoCheckLib] GPU" << i << "ranked by" << decidedBy << "for"
                 << m_GPUs[i].pnpDeviceId;
        m_GPURanks.append(rank);
        m_GPUReasons.append(reason);
    }

    m_MemoryRank = goodMin > m_MemorySize ? RANK_BAD : RANK_GOOD;
    m_MemoryReason = RankReason();
    m_MemoryReason.decidedBy = DecidedBy::Minimum;
    // The figure shown is the size as the row shows it, to one decimal.
    m_MemoryReason.figures.append(
        figures.memoryFigure(getMemorySize().toDouble(), goodMin));
    m_Compared = true;

    // The last good adapter represents the machine, else the last unknown
    // one, else simply the last one.
    const int count = m_GPURanks.size();
    m_RepGPUIndex = -1;
    for (int i = count - 1; i >= 0 && m_RepGPUIndex < 0; --i)
        if (m_GPURanks.at(i) == RANK_GOOD) m_RepGPUIndex = i;
    for (int i = count - 1; i >= 0 && m_RepGPUIndex < 0; --i)
        if (m_GPURanks.at(i) == RANK_UNKNOWN) m_RepGPUIndex = i;
    if (m_RepGPUIndex < 0) m_RepGPUIndex = count - 1;

    const QString repRank = getRepGPURank();
    const QString good = rankText(RANK_GOOD);
    const QString bad = rankText(RANK_BAD);
    if (m_OSRank == RANK_GOOD && m_MemoryRank == RANK_GOOD && m_CPURank == RANK_GOOD &&
        repRank == good)
        m_OverallRank = RANK_GOOD;
    else if (m_OSRank == RANK_BAD || m_MemoryRank == RANK_BAD || m_CPURank == RANK_BAD ||
             repRank == bad)
        m_OverallRank = RANK_BAD;
    else
        m_OverallRank = RANK_UNKNOWN;

    qDebug() << "[OrvoCheckLib] CPU rank:" << getCPURank();
    qDebug() << "[OrvoCheckLib] GPU ranks:";
    for (int i = 0; i < count; ++i)
        qDebug() << "[OrvoCheckLib] GPU" << i << "-" << getGPURank(i) << "for"
                 << m_GPUNames.value(i);
    qDebug() << "[OrvoCheckLib] Representative GPU index:" << m_RepGPUIndex;
    qDebug() << "[OrvoCheckLib] Memory rank:" << getMemoryRank();
    qDebug() << "[OrvoCheckLib] OS rank:" << getOSRank();
    qDebug() << "[OrvoCheckLib] Overall rank:" << getOverallRank();
    return true;
}

Rank OrvoCheckLib::rankByName(const QString& name, const QJsonArray& goodList,
                              const QJsonArray& badList) {
    if (listHasName(name, goodList)) return RANK_GOOD;
    if (listHasName(name, badList)) return RANK_BAD;
    return RANK_UNKNOWN;
}

bool OrvoCheckLib::listHasName(const QString& name, const QJsonArray& list) {
    return indexOfName(name, list) >= 0;
}

int OrvoCheckLib::indexOfName(const QString& name, const QJsonArray& list) {
    for (int i = 0; i < list.size(); ++i)
        if (QString::compare(list.at(i).toString(), name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool OrvoCheckLib::listHasGPU(const GpuInfo& adapter, const QJsonArray& list) {
    return adaptersOnList({adapter}, {}, list).first() >= 0;
}

bool OrvoCheckLib::listHasGPURevision(const GpuInfo& adapter, const QJsonArray& list) {
    const QString revision = revisionOf(adapter.pnpDeviceId);
    return !revision.isEmpty() && adaptersOnList({adapter}, {revision}, list).first() >= 0;
}

// Windows goes on after the revision with the instance path
// ("...&REV_C5\6&2E5A1B9E&0&00000009"); the probe on Linux ends with it.
QString OrvoCheckLib::revisionOf(const QString& pnpDeviceId) {
    const int at = pnpDeviceId.indexOf(QLatin1String("REV_"));
    if (at < 0) return QString();
    const QString digits = pnpDeviceId.mid(at + 4, 3);
    auto isHex = [](QChar c) { return c.isDigit() || QStringLiteral("abcdefABCDEF").contains(c); };
    if (digits.size() < 2 || !isHex(digits[0]) || !isHex(digits[1]) ||
        (digits.size() == 3 && isHex(digits[2])))
        return QString();
    return digits.left(2);
}

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
