// The worker threads: order, draining on stop, dropping after stop.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>

#include "bi_server_config.h"
#include "bi_worker.h"
#include "test_support.h"

using bitest::RawDb;
using bitest::TempDir;

namespace {

std::string record(int i) { return "{\"n\":\"" + std::to_string(i) + "\"}\n"; }

// Holds the worker until the test opens the gate, and notes what it saw.
class GateTask : public BiTaskBase {
public:
    struct Gate {
        std::mutex mutex;
        std::condition_variable cv;
        bool entered = false;
        bool open = false;
        bool sawStop = false;
        std::thread::id thread;
    };
    explicit GateTask(Gate& gate) : BiTaskBase("default"), m_gate(gate) {}
    void run(BiLogStore&, const std::atomic<bool>& stopRequested) override {
        std::unique_lock<std::mutex> lock(m_gate.mutex);
        m_gate.entered = true;
        m_gate.thread = std::this_thread::get_id();
        m_gate.cv.notify_all();
        m_gate.cv.wait(lock, [this] { return m_gate.open; });
        m_gate.sawStop = stopRequested.load();
    }
    static void waitEntered(Gate& gate) {
        std::unique_lock<std::mutex> lock(gate.mutex);
        gate.cv.wait(lock, [&gate] { return gate.entered; });
    }
    static void openGate(Gate& gate) {
        std::lock_guard<std::mutex> lock(gate.mutex);
        gate.open = true;
        gate.cv.notify_all();
    }

private:
    Gate& m_gate;
};

TEST(WorkerTest, RecordsSentBeforeStopAreStoredWhenStopReturns) {
    TempDir dir;
    const std::string path = dir.file("w.bilogclient");
    BiRecordBatcher worker(path);
    for (int i = 0; i < 3; ++i) submit(worker, new BiTaskSend("default", record(i)));
    stopWorker(worker);
    EXPECT_FALSE(worker.store.isOpen()) << "stopping closes the store";
    RawDb raw(path);
    EXPECT_EQ(raw.rows("select content from bi_logs order by _ID;"),
              (std::vector<std::string>{record(0), record(1), record(2)}));
}

TEST(WorkerTest, QueuedTasksDrainAfterStopAndSeeTheFlag) {
    TempDir dir;
    const std::string path = dir.file("w.bilogclient");
    BiTaskQueue worker(path);
    GateTask::Gate gate;
    submit(worker, new GateTask(gate));
    GateTask::waitEntered(gate);
    EXPECT_NE(gate.thread, std::this_thread::get_id());
    for (int i = 0; i < 50; ++i) submit(worker, new BiTaskSend("default", record(i)));
    std::thread stopper([&worker] { stopWorker(worker); });
    while (!worker.stopRequested.load()) std::this_thread::yield();
    GateTask::openGate(gate);
    stopper.join();
    EXPECT_TRUE(gate.sawStop);
    EXPECT_EQ(worker.queuedTasks(), 0u);
    RawDb raw(path);
    EXPECT_EQ(raw.integer("select count(*) from bi_logs;"), 50);
}

TEST(WorkerTest, SubmissionOrderIsKept) {
    TempDir dir;
    const std::string path = dir.file("w.bilogclient");
    BiRecordBatcher worker(path);
    worker.store.setClock([] { return std::int64_t{1000}; });
    std::vector<std::string> expected;
    for (int i = 0; i < 300; ++i) {
        expected.push_back(record(i));
        submit(worker, new BiTaskSend("default", record(i)));
        if (i % 37 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    stopWorker(worker);
    RawDb raw(path);
    EXPECT_EQ(raw.rows("select content from bi_logs order by _ID;"), expected);
}

TEST(WorkerTest, AFullWriterDropsItsOldestHeldAndADrainIsOneTransaction) {
    TempDir dir;
    const std::string path = dir.file("w.bilogclient");
    BiRecordBatcher worker(path, 10);
    ASSERT_TRUE(worker.store._ensureOpen());
    // SQLite's file change counter goes up by one per transaction.
    const auto changes = [&path] { return bitest::readFile(path).substr(24, 4); };
    const std::string before = changes();
    RawDb blocker(path);
    ASSERT_TRUE(blocker.exec("begin exclusive;"));
    testing::internal::CaptureStderr();
    for (int i = 0; i < 15; ++i) submit(worker, new BiTaskSend("default", record(i)));
    // Past the writer's first attempt, so that the next one takes all it holds.
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    EXPECT_EQ(worker.heldRecords(), 10u) << "those being stored count too";
    blocker.exec("commit;");
    stopWorker(worker);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "5 analytics record(s) lost, not stored: the writer holds 10 records at most, the "
              "oldest gave way\n");
    EXPECT_EQ(RawDb(path).rows("select (select count(*) from bi_logs), content from bi_logs "
                               "order by _ID limit 1;")[0],
              "10|" + record(5))
        << "the oldest five went";
    EXPECT_EQ(changes().back(), before.back() + 1) << "ten records, one transaction";
    EXPECT_EQ(worker.lostRecords(), 5);
    EXPECT_EQ(worker.pendingRecords(), 0);
}

TEST(WorkerTest, RecordsALockedDatabaseRefusesWaitUntilStoredOrTheDeadline) {
    const struct {
        int lockedForMs, deadlineMs, stored;  // the lock is taken before the first send
        const char* message;
    } cases[] = {{3500, 10000, 10, ""},
                 {2500, 300, 0,
                  "10 analytics record(s) lost, not stored: database is locked (result = 5)\n"}};
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.file("w.bilogclient");
        BiRecordBatcher worker(path);
        ASSERT_TRUE(worker.store._ensureOpen());
        RawDb blocker(path);
        ASSERT_TRUE(blocker.exec("begin exclusive;"));
        for (int i = 0; i < 10; ++i) submit(worker, new BiTaskSend("default", record(i)));
        EXPECT_EQ(worker.pendingRecords(), 10) << "neither stored nor given up";
        std::thread unlocker([&blocker, &c] {
            std::this_thread::sleep_for(std::chrono::milliseconds(c.lockedForMs));
            blocker.exec("commit;");
        });
        testing::internal::CaptureStderr();
        stopWorker(worker, std::chrono::milliseconds(c.deadlineMs));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        unlocker.join();
        EXPECT_EQ(RawDb(path).integer("select count(*) from bi_logs;"), c.stored);
        EXPECT_EQ(worker.lostRecords() + worker.pendingRecords(), 10 - c.stored);
    }
}

TEST(WorkerTest, ATaskThatThrowsIsReportedAndTheWorkerGoesOn) {
    struct Throwing : BiTaskBase {
        Throwing() : BiTaskBase("default") {}
        void run(BiLogStore&, const std::atomic<bool>&) override { throw std::bad_alloc(); }
    };
    TempDir dir;
    BiTaskQueue worker(dir.file("w.bilogclient"));
    testing::internal::CaptureStderr();
    submit(worker, new Throwing);
    submit(worker, new BiTaskSend("default", record(1)));
    stopWorker(worker);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("analytics task failed: std::bad_alloc"),
              std::string::npos);
    EXPECT_EQ(RawDb(dir.file("w.bilogclient")).integer("select count(*) from bi_logs;"), 1);
}

TEST(WorkerTest, AThreadThatCannotStartLeavesNothingHalfStarted) {
    TempDir dir;
    const std::string path = dir.file("w.bilogclient");
    BiRecordBatcher worker(path);
    worker.setThreadStarter([](std::function<void()>) -> std::thread {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    });
    EXPECT_FALSE(submit(worker, new BiTaskSend("default", record(1))));
    EXPECT_FALSE(worker.threadStarted());
    EXPECT_EQ(worker.heldRecords(), 0u);

    worker.setThreadStarter(nullptr);
    EXPECT_TRUE(submit(worker, new BiTaskSend("default", record(2))));
    stopWorker(worker);
    EXPECT_EQ(RawDb(path).rows("select content from bi_logs;"),
              std::vector<std::string>{record(2)});
}

TEST(WorkerTest, AfterStopNothingIsQueuedAndNoThreadStarts) {
    TempDir dir;
    const std::string path = dir.file("w.bilogclient");
    BiTaskQueue worker(path);
    const auto start = std::chrono::steady_clock::now();
    stopWorker(worker);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    submit(worker, new BiTaskSend("default", record(1)));
    BiServerConfig config;
    submit(worker, new BiTaskFlush(config));
    EXPECT_FALSE(worker.threadStarted());
    EXPECT_EQ(worker.queuedTasks(), 0u);
    stopWorker(worker);
    EXPECT_FALSE(bitest::RawDb(path).integer("select count(*) from sqlite_master;") > 0)
        << "nothing touched the database";
}

TEST(WorkerTest, ConcurrentFirstSubmissionsStartOneThread) {
    TempDir dir;
    const std::string path = dir.file("w.bilogclient");
    for (int round = 0; round < 5; ++round) {
        BiRecordBatcher worker(path);
        std::atomic<bool> go{false};
        std::vector<std::thread> submitters;
        for (int t = 0; t < 4; ++t) {
            submitters.emplace_back([&worker, &go, t] {
                while (!go.load()) std::this_thread::yield();
                for (int i = 0; i < 25; ++i) {
                    submit(worker, new BiTaskSend("default", record(t * 1000 + i)));
                }
            });
        }
        go = true;
        for (auto& s : submitters) s.join();
        stopWorker(worker);
    }
    RawDb raw(path);
    EXPECT_EQ(raw.integer("select count(*) from bi_logs;"), 500);
}

TEST(WorkerTest, DestroyingARunningWorkerStoresWhatWasQueued) {
    TempDir dir;
    const std::string path = dir.file("w.bilogclient");
    {
        BiRecordBatcher worker(path);
        for (int i = 0; i < 10; ++i) submit(worker, new BiTaskSend("default", record(i)));
    }
    RawDb raw(path);
    EXPECT_EQ(raw.integer("select count(*) from bi_logs;"), 10);
}

TEST(WorkerTest, ProcessWorkersStopWriterFirstThenUploader) {
    TempDir dir;
    ASSERT_TRUE(prepareDatabaseFile(dir.path(), "com.daxo.workers"));
    for (int i = 0; i < 20; ++i) submit(recordWriter, new BiTaskSend("default", record(i)));
    submit(uploader, new BiTaskFlush(processServerConfig()));
    stopWorkers();
    EXPECT_TRUE(recordWriter.stopRequested.load());
    EXPECT_TRUE(uploader.stopRequested.load());
    EXPECT_FALSE(recordWriter.store.isOpen());
    EXPECT_FALSE(uploader.store.isOpen());
    RawDb raw(dir.file("com.daxo.workers.bilogclient"));
    EXPECT_EQ(raw.integer("select count(*) from bi_logs;"), 20);
    submit(recordWriter, new BiTaskSend("default", record(99)));
    stopWorkers();
    EXPECT_EQ(raw.integer("select count(*) from bi_logs;"), 20);
    resetDatabasePath();
}

}  // namespace
