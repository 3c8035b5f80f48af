// Record-writer throughput: 10,000 records of 600 bytes through the record
// writer worker, beside a plain sqlite3 loop doing the same one-row inserts
// on the same disk.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bi_worker.h"

namespace {

constexpr int kRecords = 10000;  // BILOGGER_BENCH_RECORDS shortens a trial run
constexpr size_t kRecordBytes = 600;

std::string makeRecord(int i) {
    std::string text = "{\"n\":\"" + std::to_string(i) + "\",\"p\":\"";
    text.resize(kRecordBytes - 3, 'x');
    return text + "\"}\n";
}

std::string freshDir() {
    // Beside the build, not in a RAM-backed /tmp, so both loops hit the disk.
    std::string pattern = (std::filesystem::current_path() / "bench-db-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return ".";
    return pattern;
}

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Raw loop: what SQLite itself costs for one-row-per-statement inserts.
void rawInserts(sqlite3* db, int first, int count) {
    for (int i = first; i < first + count; ++i) {
        const std::string content = makeRecord(i);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db,
                           "insert into bi_logs (timestamp, environment, content) values "
                           "(1700000000, ?2, ?1);",
                           -1, &stmt, nullptr);
        sqlite3_bind_text(stmt, 1, content.data(), static_cast<int>(content.size()), SQLITE_STATIC);
        sqlite3_bind_text(stmt, 2, "default", -1, SQLITE_STATIC);
        sqlite3_step(stmt);
        sqlite3_finalize(stmt);
    }
}

// Both writers take turns in rounds of 1,000 records on the same disk, so a
// change in the disk's load during the run hits both alike.
void BM_RecordWriterBesideRawLoop(benchmark::State& state) {
    constexpr int kRounds = 10;
    const char* override = std::getenv("BILOGGER_BENCH_RECORDS");
    const int records = override != nullptr ? std::atoi(override) : kRecords;
    const int kPerRound = records / kRounds;
    for (auto _ : state) {
        const std::string dir = freshDir();
        const std::string writerFile = dir + "/w.bilogclient";
        {
            BiLogStore schema(writerFile);
            schema.countLogs();  // the schema is not part of the rate
        }
        sqlite3* db = nullptr;
        sqlite3_open_v2((dir + "/raw.db").c_str(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr);
        sqlite3_exec(db,
                     "CREATE TABLE bi_logs (_ID INTEGER PRIMARY KEY, timestamp INT, environment "
                     "TEXT, content TEXT);",
                     nullptr, nullptr, nullptr);
        if (state.range(0) == 1) {
            // The store's own overflow trigger, so only the writer's machinery differs.
            sqlite3_exec(db,
                         "CREATE TRIGGER DeleteOneRecordOnOverflow AFTER INSERT ON bi_logs FOR "
                         "EACH ROW WHEN (SELECT COUNT(*) FROM bi_logs) > 10000 BEGIN DELETE FROM "
                         "bi_logs WHERE timestamp = (SELECT MIN(timestamp) FROM bi_logs); END;",
                         nullptr, nullptr, nullptr);
        }
        double rawSeconds = 0, writerSeconds = 0;
        for (int round = 0; round < kRounds; ++round) {
            auto start = std::chrono::steady_clock::now();
            rawInserts(db, round * kPerRound, kPerRound);
            rawSeconds += seconds(std::chrono::steady_clock::now() - start);

            start = std::chrono::steady_clock::now();
            {
                BiRecordBatcher worker(writerFile);
                for (int i = round * kPerRound; i < (round + 1) * kPerRound; ++i) {
                    submit(worker, new BiTaskSend("default", makeRecord(i)));
                }
                stopWorker(worker);  // returns once every record is stored
            }
            writerSeconds += seconds(std::chrono::steady_clock::now() - start);
        }
        sqlite3_close(db);
        std::filesystem::remove_all(dir);
        state.counters["raw_records_per_s"] = kPerRound * kRounds / rawSeconds;
        state.counters["writer_records_per_s"] = kPerRound * kRounds / writerSeconds;
        state.counters["writer_vs_raw"] = rawSeconds / writerSeconds;
    }
}

// Argument 0: raw loop on the bare table; 1: raw loop with the store's trigger.
BENCHMARK(BM_RecordWriterBesideRawLoop)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
