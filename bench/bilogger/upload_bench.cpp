// Upload passes that empty 10,000 stored records into the local analytics
// server at the default limits (records per second, compression ratio), and
// the compression of the same batches beside `gzip -6`.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "analytics_server.h"
#include "bi_deployment.h"
#include "bi_gzip.h"
#include "bi_log_store.h"
#include "bi_server_config.h"
#include "bi_task.h"
#include "test_certificates.h"
#include "transport.h"

namespace {

constexpr int kRecords = 10000;

// Records shaped like the program's: envelope and content members, with the
// values that differ between machines and runs.
std::string makeRecord(int i, std::mt19937& random) {
    char id[40];
    std::snprintf(id, sizeof id, "%08x-%04x-%04x-%04x-%08x%04x", static_cast<unsigned>(random()),
                  static_cast<unsigned>(random() & 0xFFFF),
                  static_cast<unsigned>(random() & 0xFFFF),
                  static_cast<unsigned>(random() & 0xFFFF), static_cast<unsigned>(random()),
                  static_cast<unsigned>(random() & 0xFFFF));
    return std::string("{\"app_id\":\"com.daxo.orvocheck\",\"app_version\":\"0.0.7.1\",") +
           "\"event\":\"orvocheck_info\",\"session_id\":\"" + id + "\",\"serial_num\":\"" + id +
           "\",\"manufacturer\":\"Microsoft Corporation\",\"sdk_int\":\"10.0.19045\"," +
           "\"locale\":\"en_US\",\"timestamp\":\"" + std::to_string(1800000000 + i) +
           "\",\"cpu\":\"Intel(R) Core(TM) i7-" + std::to_string(8000 + i % 900) +
           "K CPU @ 3.70GHz\",\"cpu_rank\":\"RANK_GOOD\",\"gpu\":\"NVIDIA GeForce RTX " +
           std::to_string(2060 + i % 40) + "\",\"gpu_rank\":\"RANK_GOOD\",\"memory\":\"" +
           std::to_string(8 + i % 24) + " GB\",\"memory_rank\":\"RANK_GOOD\"," +
           "\"os\":\"Windows 10 Pro 64-bit\",\"os_rank\":\"RANK_GOOD\",\"overall\":\"RANK_GOOD\"," +
           "\"comp_version\":\"17\",\"clicks\":\"" + std::to_string(i % 5) + "\"}\n";
}

struct Rig {
    Rig() {
        dir = (std::filesystem::temp_directory_path() / "bilogger-bench-XXXXXX").string();
        if (mkdtemp(dir.data()) == nullptr) std::abort();
        const auto certs = orvo_analytics::makeCertificates(
            dir, {BI_ANALYTICS_HOST_DEFAULT, BI_ANALYTICS_HOST_STAGE});
        orvo_analytics::ServerOptions options;
        options.certFile = certs.certFile;
        options.keyFile = certs.keyFile;
        options.print = false;
        server = std::make_unique<orvo_analytics::AnalyticsServer>(options);
        if (!server->start()) std::abort();
        setenv(kBiConnectToVariable, ("127.0.0.1:" + std::to_string(server->port())).c_str(), 1);
        setenv(kBiCaFileVariable, certs.caFile.c_str(), 1);
    }
    ~Rig() {
        server->stop();
        std::filesystem::remove_all(dir);
    }
    std::string dir;
    std::unique_ptr<orvo_analytics::AnalyticsServer> server;
};

Rig& rig() {
    static Rig r;
    return r;
}

// Batch contents of the last upload run, for the compression comparison.
std::vector<std::string>& batches() {
    static std::vector<std::string> b;
    return b;
}

void BM_UploadPasses(benchmark::State& state) {
    Rig& r = rig();
    double plain = 0, compressed = 0;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string file = r.dir + "/run" + std::to_string(run++) + ".bilogclient";
        BiLogStore store(file);
        store.countLogs();  // creates the schema
        {
            // Filling is not measured: one transaction instead of 10,000.
            sqlite3* db = nullptr;
            sqlite3_open(file.c_str(), &db);
            sqlite3_exec(db, "begin;", nullptr, nullptr, nullptr);
            std::mt19937 random(42);
            for (int i = 0; i < kRecords; ++i) {
                const std::string content = makeRecord(i, random);
                sqlite3_stmt* stmt = nullptr;
                sqlite3_prepare_v2(db,
                                   "insert into bi_logs (timestamp, environment, content) "
                                   "values (?1, 'default', ?2);",
                                   -1, &stmt, nullptr);
                sqlite3_bind_int(stmt, 1, 1800000000 + i / 100);
                sqlite3_bind_text(stmt, 2, content.data(), static_cast<int>(content.size()),
                                  SQLITE_STATIC);
                sqlite3_step(stmt);
                sqlite3_finalize(stmt);
            }
            sqlite3_exec(db, "commit;", nullptr, nullptr, nullptr);
            sqlite3_close(db);
        }
        BiServerConfig config;
        std::atomic<bool> stop{false};
        const size_t before = r.server->requestsTo("/log/f/").size();
        state.ResumeTiming();
        while (store.countLogs() > 0) {
            BiTaskFlush task(config);
            task.run(store, stop);
        }
        state.PauseTiming();
        const auto sent = r.server->requestsTo("/log/f/");
        batches().clear();
        for (size_t i = before; i < sent.size(); ++i) {
            plain += static_cast<double>(sent[i].decoded.size());
            compressed += static_cast<double>(sent[i].body.size());
            batches().push_back(sent[i].decoded);
        }
        state.ResumeTiming();
    }
    state.counters["records_per_s"] =
        benchmark::Counter(static_cast<double>(kRecords) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["compression_ratio"] = compressed > 0 ? plain / compressed : 0;
    state.counters["batches"] = static_cast<double>(batches().size());
}

void BM_GzipBatches(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        for (const auto& batch : batches()) {
            std::string gz;
            gzipBatch(batch, 20480, gz);
            bytes += batch.size();
            benchmark::DoNotOptimize(gz.data());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

// The same bytes through the system's gzip at level 6, one batch file each,
// in one process, so process start-up is paid once.
void BM_GzipCommand6(benchmark::State& state) {
    const std::string folder = rig().dir + "/batches";
    std::filesystem::create_directories(folder);
    size_t bytes = 0;
    for (size_t i = 0; i < batches().size(); ++i) {
        std::ofstream(folder + "/" + std::to_string(i), std::ios::binary) << batches()[i];
        bytes += batches()[i].size();
    }
    const std::string command = "gzip -6 -c " + folder + "/* > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("gzip failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
}

BENCHMARK(BM_UploadPasses)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime();
BENCHMARK(BM_GzipBatches)->Unit(benchmark::kMillisecond)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_GzipCommand6)->Unit(benchmark::kMillisecond)->Repetitions(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
