// What both analytics workers share: a thread started with the first piece
// of work, an auto-reset event that wakes it, a stop flag, a stop deadline
// and a database connection of its own. What a worker holds and how it
// drains it is the derived class's (BiTaskQueue, BiRecordBatcher).
//
// Thread-safety: submitting may happen from any thread; stopWorker() and
// restartWorker() from one thread (the facade's release() and init()).
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "bi_log_store.h"

// Auto-reset event: a signal is remembered until one wait consumes it.
class BiAutoResetEvent {
public:
    void set();
    void wait();

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_signalled = false;
};

// How long a stopping worker still tries to store records the database is
// too busy to take.
constexpr std::chrono::milliseconds kBiStoreDeadline{5000};

class BiWorkerThread {
public:
    // Store on a fixed file, or on the process-wide path when empty.
    explicit BiWorkerThread(std::string databaseFile);
    virtual ~BiWorkerThread() = default;
    BiWorkerThread(const BiWorkerThread&) = delete;
    BiWorkerThread& operator=(const BiWorkerThread&) = delete;

    bool threadStarted() const;

    // How the worker's thread is started; tests replace it to run out of
    // threads. Null restores std::thread. Set it before the first submit.
    using ThreadStarter = std::function<std::thread(std::function<void()>)>;
    void setThreadStarter(ThreadStarter starter);

    std::atomic<bool> stopRequested{false};
    BiLogStore store;

protected:
    // With m_mutex held: starts the thread if there is none. False when the
    // worker is stopped or its thread cannot start (nothing is queued then).
    bool startLocked();
    void wake() { m_wakeEvent.set(); }
    // Stopping, and the stop deadline has passed.
    bool pastStopDeadline() const;
    // Derived destructors stop the thread before their members go.
    void stopInDestructor();

    // Nothing held (m_mutex held).
    virtual bool idleLocked() const = 0;
    // Runs what is held; called on the worker's thread after each wake-up.
    virtual void drain() = 0;

    mutable std::mutex m_mutex;  // what the derived class holds, the thread, stop vs submit

private:
    friend void stopWorker(BiWorkerThread& worker, BiSteadyTime deadline);
    friend void restartWorker(BiWorkerThread& worker);
    void threadMain();

    BiSteadyTime m_stopDeadline;  // written before stopRequested is set
    std::thread m_thread;
    ThreadStarter m_startThread;
    BiAutoResetEvent m_wakeEvent;
};

// Sets the worker's stop flag, waits for its thread to drain what it holds
// and end, then closes its store. No wait of the worker's store goes past the
// deadline; records it still cannot store then are given up as lost.
void stopWorker(BiWorkerThread& worker, BiSteadyTime deadline);
void stopWorker(BiWorkerThread& worker, std::chrono::milliseconds storeDeadline = kBiStoreDeadline);
// A stopped worker takes work again (a new init after release()).
void restartWorker(BiWorkerThread& worker);
