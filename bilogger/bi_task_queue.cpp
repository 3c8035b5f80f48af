#include "bi_task_queue.h"

#include <exception>
#include <iostream>

std::size_t BiTaskQueue::queuedTasks() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queue.size();
}

// An exception leaving the thread would end the process. A failed task has
// changed nothing it did not finish (records are deleted only once the
// server took them), so the worker goes on with the next one.
void BiTaskQueue::drain() {
    for (;;) {
        std::unique_ptr<BiTaskBase> task;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_queue.empty()) return;
            task = std::move(m_queue.front());
            m_queue.pop_front();
        }
        try {
            task->run(store, stopRequested);
        } catch (const std::exception& e) {
            std::cerr << "analytics task failed: " << e.what() << std::endl;
        } catch (...) {
            std::cerr << "analytics task failed" << std::endl;
        }
    }
}

bool submit(BiTaskQueue& worker, BiTaskBase* task) {
    std::unique_ptr<BiTaskBase> owned(task);
    {
        std::lock_guard<std::mutex> lock(worker.m_mutex);
        if (!worker.startLocked()) return false;
        worker.m_queue.push_back(std::move(owned));
    }
    worker.wake();
    return true;
}
