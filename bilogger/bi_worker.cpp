#include "bi_worker.h"

#include <sqlite3.h>

#include <exception>
#include <iostream>

namespace {

// Pauses of a store attempt while the database is locked (100 ms each)
// before the writer looks at the stop deadline again.
constexpr int kWriterBusyRetries = 5;

}  // namespace

void BiAutoResetEvent::set() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_signalled = true;
    }
    m_cv.notify_one();
}

void BiAutoResetEvent::wait() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_cv.wait(lock, [this] { return m_signalled; });
    m_signalled = false;
}

BiWorker::BiWorker(std::size_t queueLimit) : m_queueLimit(queueLimit) {}

BiWorker::BiWorker(std::string databaseFile, std::size_t queueLimit)
    : store(std::move(databaseFile)), m_queueLimit(queueLimit) {}

BiWorker::~BiWorker() {
    // Normally release() has stopped the thread already. If not, the thread
    // must not outlive the queue, event and store it uses.
    stopWorker(*this);
    store.close();
}

void BiWorker::setThreadStarter(ThreadStarter starter) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_startThread = std::move(starter);
}

bool BiWorker::threadStarted() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thread.joinable();
}

size_t BiWorker::queuedTasks() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queue.size();
}

bool BiWorker::queueEmpty() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queue.empty();
}

// An exception leaving the thread would end the process. A failed task has
// changed nothing it did not finish (records are deleted only once the
// server took them), so the worker goes on with the next one.
void BiWorker::runGuarded(BiTaskBase& task) {
    try {
        task.run(store, stopRequested);
    } catch (const std::exception& e) {
        std::cerr << "analytics task failed: " << e.what() << std::endl;
    } catch (...) {
        std::cerr << "analytics task failed" << std::endl;
    }
}

void BiWorker::threadMain() {
    for (;;) {
        // The stop test comes before the wait: a stopping worker still runs
        // everything queued before it ends.
        if (stopRequested.load() && queueEmpty()) return;
        m_wakeEvent.wait();
        drain();
    }
}

// Takes everything queued at once, so that submit() never waits for the
// database; runs of records are stored together, other tasks in their turn.
void BiWorker::drain() {
    std::deque<std::unique_ptr<BiTaskBase>> tasks;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        tasks.swap(m_queue);
    }
    std::vector<BiTaskSend*> records;
    for (auto& task : tasks) {
        if (auto* record = dynamic_cast<BiTaskSend*>(task.get())) {
            records.push_back(record);
            continue;
        }
        storeRecords(records);
        runGuarded(*task);
        task.reset();
    }
    storeRecords(records);
}

void BiWorker::storeRecords(std::vector<BiTaskSend*>& records) {
    if (records.empty()) return;
    BiRecordRefs refs;
    refs.reserve(records.size());
    for (const BiTaskSend* record : records)
        refs.emplace_back(&record->environment, &record->content);
    const int count = static_cast<int>(records.size());
    records.clear();
    for (;;) {
        ++m_storeSequence;
        const int rc = store.saveLogs(refs, kWriterBusyRetries);
        if (rc == SQLITE_DONE) {
            // Stored first, counted off second: the pending count never
            // misses a record that is in neither place.
            m_pendingRecords -= count;
            ++m_storeSequence;
            return;
        }
        ++m_storeSequence;
        const int primary = rc & 0xFF;
        const bool busy = primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
        if (!busy || pastStopDeadline()) {
            loseRecords(count,
                        std::string(sqlite3_errstr(rc)) + " (result = " + std::to_string(rc) + ")");
            return;
        }
        // Another program holds the file; the records stay in hand. A new
        // wake-up is not needed: the attempt itself waited.
    }
}

void BiWorker::loseRecords(int count, const std::string& reason) {
    std::cerr << count << " analytics record(s) lost, not stored: " << reason << std::endl;
    m_lostRecords += count;
    m_pendingRecords -= count;
}

bool BiWorker::pastStopDeadline() const {
    if (!stopRequested.load()) return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::chrono::steady_clock::now() >= m_stopDeadline;
}

bool submit(BiWorker& worker, BiTaskBase* task) {
    std::unique_ptr<BiTaskBase> owned(task);
    const bool isRecord = dynamic_cast<BiTaskSend*>(task) != nullptr;
    std::unique_ptr<BiTaskBase> dropped;
    {
        std::lock_guard<std::mutex> lock(worker.m_mutex);
        if (worker.stopRequested.load()) return false;
        if (!worker.m_thread.joinable()) {
            // The thread first needs this lock, so it cannot miss the task
            // queued below.
            std::function<void()> body = [&worker] { worker.threadMain(); };
            try {
                worker.m_thread = worker.m_startThread ? worker.m_startThread(std::move(body))
                                                       : std::thread(std::move(body));
            } catch (const std::exception& e) {
                std::cerr << "cannot start an analytics worker thread: " << e.what() << std::endl;
                return false;
            }
        }
        if (worker.m_queue.size() >= worker.m_queueLimit && !worker.m_queue.empty()) {
            dropped = std::move(worker.m_queue.front());
            worker.m_queue.pop_front();
        }
        if (isRecord) ++worker.m_pendingRecords;
        worker.m_queue.push_back(std::move(owned));
    }
    worker.m_wakeEvent.set();
    if (dropped && dynamic_cast<BiTaskSend*>(dropped.get()) != nullptr) {
        // The database could not keep up (or is held by another program):
        // the newest records are the ones worth keeping.
        worker.loseRecords(1, "the queue is full (" + std::to_string(worker.m_queueLimit) +
                                  " records), the oldest is dropped");
    }
    return true;
}

void stopWorker(BiWorker& worker, std::chrono::milliseconds storeDeadline) {
    std::thread thread;
    {
        std::lock_guard<std::mutex> lock(worker.m_mutex);
        // A second stop (the destructor after release()) keeps the first deadline.
        if (!worker.stopRequested.load()) {
            worker.m_stopDeadline = std::chrono::steady_clock::now() + storeDeadline;
        }
        worker.stopRequested.store(true);
        thread = std::move(worker.m_thread);
    }
    worker.m_wakeEvent.set();
    if (thread.joinable()) thread.join();
    worker.store.close();
}

BiWorker recordWriter(kBiRecordQueueLimit);
BiWorker uploader;

void stopWorkers() {
    stopWorker(recordWriter);
    stopWorker(uploader);
}
