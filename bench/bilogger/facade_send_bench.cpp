// The facade's send() and release() as the host meets them: each send while
// another connection holds the database locked, and release() after 100,000
// records sent at once. The facade is process-wide and stops for good at
// release(), so every run happens in a child process of its own, which hands
// its figures back through a pipe.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bilogger.h"

namespace {

const char kAppId[] = "com.daxo.bench";

using Clock = std::chrono::steady_clock;
using Figures = std::map<std::string, double>;

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void sendOne(int i) {
    std::unique_ptr<BiRecord> record(BiLogger::createRecord("orvocheck_info"));
    record->put("a0", "8c1e3f52-6a0d-4d43-9f4e-" + std::to_string(100000000000 + i))
        ->put("a3", "Intel(R) Core(TM) i7-8700K CPU @ 3.70GHz")
        ->put("a4", "RANK_GOOD")
        ->put("a5", "NVIDIA GeForce RTX 2070")
        ->put("a7", "Windows 10 Pro 64-bit")
        ->send();
}

long long storedRows(const std::string& file) {
    sqlite3* db = nullptr;
    long long rows = -1;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "select count(*) from bi_logs;", -1, &stmt, nullptr);
        if (stmt != nullptr && sqlite3_step(stmt) == SQLITE_ROW)
            rows = sqlite3_column_int64(stmt, 0);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return rows;
}

// Runs body in a child process and returns the figures it wrote.
Figures inChild(const std::function<Figures(const std::string& dir)>& body) {
    std::string dir = (std::filesystem::current_path() / "bench-facade-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) std::abort();
    int fds[2];
    if (pipe(fds) != 0) std::abort();
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        // Each dropped or lost record is a line; they are counted, not read.
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDERR_FILENO);
        std::ostringstream out;
        for (const auto& [name, value] : body(dir)) out << name << ' ' << value << '\n';
        const std::string text = out.str();
        if (write(fds[1], text.data(), text.size()) < 0) _exit(2);
        _exit(0);
    }
    close(fds[1]);
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        text.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    std::filesystem::remove_all(dir);
    Figures figures;
    std::istringstream in(text);
    std::string name;
    double value = 0;
    while (in >> name >> value) figures[name] = value;
    return figures;
}

// Another connection holds an exclusive lock from before the first send until
// 2 s later (argument 1 is 1; 0 is the same run without the lock, for
// comparison), or from before init() until 8 s later, longer than release()
// may wait (argument 1 is 2); release() follows the last send at once. On a
// busy machine a send now and then loses the processor for a few
// milliseconds, with or without the lock.
void BM_SendWhileLocked(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const int lockKind = static_cast<int>(state.range(1));
    for (auto _ : state) {
        const Figures f = inChild([records, lockKind](const std::string& dir) {
            const std::string file = dir + "/" + kAppId + ".bilogclient";
            sqlite3* blocker = nullptr;
            if (lockKind == 2) {
                // An existing database, locked before the client starts.
                sqlite3_open(file.c_str(), &blocker);
                sqlite3_exec(blocker, "create table t(x); begin exclusive;", nullptr, nullptr,
                             nullptr);
            }
            auto start = Clock::now();
            BiLogger::init(1, kAppId, dir);
            const double initMs = microseconds(Clock::now() - start) / 1000;
            if (lockKind != 2) sqlite3_open(file.c_str(), &blocker);
            if (lockKind == 1) sqlite3_exec(blocker, "begin exclusive;", nullptr, nullptr, nullptr);
            std::thread unlocker([blocker, lockKind] {
                std::this_thread::sleep_for(std::chrono::seconds(lockKind == 2 ? 8 : 2));
                if (lockKind != 0) sqlite3_exec(blocker, "commit;", nullptr, nullptr, nullptr);
            });
            std::vector<double> each;
            each.reserve(static_cast<size_t>(records));
            for (int i = 0; i < records; ++i) {
                start = Clock::now();
                sendOne(i);
                each.push_back(microseconds(Clock::now() - start));
            }
            start = Clock::now();
            const double pending = BiLogger::pendingCount();
            const double countUs = microseconds(Clock::now() - start);
            // The first send also starts the writer's thread.
            const double firstUs = each.front();
            each.erase(each.begin());
            std::sort(each.begin(), each.end());
            const auto over1ms =
                std::count_if(each.begin(), each.end(), [](double us) { return us > 1000; });
            start = Clock::now();
            BiLogger::release();
            const double releaseMs = microseconds(Clock::now() - start) / 1000;
            unlocker.join();
            sqlite3_close(blocker);
            double total = 0;
            for (double us : each) total += us;
            return Figures{{"init_ms", initMs},
                           {"first_send_us", firstUs},
                           {"sends_over_1ms", static_cast<double>(over1ms)},
                           {"send_max_us", each.back()},
                           {"send_p99_us", each[each.size() * 99 / 100]},
                           {"send_mean_us", total / static_cast<double>(each.size())},
                           {"pending_count_us", countUs},
                           {"pending", pending},
                           {"release_ms", releaseMs},
                           {"stored", static_cast<double>(storedRows(file))},
                           {"lost", static_cast<double>(BiLogger::lostCount())}};
        });
        for (const auto& [name, value] : f) state.counters[name] = value;
    }
}

// records sent one after another, then release(); the writer keeps at most
// 10,000 of them queued, as the store keeps at most 10,000 rows.
void BM_ReleaseAfterManySends(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const Figures f = inChild([records](const std::string& dir) {
            BiLogger::init(1, kAppId, dir);
            auto start = Clock::now();
            for (int i = 0; i < records; ++i) sendOne(i);
            const double sendMs = microseconds(Clock::now() - start) / 1000;
            const double pending = BiLogger::pendingCount();
            start = Clock::now();
            BiLogger::release();
            const double releaseMs = microseconds(Clock::now() - start) / 1000;
            return Figures{
                {"send_all_ms", sendMs},
                {"pending_at_release", pending},
                {"release_ms", releaseMs},
                {"stored", static_cast<double>(storedRows(dir + "/" + kAppId + ".bilogclient"))},
                {"lost", static_cast<double>(BiLogger::lostCount())}};
        });
        for (const auto& [name, value] : f) state.counters[name] = value;
    }
}

BENCHMARK(BM_SendWhileLocked)
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Args({1000, 2})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ReleaseAfterManySends)
    ->Arg(12000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
