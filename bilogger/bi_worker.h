// The two background workers of the analytics client: a thread each, fed by a
// FIFO of tasks and woken by an auto-reset event. Threads start lazily with
// the first task; once stopped, a worker stays stopped for the process.
//
// Thread-safety: submit() may be called from any thread; stopWorkers() from
// one thread (the facade's release()).
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "bi_log_store.h"
#include "bi_task.h"

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

class BiWorker {
public:
    // Store on the process-wide database path.
    BiWorker();
    // Store on a fixed file (tests, benchmarks).
    explicit BiWorker(std::string databaseFile);
    // Stops the thread if release() never did (draining what is queued), so
    // that no thread outlives the objects it uses.
    ~BiWorker();
    BiWorker(const BiWorker&) = delete;
    BiWorker& operator=(const BiWorker&) = delete;

    bool threadStarted() const;
    size_t queuedTasks() const;

    // How the worker's thread is started; tests replace it to run out of
    // threads. Null restores std::thread. Set it before the first submit.
    using ThreadStarter = std::function<std::thread(std::function<void()>)>;
    void setThreadStarter(ThreadStarter starter);

    std::atomic<bool> stopRequested{false};
    BiLogStore store;

private:
    friend bool submit(BiWorker& worker, BiTaskBase* task);
    friend void stopWorker(BiWorker& worker);
    void threadMain();
    void runGuarded(BiTaskBase& task);
    bool pop(std::unique_ptr<BiTaskBase>& task);
    bool queueEmpty() const;

    mutable std::mutex m_mutex;  // queue, thread creation, stop vs submit
    std::deque<std::unique_ptr<BiTaskBase>> m_queue;
    std::thread m_thread;
    ThreadStarter m_startThread;
    BiAutoResetEvent m_wakeEvent;
};

// The process-wide workers.
extern BiWorker recordWriter;
extern BiWorker uploader;

// Queues task on worker (taking ownership) and starts the worker's thread if
// needed. False when the task was dropped: the worker is stopped, or its
// thread cannot be started (then nothing stays queued, and a later submit
// tries again).
bool submit(BiWorker& worker, BiTaskBase* task);
// Sets the worker's stop flag, waits for its thread to drain its queue and
// end, then closes its store.
void stopWorker(BiWorker& worker);
// recordWriter first, so every record sent before is stored; then uploader.
void stopWorkers();
