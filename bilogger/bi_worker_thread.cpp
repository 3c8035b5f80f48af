#include "bi_worker_thread.h"

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

BiWorkerThread::BiWorkerThread(std::string databaseFile) : store(std::move(databaseFile)) {}

void BiWorkerThread::setThreadStarter(ThreadStarter starter) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_startThread = std::move(starter);
}

bool BiWorkerThread::threadStarted() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thread.joinable();
}

bool BiWorkerThread::startLocked() {
    if (stopRequested.load()) return false;
    if (m_thread.joinable()) return true;
    // The thread first needs m_mutex, so it cannot miss what the caller
    // queues next.
    std::function<void()> body = [this] { threadMain(); };
    try {
        m_thread = m_startThread ? m_startThread(std::move(body)) : std::thread(std::move(body));
    } catch (const std::exception& e) {
        std::cerr << "cannot start an analytics worker thread: " << e.what() << std::endl;
        return false;
    }
    return true;
}

bool BiWorkerThread::pastStopDeadline() const {
    return stopRequested.load() && std::chrono::steady_clock::now() >= m_stopDeadline;
}

void BiWorkerThread::threadMain() {
    for (;;) {
        {
            // The stop test comes before the wait: a stopping worker still
            // runs everything it holds before it ends.
            std::lock_guard<std::mutex> lock(m_mutex);
            if (stopRequested.load() && idleLocked()) return;
        }
        m_wakeEvent.wait();
        drain();
    }
}

void BiWorkerThread::stopInDestructor() {
    // Normally release() has stopped the thread already. If not, the thread
    // must not outlive what it uses.
    stopWorker(*this);
    store.close();
}

void stopWorker(BiWorkerThread& worker, BiSteadyTime deadline) {
    std::thread thread;
    {
        std::lock_guard<std::mutex> lock(worker.m_mutex);
        // A second stop (the destructor after release()) keeps the first deadline.
        if (!worker.stopRequested.load()) {
            worker.m_stopDeadline = deadline;
            worker.store.setDeadline(deadline);
        }
        worker.stopRequested.store(true);
        thread = std::move(worker.m_thread);
    }
    worker.wake();
    if (thread.joinable()) thread.join();
    worker.store.close();
}

void stopWorker(BiWorkerThread& worker, std::chrono::milliseconds storeDeadline) {
    stopWorker(worker, std::chrono::steady_clock::now() + storeDeadline);
}

void restartWorker(BiWorkerThread& worker) {
    std::lock_guard<std::mutex> lock(worker.m_mutex);
    if (worker.m_thread.joinable()) return;
    worker.store.setDeadline(BiSteadyTime::max());
    worker.stopRequested.store(false);
}
