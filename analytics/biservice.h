#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <deque>
#include <memory>

class BiClient;
struct InfoRecord;

// Turns one finished run into analytics records and drives the analytics
// client from start to release. Lives on the main thread, but every step is
// called directly on the check coordinator's worker thread, one after another.
// Constructing it touches nothing: the settings, the client and its files are
// first used by initSession().
class BIService : public QObject {
    Q_OBJECT
public:
    BIService();
    // Drives the given client instead of the process-wide BiLogger facade.
    explicit BIService(BiClient& client);
    ~BIService() override;
    BIService(const BIService&) = delete;
    BIService& operator=(const BIService&) = delete;

    // The folder handed to the client as its storage directory from the next
    // initSession() on; the shared working directory unless set.
    void setStorageDirectory(const QString& directory);

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

private:
    void checkEnvironment();
    void initBILogger();
    bool onSendToBIServer();
    void FlushBILogger();
    void enqueue(std::unique_ptr<InfoRecord> entry);
    // False when the client did not take the record for storing.
    bool sendEntry(const InfoRecord& entry);

    BiClient& m_client;
    QString m_sessionId;
    QString m_appVersion;
    QString m_storageDir;
    QString m_storageChoice;
    int m_unstoredRecords = 0;
    bool clientReady = false;
    std::deque<std::unique_ptr<InfoRecord>> mMsgQueue;
    // Guards mMsgQueue and the client calls that initialise, build and send
    // records, flush, count and release. Not recursive: no step that holds it
    // calls another step that takes it.
    QMutex m_lock;
};
