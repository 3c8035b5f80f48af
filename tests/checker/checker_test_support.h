#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <functional>

#include "orvochecklib.h"
#include "webloader.h"

// A thread with an event loop, like the coordinator's worker thread.
class WorkerThread {
public:
    WorkerThread();
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Runs `work` on the thread's loop and waits for it.
    void run(const std::function<void()>& work);
    QThread* thread() { return &m_Thread; }

private:
    QThread m_Thread;
    QObject* m_Context;
};

// A fresh temporary directory as the process's working directory, with an
// empty "comp" folder, for as long as it lives.
class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;
    bool isValid() const { return m_Dir.isValid(); }

private:
    QTemporaryDir m_Dir;
    QString m_Previous;
};

struct TestAdapter {
    QString name;
    QString vendorId;
    QString deviceId;
};

// The engine with its probe results and its version check under the test's
// control, and its internal steps reachable.
class TestEngine : public OrvoCheckLib {
public:
    using OrvoCheckLib::compareWithFile;
    using OrvoCheckLib::evaluateRanks;
    using OrvoCheckLib::listHasGPU;
    using OrvoCheckLib::listHasName;
    using OrvoCheckLib::rankByName;
    using OrvoCheckLib::readJsonFile;

    void setMachine(const QString& osName, bool is64Bit, const QString& cpuName, double memoryGB,
                    const QList<TestAdapter>& adapters);
    void setPnpDeviceId(int adapter, const QString& id) { m_GPUs[adapter].pnpDeviceId = id; }
    void setVersionCheck(bool (*check)(unsigned, unsigned, unsigned)) {
        m_IsOSVersionOrGreater = check;
    }
    QJsonObject jsonRoot() const { return m_JsonRoot; }
    int repIndex() const { return m_RepGPUIndex; }
};

// The loader with its counters and timers visible.
class TestWebLoader : public WebLoader {
public:
    using WebLoader::WebLoader;
    qint32 fileDownSize() const { return m_FileDownSize; }
    qint32 lastDownSize() const { return m_LastDownSize; }
    bool stallTimerActive() const { return m_Timer.isActive(); }
    int stallInterval() const { return m_Timer.interval(); }
    bool stallTimerRepeats() const { return !m_Timer.isSingleShot(); }
    bool totalTimerActive() const { return m_TotalTimer.isActive(); }
};

// One download on its own worker thread, as the engine runs it; the outcome
// is recorded on the test's thread.
class LoaderRun {
public:
    LoaderRun(const QString& url, const QString& savePath,
              int totalTimeLimitMs = WebLoader::kDefaultTotalTimeLimitMs,
              qint64 maxBodyBytes = WebLoader::kDefaultMaxBodyBytes);
    ~LoaderRun();
    LoaderRun(const LoaderRun&) = delete;
    LoaderRun& operator=(const LoaderRun&) = delete;

    int emissions() const { return m_Emissions; }
    bool result() const { return m_Result; }
    qint64 elapsedMs() const { return m_ElapsedMs; }
    QThread* thread() { return m_Worker.thread(); }
    // The loader's state, read on its own thread.
    void inspect(const std::function<void(const TestWebLoader&)>& look);

private:
    WorkerThread m_Worker;
    QObject m_Receiver;
    TestWebLoader* m_Loader = nullptr;
    QElapsedTimer m_Clock;
    std::atomic<int> m_Emissions{0};
    bool m_Result = false;
    qint64 m_ElapsedMs = -1;
};

// Everything a check tells (ranks, names, reasons, figures, witnesses) as
// one text, for comparing two checks.
QString checkOutcome(const TestEngine& engine, bool evaluated);

// A comparison file that passes every rule and ranks the good machine
// below good throughout.
QJsonObject validComparison(const QString& version = QStringLiteral("test-1"));
QByteArray toJsonBytes(const QJsonObject& object);
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Names and IDs on the lists of validComparison().
namespace fixture {
extern const char* const kGoodOS;
extern const char* const kBadOS;
extern const char* const kGoodCPU;
extern const char* const kBadCPU;
extern const TestAdapter kGoodGPU;
extern const TestAdapter kBadGPU;
extern const TestAdapter kUnknownGPU;
}  // namespace fixture
