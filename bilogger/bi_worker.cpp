#include "bi_worker.h"

#include <exception>
#include <iostream>

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

BiWorker::BiWorker() = default;

BiWorker::BiWorker(std::string databaseFile) : store(std::move(databaseFile)) {}

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

bool BiWorker::pop(std::unique_ptr<BiTaskBase>& task) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_queue.empty()) return false;
    task = std::move(m_queue.front());
    m_queue.pop_front();
    return true;
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
        std::unique_ptr<BiTaskBase> task;
        while (pop(task)) {
            runGuarded(*task);
            task.reset();
        }
    }
}

bool submit(BiWorker& worker, BiTaskBase* task) {
    std::unique_ptr<BiTaskBase> owned(task);
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
        worker.m_queue.push_back(std::move(owned));
    }
    worker.m_wakeEvent.set();
    return true;
}

void stopWorker(BiWorker& worker) {
    std::thread thread;
    {
        std::lock_guard<std::mutex> lock(worker.m_mutex);
        worker.stopRequested.store(true);
        thread = std::move(worker.m_thread);
    }
    worker.m_wakeEvent.set();
    if (thread.joinable()) thread.join();
    worker.store.close();
}

BiWorker recordWriter;
BiWorker uploader;

void stopWorkers() {
    stopWorker(recordWriter);
    stopWorker(uploader);
}
