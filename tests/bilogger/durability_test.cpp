// Records that saveLog reported stored survive the process being killed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <set>
#include <thread>

#include "bi_log_store.h"
#include "test_support.h"

namespace {

// Child: stores numbered records for ever and reports each stored number.
[[noreturn]] void storeUntilKilled(const std::string& path, int reportFd, int trial) {
    BiLogStore store(path);
    for (int i = 0;; ++i) {
        const std::string id = std::to_string(trial) + "-" + std::to_string(i);
        if (store.saveLog("default", "{\"n\":\"" + id + "\"}\n")) {
            const std::string line = id + "\n";
            if (write(reportFd, line.data(), line.size()) < 0) _exit(2);
        }
    }
}

TEST(DurabilityTest, KilledWriterLosesNoReportedRecord) {
    bitest::TempDir dir;
    const std::string path = dir.file("durable.bilogclient");
    std::mt19937 random(std::random_device{}());
    std::set<std::string> reported;
    for (int trial = 0; trial < 20; ++trial) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            storeUntilKilled(path, fds[1], trial);
        }
        close(fds[1]);
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::uniform_int_distribution<int>(5, 120)(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        std::string text;
        char buf[4096];
        for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) {
            text.append(buf, static_cast<size_t>(n));
        }
        close(fds[0]);
        // A line cut by the kill was not reported in full.
        for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            reported.insert(text.substr(start, end - start));
        }
    }
    ASSERT_FALSE(reported.empty());

    bitest::RawDb raw(path);
    EXPECT_EQ(raw.rows("pragma integrity_check;"), std::vector<std::string>{"ok"});
    std::set<std::string> stored;
    for (const auto& content : raw.rows("select content from bi_logs;")) {
        stored.insert(content.substr(6, content.size() - 9));
    }
    for (const auto& id : reported) EXPECT_TRUE(stored.count(id)) << id;
    BiLogStore store(path);
    EXPECT_EQ(store.countLogs(), static_cast<int>(stored.size()));
}

}  // namespace
