#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "headset_connection.h"
#include "chassis.h"
#include "comparison_figures.h"
#include "probe_types.h"
#include "rank.h"
#include "rank_reason.h"

class WebLoader;

// The check engine: probed facts, the comparison file and every rank.
//
// Threads: probeSystem() and startCompare() run on the coordinator's worker
// thread; after a download, onDownloaded() and the evaluation run on the
// thread this object belongs to. No lock is taken: the order of the steps
// keeps writers and readers apart (probes, then compare, then reads after
// compareFinished()).
class OrvoCheckLib : public QObject {
    Q_OBJECT
public:
    explicit OrvoCheckLib(QObject* parent = nullptr);
    ~OrvoCheckLib() override;
    OrvoCheckLib(const OrvoCheckLib&) = delete;
    OrvoCheckLib& operator=(const OrvoCheckLib&) = delete;

    void probeSystem();
    void startCompare(const QString& url, const QString& savePath, const QString& defaultPath);

    // Caps of the comparison download's whole transfer (see WebLoader);
    // take effect at the next startCompare.
    void setDownloadLimits(int totalTimeLimitMs, qint64 maxBodyBytes);

    QString getCPUName() const;
    QString getCPURank() const;
    // The adapters' names as shown: on a system whose own name of an
    // adapter names no product, the comparison data's product names.
    QStringList getGPUNames() const;
    // As the system reported them, for the analytics records, which count
    // what machines report rather than what the comparison data says.
    QStringList getProbedGPUNames() const { return m_GPUNames; }
    QString getRepGPUProbedName() const { return m_GPUNames.value(m_RepGPUIndex); }
    QString getGPURank(int index) const;
    QString getRepGPUName() const;
    QString getRepGPURank() const;
    QString getMemorySize() const;
    QString getMemoryRank() const;
    QString getOSName() const;
    QString getOSRank() const;
    QString getOverallRank() const;
    QString getJsonVersion() const;
    // Where the headset can plug in, judged against the ranked adapter;
    // meaningful after probeSystem() and the comparison, read like the
    // other accessors. Judged (and traced) anew on every call.
    HeadsetConnection getHeadsetConnection() const;

    // Why a row ("cpu", "gpu" for the representative adapter, "memory",
    // "os") has its rank, and what would change a doubtful one; before a
    // comparison, or when none could be made, decided by NotCompared.
    RankReason getReason(const QString& row) const;
    QString getAdvice(const QString& row) const;
    RankReason getGPUReason(int index) const;
    int getRepGPUIndex() const { return m_RepGPUIndex; }
    ChassisKind getChassis() const { return m_Chassis; }

    static QString collapseSpaces(const QString& text);
    static QString extractBetween(const QString& text, const QString& start, const QString& end);

signals:
    void compareFinished();

public slots:
    void onDownloaded(bool succ);

protected:
    // Probes (one per component); protected so that tests can drive them.
    void readCPU();
    void readOS();
    void readGPUs();
    void readMemory();
    void readHeadsetPorts();
    void readChassis();

    bool compareWithFile(const QString& path);
    // Ranks against a comparison file's content; source names it in the log.
    bool compareWithJson(const QByteArray& bytes, const QString& source);
    bool readJsonFile(const QString& path);
    bool parseJson(const QByteArray& bytes);
    bool evaluateRanks();
    static Rank rankByName(const QString& name, const QJsonArray& goodList,
                           const QJsonArray& badList);
    static bool listHasName(const QString& name, const QJsonArray& list);
    // The index of the name in the list, ignoring case, else -1.
    static int indexOfName(const QString& name, const QJsonArray& list);
    static bool listHasGPU(const GpuInfo& adapter, const QJsonArray& list);
    // Whether a list of [vendor, device, revision] triples holds the adapter;
    // an adapter whose PNP device ID carries no revision is on none.
    static bool listHasGPURevision(const GpuInfo& adapter, const QJsonArray& list);
    // The two hexadecimal digits after "REV_" in a PNP device ID, else empty.
    static QString revisionOf(const QString& pnpDeviceId);

    QString m_CPUName;
    QStringList m_GPUNames;         // as probed
    QStringList m_GPUProductNames;  // per adapter, the name by its products, else empty
    qint32 m_RepGPUIndex = -1;
    double m_MemorySize = 0.0;
    QString m_OSName;
    bool m_Is64Bit = false;
    QString m_JsonVersion;
    Rank m_CPURank = RANK_UNCHECKED;
    QList<Rank> m_GPURanks;
    Rank m_MemoryRank = RANK_UNCHECKED;
    Rank m_OSRank = RANK_UNCHECKED;
    Rank m_OverallRank = RANK_UNCHECKED;
    RankReason m_CPUReason;
    QList<RankReason> m_GPUReasons;
    RankReason m_MemoryReason;
    RankReason m_OSReason;
    bool m_Compared = false;  // the ranks come from a comparison file
    ChassisKind m_Chassis = ChassisKind::Unknown;
    QJsonObject m_JsonRoot;
    ComparisonFigures m_Figures;  // the file's "Figures", read with it
    CpuIdInfo m_CpuId;
    QList<GpuInfo> m_GPUs;
    WebLoader* m_pWebLoader = nullptr;  // owned
    QString m_DownloadPath;
    QString m_DefaultPath;

    // The platform's version check; a member so that tests can answer it.
    bool (*m_IsOSVersionOrGreater)(unsigned major, unsigned minor, unsigned servicePackMajor);
    int m_DownloadTimeLimitMs;
    qint64 m_DownloadMaxBytes;
    DisplayOutputsProbe m_DisplayOutputs;
    UsbControllersProbe m_UsbControllers;
    PowerState m_PowerState;
};
