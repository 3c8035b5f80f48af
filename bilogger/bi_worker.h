// The two background workers of the analytics client: a thread each, fed by a
// FIFO of tasks and woken by an auto-reset event. Threads start lazily with
// the first task; once stopped, a worker stays stopped for the process.
//
// Each wake-up drains the whole queue; the records in it are stored in one
// transaction. A record the database is too busy to take stays in hand and is
// tried again, until it is stored or the stop deadline has passed.
//
// Thread-safety: submit() may be called from any thread and never waits for
// the database (the queue's lock is held only to move tasks in or out);
// stopWorkers() from one thread (the facade's release()).
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

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

// Most records the record writer holds in its queue: the store's own cap.
constexpr std::size_t kBiRecordQueueLimit = 10000;
// How long a stopping worker still tries to store records the database is
// too busy to take.
constexpr std::chrono::milliseconds kBiStoreDeadline{5000};

class BiWorker {
public:
    static constexpr std::size_t kUnbounded = static_cast<std::size_t>(-1);
    // Store on the process-wide database path. A queue at its limit drops its
    // oldest task for each new one.
    explicit BiWorker(std::size_t queueLimit = kUnbounded);
    // Store on a fixed file (tests, benchmarks).
    explicit BiWorker(std::string databaseFile, std::size_t queueLimit = kUnbounded);
    // Stops the thread if release() never did (draining what is queued), so
    // that no thread outlives the objects it uses.
    ~BiWorker();
    BiWorker(const BiWorker&) = delete;
    BiWorker& operator=(const BiWorker&) = delete;

    bool threadStarted() const;
    size_t queuedTasks() const;
    // Records submitted and neither stored nor lost yet.
    int pendingRecords() const { return m_pendingRecords.load(); }
    // Records submitted and never stored: dropped from a full queue, or
    // refused by the database (or still locked at the stop deadline).
    int lostRecords() const { return m_lostRecords.load(); }
    // Odd while a store is under way, and raised again once the stored
    // records are counted off: a reader that sees the same even number before
    // and after counting knew no record was both in hand and in the table.
    unsigned storeSequence() const { return m_storeSequence.load(); }

    // How the worker's thread is started; tests replace it to run out of
    // threads. Null restores std::thread. Set it before the first submit.
    using ThreadStarter = std::function<std::thread(std::function<void()>)>;
    void setThreadStarter(ThreadStarter starter);

    std::atomic<bool> stopRequested{false};
    BiLogStore store;

private:
    friend bool submit(BiWorker& worker, BiTaskBase* task);
    friend void stopWorker(BiWorker& worker, std::chrono::milliseconds storeDeadline);
    void threadMain();
    void drain();
    void storeRecords(std::vector<BiTaskSend*>& records);
    void loseRecords(int count, const std::string& reason);
    bool pastStopDeadline() const;
    void runGuarded(BiTaskBase& task);
    bool queueEmpty() const;

    const std::size_t m_queueLimit;
    mutable std::mutex m_mutex;  // queue, thread creation, stop vs submit, stop deadline
    std::deque<std::unique_ptr<BiTaskBase>> m_queue;
    std::chrono::steady_clock::time_point m_stopDeadline;
    std::atomic<int> m_pendingRecords{0};  // lowered only once a record is stored or lost
    std::atomic<int> m_lostRecords{0};
    std::atomic<unsigned> m_storeSequence{0};
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
// end, then closes its store. Records the database is still too busy to take
// storeDeadline after the call are given up as lost.
void stopWorker(BiWorker& worker, std::chrono::milliseconds storeDeadline = kBiStoreDeadline);
// recordWriter first, so every record sent before is stored; then uploader.
void stopWorkers();
