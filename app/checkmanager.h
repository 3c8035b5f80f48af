#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include "orvochecklib.h"

class BIService;

// Runs one check on a worker thread of its own, pushes the results into the
// window and, when the window is closed with consent, hands the results and
// the window's click counters to the analytics service.
//
// Threads: the coordinator lives on its worker thread, so its slots run
// there. The engine member stays on the thread that built the coordinator
// (the main thread). Results reach the window only as posted calls, and the
// window's properties are read on the window's own thread through a blocking
// call, since QML objects must not be touched from another thread.
class CheckManager : public QObject {
    Q_OBJECT
public:
    CheckManager(QObject* windowRoot, BIService* service);
    ~CheckManager() override;
    CheckManager(const CheckManager&) = delete;
    CheckManager& operator=(const CheckManager&) = delete;

public slots:
    void onChecking();
    void onCompareFinished();
    void setBIRecord();

protected:
    // Lets a test run the coordinator against an engine it prepared; the
    // engine must outlive the coordinator.
    CheckManager(QObject* windowRoot, BIService* service, OrvoCheckLib* engine);

    // Ends the worker thread's event loop and waits for the thread; a no-op
    // once done. A subclass that overrides the calls below must call it in
    // its own destructor, before its part of the object is gone.
    void stopWorker();

    // The calls into the analytics service, one per step, so that a test can
    // record what the coordinator hands over.
    virtual void serviceInitSession();
    virtual void serviceAddInfoRecord(const QString& cpuName, const QString& cpuRank,
                                      const QString& repGpuName, const QString& repGpuRank,
                                      const QString& osName, const QString& osRank,
                                      const QString& memorySize, const QString& memoryRank,
                                      const QString& overallRank, qint32 orderClicks,
                                      qint32 performanceClicks, qint32 readyPcClicks,
                                      const QString& jsonVersion);
    virtual void serviceAddGpuRecord(const QString& name, const QString& rank);
    virtual void serviceSendBI();

private:
    void postSetRank(const QString& key, const QString& value, const QString& rank);
    // Why each row has its rank and what would fix it, in the user's
    // language; "comparison" carries the line shown when none could be made.
    // The headset connection's three lines go with them.
    void postReasons();
    void postSetReason(const QString& key, const QString& lines, const QString& advice);
    // Where the headset plugs in: three lines beside the rows, not in the verdict.
    void postHeadset(const HeadsetConnection& headset);
    int readWindowCounter(const char* name);

    OrvoCheckLib m_Engine;
    OrvoCheckLib* m_pEngine;  // m_Engine unless a test supplied one; not owned
    QObject* m_pWindowRoot;   // owned by the declarative engine
    BIService* m_pService;    // owned by start-up
    QString m_ProgramDir;     // read on the main thread, used on the worker
    QThread m_WorkerThread;
};
