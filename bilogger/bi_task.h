// Work items of the two analytics workers.
#pragma once

#include <atomic>
#include <string>

class BiLogStore;
class BiServerConfig;

class BiTaskBase {
public:
    explicit BiTaskBase(std::string environment) : environment(std::move(environment)) {}
    virtual ~BiTaskBase() = default;
    BiTaskBase(const BiTaskBase&) = delete;
    BiTaskBase& operator=(const BiTaskBase&) = delete;

    // Runs on the worker thread with that worker's store. A long task checks
    // stopRequested before each step that can take long.
    virtual void run(BiLogStore& store, const std::atomic<bool>& stopRequested) = 0;

    std::string environment;
};

// Stores one record. Runs even while the worker is stopping, so that every
// record sent before release() reaches the database.
class BiTaskSend : public BiTaskBase {
public:
    BiTaskSend(std::string environment, std::string content)
        : BiTaskBase(std::move(environment)), content(std::move(content)) {}
    void run(BiLogStore& store, const std::atomic<bool>& stopRequested) override;

    std::string content;  // one JSON object and a line feed
};

// One upload pass over every stored environment.
class BiTaskFlush : public BiTaskBase {
public:
    explicit BiTaskFlush(BiServerConfig& config) : BiTaskBase(std::string()), config(config) {}
    void run(BiLogStore& store, const std::atomic<bool>& stopRequested) override;

    bool allEnvironments = true;
    BiServerConfig& config;
};
