// The uploader's worker: runs tasks one at a time, in the order submitted.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

#include "bi_task.h"
#include "bi_worker_thread.h"

class BiTaskQueue : public BiWorkerThread {
public:
    explicit BiTaskQueue(std::string databaseFile = std::string()) : BiWorkerThread(std::move(databaseFile)) {}
    ~BiTaskQueue() override { stopInDestructor(); }

    std::size_t queuedTasks() const;

private:
    friend bool submit(BiTaskQueue& worker, BiTaskBase* task);
    bool idleLocked() const override { return m_queue.empty(); }
    void drain() override;

    std::deque<std::unique_ptr<BiTaskBase>> m_queue;  // guarded by m_mutex
};

// Queues the task (taking ownership) and starts the worker's thread if
// needed. False when the task was dropped: the worker is stopped, or its
// thread cannot be started (a later submit tries again).
bool submit(BiTaskQueue& worker, BiTaskBase* task);
