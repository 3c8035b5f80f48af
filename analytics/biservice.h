#pragma once

#include <QObject>
#include <QString>

// Turns one finished run into analytics records and drives the analytics
// client from start to release. Lives on the main thread, but every step is
// called directly on the check coordinator's worker thread, one after another.
class BIService : public QObject {
    Q_OBJECT
public:
    BIService();
    ~BIService() override;
    BIService(const BIService&) = delete;
    BIService& operator=(const BIService&) = delete;

    void initSession();
    void addInfoRecord(const QString& cpuName, const QString& cpuRank, const QString& repGpuName,
                       const QString& repGpuRank, const QString& osName, const QString& osRank,
                       const QString& memorySize, const QString& memoryRank,
                       const QString& overallRank, qint32 orderClicks, qint32 performanceClicks,
                       qint32 readyPcClicks, const QString& jsonVersion);
    void addGpuRecord(const QString& name, const QString& rank);
    void sendBI();

signals:
    void close();
};
