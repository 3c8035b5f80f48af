// The engine's ranking: every row against the lists of the parsed comparison
// file, with the figures behind the entry that decided it.
#include <QDebug>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>

#include "orvochecklib.h"
#include "wmi_source.h"

namespace {

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

// The adapter named by its products, after the maker's short name that
// begins a name built from the PCI list ("NVIDIA Device 2705").
QString adapterNamedBy(const QString& probed, const QStringList& products) {
    if (products.isEmpty()) return QString();
    const QString maker = probed.section(QLatin1Char(' '), 0, 0);
    const QString named = products.join(QStringLiteral(" / "));
    return maker.isEmpty() || maker == QLatin1String("Device") ? named
                                                                : maker + QLatin1Char(' ') + named;
}

// The words of a release's name before its version ("Debian GNU/Linux 11
// (bullseye)" gives "Debian GNU/Linux"); a name without one is all system.
QString systemOf(const QString& release) {
    QStringList words;
    for (const QString& word : release.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.contains(QRegularExpression(QStringLiteral("[0-9(]")))) break;
        words << word;
    }
    return words.join(QLatin1Char(' '));
}

// A release as its users name it: the system and the version's first two
// parts, without point releases, support words or code names ("Ubuntu
// 22.04.3 LTS" gives "Ubuntu 22.04", "Fedora Linux 40 (Workstation
// Edition)" gives "Fedora Linux 40").
QString releaseOf(const QString& listed) {
    const QString system = systemOf(listed);
    const QRegularExpressionMatch version =
        QRegularExpression(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)"))
            .match(listed.mid(system.size()));
    return version.hasMatch() ? system + QLatin1Char(' ') + version.captured(1) : system;
}

// The good list's releases of the same system as osName, each once, in the
// list's order; where the list holds none of that system, its releases of
// every system but Windows.
QStringList listedReleasesFor(const QString& osName, const QJsonArray& good) {
    const QString system = systemOf(osName);
    QStringList same, others;
    for (const QJsonValue& value : good) {
        const QString listed = value.toString();
        if (listed.startsWith(QLatin1String("Windows"), Qt::CaseInsensitive)) continue;
        QStringList& into =
            QString::compare(systemOf(listed), system, Qt::CaseInsensitive) == 0 ? same : others;
        const QString release = releaseOf(listed);
        if (!release.isEmpty() && !into.contains(release)) into << release;
    }
    qDebug() << "[OrvoCheckLib] OS" << osName << "on no list;" << same.size()
             << "listed releases of the same system";
    return same.isEmpty() ? others : same;
}

}  // namespace

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
        if (m_OSReason.decidedBy == DecidedBy::NotListed &&
            !m_OSName.startsWith(QLatin1String("Windows"), Qt::CaseInsensitive))
            m_OSReason.listedReleases = listedReleasesFor(m_OSName, osGood);
    }

    // Ranked as rankByName() does, keeping where the name was found.
    m_CPUReason = RankReason();
    const int cpuGoodAt = indexOfName(m_CPUName, cpuGood);
    const int cpuBadAt = cpuGoodAt < 0 ? indexOfName(m_CPUName, cpuBad) : -1;
    m_CPURank = cpuGoodAt >= 0 ? RANK_GOOD : cpuBadAt >= 0 ? RANK_BAD : RANK_UNKNOWN;
    if (cpuGoodAt >= 0) {
        m_CPUReason.decidedBy = DecidedBy::GoodList;
        const auto entry = figures.entry("CPU", QStringLiteral("Good list"), cpuGoodAt, cpuGood.size());
        figures.explain("CPU", entry, entry.products, m_CPUReason);
    } else if (cpuBadAt >= 0) {
        m_CPUReason.decidedBy = DecidedBy::BadList;
        const auto entry = figures.entry("CPU", QStringLiteral("Bad list"), cpuBadAt, cpuBad.size());
        figures.explain("CPU", entry, entry.products, m_CPUReason);
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
    m_GPUProductNames.clear();
    const bool namesFromDriver = adapterNamesFromDriver();
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
        QString productName;
        for (const auto& list : lists) {
            if (list.at < 0) continue;
            rank = list.rank;
            decidedBy = list.name;
            reason.decidedBy = list.decidedBy;
            const auto entry = figures.entry("GPU", QLatin1String(list.name), list.at, list.size);
            const QString& probed = m_GPUNames.at(i);
            // A driver's name tells apart the products one ID stands for; a
            // name from the PCI list may name a chip only, and then the
            // products name the adapter.
            const QList<int> products =
                namesFromDriver ? figures.productsNamedBy("GPU", entry.products, probed)
                                : entry.products;
            figures.explain("GPU", entry, products, reason);
            if (!namesFromDriver && !products.isEmpty() &&
                !figures.namesAnyOf("GPU", products, probed))
                productName = adapterNamedBy(probed, figures.productNames("GPU", products));
            break;
        }
        if (!productName.isEmpty())
            qDebug() << "[OrvoCheckLib] GPU" << i << "named" << productName << "for"
                     << m_GPUNames.at(i);
        m_GPUProductNames.append(productName);
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
