// Upload passes against the local server: batches, retries, environments,
// compression.
#include <sys/stat.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <thread>

#include "bi_gzip.h"
#include "bi_log_store.h"
#include "bi_server_config.h"
#include "bi_task.h"
#include "bi_worker.h"
#include "server_fixture.h"

namespace {

std::string record(int i, size_t bytes = 500) {
    std::string text = "{\"n\":\"" + std::to_string(i) + "\",\"p\":\"";
    text.resize(bytes - 3, 'a' + static_cast<char>(i % 26));
    return text + "\"}\n";
}

size_t lineCount(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::uint32_t littleEndian32(const std::string& bytes, size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(bytes[offset + static_cast<size_t>(i)]);
    }
    return v;
}

// Makes a file this process cannot write, or writable again. Root ignores
// permission bits, so root gets the immutable attribute (ext4, xfs, btrfs).
bool setWritable(const std::string& path, bool writable) {
    if (geteuid() != 0) return chmod(path.c_str(), writable ? 0644 : 0444) == 0;
    return std::system(
               ("chattr " + std::string(writable ? "-i '" : "+i '") + path + "'").c_str()) == 0;
}

class UploadTest : public bitest::ServerFixture {
protected:
    void SetUp() override {
        ServerFixture::SetUp();
        store = std::make_unique<BiLogStore>(dir.file("u.bilogclient"));
        config.setAppId("com.daxo.orvocheck");
    }
    void fill(int count, const std::string& environment = "default", size_t bytes = 500,
              int first = 0) {
        for (int i = first; i < first + count; ++i) {
            ASSERT_TRUE(store->saveLog(environment, record(i, bytes)));
        }
    }
    void pass() {
        BiTaskFlush task(config);
        task.run(*store, stop);
    }
    std::vector<orvo_analytics::ReceivedRequest> uploads() const {
        return server->requestsTo("/log/f/");
    }

    std::unique_ptr<BiLogStore> store;
    BiServerConfig config;
    std::atomic<bool> stop{false};
};

TEST_F(UploadTest, FortyFiveRecordsGoInBatchesOfTwentyTwentyFive) {
    fill(45);
    pass();
    ASSERT_EQ(server->requestsTo("/init/").size(), 1u);
    EXPECT_EQ(server->requestsTo("/init/")[0].path, "/init/45/");
    const auto sent = uploads();
    ASSERT_EQ(sent.size(), 3u);
    std::string all;
    for (size_t i = 0; i < sent.size(); ++i) {
        EXPECT_TRUE(sent[i].gzip);
        EXPECT_EQ(lineCount(sent[i].decoded), i < 2 ? 20u : 5u);
        EXPECT_LT(sent[i].decoded.size(), 20480u);
        EXPECT_EQ(sent[i].host, BI_ANALYTICS_HOST_DEFAULT);
        all += sent[i].decoded;
    }
    std::string expected;
    for (int i = 0; i < 45; ++i) expected += record(i);
    EXPECT_EQ(all, expected) << "oldest first, in the order stored";
    EXPECT_EQ(store->countLogs(), 0);
    EXPECT_EQ(server->records().size(), 45u);
}

TEST_F(UploadTest, APassStopsAfterFiveHundredRecords) {
    fill(600, "default", 200);
    pass();
    EXPECT_EQ(uploads().size(), 25u);
    EXPECT_EQ(server->records().size(), 500u);
    EXPECT_EQ(store->countLogs(), 100);
    pass();
    EXPECT_EQ(store->countLogs(), 0);
    EXPECT_EQ(server->requestsTo("/init/").size(), 1u) << "the configuration is still valid";
}

TEST_F(UploadTest, EnvironmentsFollowEachOtherWithOneConfiguration) {
    server->setConfigText(R"({"url":{"stage":"https://eu.collector.test/ingest"}})");
    fill(3, "default");
    fill(4, "stage", 500, 100);
    fill(2, "default", 500, 200);
    pass();
    EXPECT_EQ(server->requestsTo("/init/").size(), 1u);
    EXPECT_EQ(server->requestsTo("/init/")[0].body, "default");
    const auto sent = uploads();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].host, BI_ANALYTICS_HOST_DEFAULT);
    EXPECT_EQ(lineCount(sent[0].decoded), 5u);
    EXPECT_EQ(sent[1].host, bitest::kEnvironmentHost);
    EXPECT_EQ(lineCount(sent[1].decoded), 4u);
    EXPECT_EQ(store->countLogs(), 0);
}

TEST_F(UploadTest, AnEmptyOrCutShortDatabaseFileIsReplacedAndTheRunUploads) {
    // What a run killed while creating the file leaves: nothing, or part of it.
    ASSERT_TRUE(store->saveLog("default", record(0)));
    store->close();
    const std::string whole = bitest::readFile(store->path());
    for (const size_t kept : {size_t{0}, size_t{50}, size_t{4096}}) {
        bitest::TempDir storage;
        bitest::writeFile(storage.file("com.daxo.cut.bilogclient"), whole.substr(0, kept));
        ASSERT_TRUE(prepareDatabaseFile(storage.path(), "com.daxo.cut"));
        BiLogStore run;  // on the process-wide path, as the workers' stores
        ASSERT_TRUE(run.saveLog("default", record(static_cast<int>(kept) + 1)));
        BiServerConfig fresh;
        BiTaskFlush(fresh).run(run, stop);
    }
    resetDatabasePath();
    EXPECT_EQ(server->records().size(), 3u);
}

TEST_F(UploadTest, HugeLimitsFromTheServerAreIgnored) {
    server->setConfigText(R"({"package_size":2147483647,"package_line":2147483647})");
    fill(25);
    BiTaskQueue worker(store->path());
    submit(worker, new BiTaskFlush(config));
    EXPECT_TRUE(server->waitForRequests(3, std::chrono::seconds(30)));
    stopWorker(worker);
    EXPECT_EQ(server->records().size(), 25u);
    EXPECT_EQ(uploads().size(), 2u) << "the default limits apply";
}

TEST_F(UploadTest, ARecordWithoutEnvironmentNameBlocksNoOther) {
    fill(1, "");
    fill(2, "default", 500, 10);
    pass();
    EXPECT_EQ(server->records().size(), 3u);
    EXPECT_EQ(store->countLogs(), 0);
}

TEST_F(UploadTest, DevelopmentAppAndOldVersionSendEverythingToStaging) {
    for (const char* text :
         {R"({"dev_app_id":["com.daxo.orvocheck"],"url":{"default":"https://eu.collector.test/"}})",
          R"({"version":0})"}) {
        SCOPED_TRACE(text);
        server->setConfigText(text);
        BiServerConfig fresh;
        fresh.setAppId("com.daxo.orvocheck");
        BiLogStore own(dir.file(std::to_string(std::hash<std::string>()(text)) + ".bilogclient"));
        ASSERT_TRUE(own.saveLog("default", record(1)));
        ASSERT_TRUE(own.saveLog("stage", record(2)));
        BiTaskFlush task(fresh);
        task.run(own, stop);
        EXPECT_EQ(own.countLogs(), 0);
    }
    for (const auto& r : uploads()) EXPECT_EQ(r.host, BI_ANALYTICS_HOST_STAGE);
    EXPECT_EQ(uploads().size(), 4u);
}

TEST_F(UploadTest, ThreeFailuresEndThePassAndKeepTheRecords) {
    fill(25);
    server->script(bitest::statusAnswer(200, "{}"));  // the configuration request
    server->script(bitest::statusAnswer(500), 3);
    pass();
    const auto sent = uploads();
    ASSERT_EQ(sent.size(), 3u);
    for (const auto& r : sent) EXPECT_EQ(r.body, sent[0].body) << "the same batch each time";
    EXPECT_EQ(store->countLogs(), 25);
}

TEST_F(UploadTest, ASuccessRestoresTheAttempts) {
    fill(45);
    server->script(bitest::statusAnswer(200, "{}"));
    server->script(bitest::statusAnswer(500));
    server->script(bitest::statusAnswer(200));
    server->script(bitest::statusAnswer(503), 2);
    pass();
    const auto sent = uploads();
    // batch 1: 500, 200; batch 2: 503, 503, then stored; batch 3: stored.
    ASSERT_EQ(sent.size(), 6u);
    EXPECT_EQ(sent[0].body, sent[1].body);
    EXPECT_EQ(sent[2].body, sent[3].body);
    EXPECT_EQ(sent[3].body, sent[4].body);
    EXPECT_NE(sent[4].body, sent[5].body);
    EXPECT_EQ(store->countLogs(), 0);
    EXPECT_EQ(server->records().size(), 25u) << "the scripted 200 keeps nothing";
}

TEST_F(UploadTest, ThreeFailuresAfterASuccessKeepTheRest) {
    fill(45);
    server->script(bitest::statusAnswer(200, "{}"));
    server->script(bitest::statusAnswer(200));
    server->script(bitest::statusAnswer(500), 3);
    pass();
    EXPECT_EQ(uploads().size(), 4u);
    EXPECT_EQ(store->countLogs(), 25);
}

TEST_F(UploadTest, UncompressedBodiesArePlainLines) {
    server->setConfigText(R"({"compress":false,"package_line":2})");
    fill(3);
    pass();
    const auto sent = uploads();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_FALSE(sent[0].gzip);
    EXPECT_EQ(sent[0].body, record(0) + record(1));
    EXPECT_EQ(sent[1].body, record(2));
}

TEST_F(UploadTest, ARecordLongerThanABatchTravelsAlone) {
    for (const bool compress : {true, false}) {
        SCOPED_TRACE(compress);
        BiServerConfig fresh;
        server->setConfigText(compress ? R"({"package_size":1024})"
                                       : R"({"package_size":1024,"compress":false})");
        BiLogStore own(dir.file(compress ? "big1.bilogclient" : "big2.bilogclient"));
        ASSERT_TRUE(own.saveLog("default", record(1, 300)));
        ASSERT_TRUE(own.saveLog("default", record(2, 5000)));
        ASSERT_TRUE(own.saveLog("default", record(3, 300)));
        BiTaskFlush task(fresh);
        task.run(own, stop);
        EXPECT_EQ(own.countLogs(), 0);
    }
    const auto sent = uploads();
    ASSERT_EQ(sent.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(sent[i].gzip, i < 3);
        EXPECT_EQ(sent[i].decoded, record(static_cast<int>(i % 3) + 1, i % 3 == 1 ? 5000 : 300));
    }
}

TEST_F(UploadTest, GzipBodiesFollowTheByteLayout) {
    fill(45);
    fill(1, "default", 30000, 99);
    pass();
    const auto sent = uploads();
    ASSERT_EQ(sent.size(), 4u);
    for (const auto& r : sent) {
        const std::string& body = r.body;
        ASSERT_GE(body.size(), 18u);
        EXPECT_EQ(body.substr(0, 10), std::string("\x1F\x8B\x08\0\0\0\0\0\0\xFF", 10));
        std::string viaZlib;
        ASSERT_TRUE(orvo_analytics::gunzip(body, viaZlib));
        EXPECT_EQ(littleEndian32(body, body.size() - 4), viaZlib.size());
        EXPECT_EQ(littleEndian32(body, body.size() - 8),
                  crc32(0, reinterpret_cast<const Bytef*>(viaZlib.data()),
                        static_cast<uInt>(viaZlib.size())));

        const std::string file = dir.file("body.gz");
        bitest::writeFile(file, body);
        std::string viaGzip;
        FILE* pipe = popen(("gzip -dc " + file + " 2>/dev/null").c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        char buf[8192];
        for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) viaGzip.append(buf, n);
        EXPECT_EQ(pclose(pipe), 0);
        EXPECT_EQ(viaGzip, viaZlib);
    }
    std::string expected;
    for (int i = 0; i < 45; ++i) expected += record(i);
    EXPECT_EQ(sent[0].decoded + sent[1].decoded + sent[2].decoded, expected);
    EXPECT_EQ(sent[3].decoded, record(99, 30000));
}

TEST_F(UploadTest, DuplicatesAreRemovedBeforeUploading) {
    fill(3);
    fill(3, "stage");
    pass();
    EXPECT_EQ(server->records().size(), 3u);
    EXPECT_EQ(store->countLogs(), 0);
}

TEST_F(UploadTest, NothingStoredMeansNoRequestAtAll) {
    pass();
    EXPECT_TRUE(server->requests().empty());
    EXPECT_EQ(server->connectionCount(), 0);
}

TEST_F(UploadTest, AStoppedWorkerSendsNothing) {
    fill(5);
    stop = true;
    pass();
    EXPECT_TRUE(server->requests().empty());
    EXPECT_EQ(store->countLogs(), 5);
}

TEST_F(UploadTest, NoConfigurationMeansNoUpload) {
    fill(5);
    server->script(bitest::statusAnswer(200, "<html>maintenance</html>"));
    testing::internal::CaptureStderr();
    pass();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Failed to parse server config: "),
              std::string::npos);
    EXPECT_TRUE(uploads().empty());
    pass();
    EXPECT_EQ(server->requestsTo("/init/").size(), 2u);
    EXPECT_EQ(store->countLogs(), 0);
}

TEST_F(UploadTest, AFileThatCannotBeWrittenSendsEachRecordOncePerRun) {
    fill(60);
    store->close();
    if (!setWritable(store->path(), false)) GTEST_SKIP() << "no unwritable files here";
    testing::internal::CaptureStderr();
    for (int i = 0; i < 6; ++i) pass();  // an exit loop's worth of passes
    const std::string err = testing::internal::GetCapturedStderr();
    const auto received = server->records();
    EXPECT_EQ(std::set<std::string>(received.begin(), received.end()).size(), 20u);
    EXPECT_EQ(received.size(), 20u);
    const std::string line =
        "upload pass stopped: 20 uploaded records cannot be deleted from the local store\n";
    EXPECT_TRUE(err.find(line) != std::string::npos && err.find(line) == err.rfind(line)) << err;
    EXPECT_TRUE(setWritable(store->path(), true));
}

TEST_F(UploadTest, RefusedBatchesStayForTheNextPass) {
    server->script(bitest::statusAnswer(200, "{}"));
    server->script(bitest::statusAnswer(400), 3);
    fill(2);
    pass();
    EXPECT_EQ(store->countLogs(), 2);
    pass();
    EXPECT_EQ(store->countLogs(), 0);
}

TEST_F(UploadTest, AFlushQueuedBeforeReleaseUploadsNothing) {
    fill(5);
    BiTaskQueue worker(store->path());
    // Keep the uploader busy so the flush is still queued when stopping begins.
    struct Blocker : BiTaskBase {
        std::atomic<bool>& started;
        std::atomic<bool>& release;
        Blocker(std::atomic<bool>& s, std::atomic<bool>& r)
            : BiTaskBase(""), started(s), release(r) {}
        void run(BiLogStore&, const std::atomic<bool>&) override {
            started = true;
            while (!release.load()) std::this_thread::yield();
        }
    };
    std::atomic<bool> started{false}, release{false};
    submit(worker, new Blocker(started, release));
    while (!started.load()) std::this_thread::yield();
    submit(worker, new BiTaskFlush(config));
    std::thread stopper([&worker] { stopWorker(worker); });
    while (!worker.stopRequested.load()) std::this_thread::yield();
    release = true;
    stopper.join();
    EXPECT_TRUE(server->requests().empty());
    EXPECT_EQ(store->countLogs(), 5);
}

TEST_F(UploadTest, ThePendingCountCanBeReadDuringAPass) {
    fill(200, "default", 300);
    BiTaskQueue worker(store->path());
    submit(worker, new BiTaskFlush(config));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    int last = 200;
    while (last > 0 && std::chrono::steady_clock::now() < deadline) {
        // The uploader's own connection, used from this thread while it uploads.
        const int now = worker.store.countLogs();
        EXPECT_LE(now, last);
        last = now;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    stopWorker(worker);
    EXPECT_EQ(last, 0);
    EXPECT_EQ(uploads().size(), 10u);
}

}  // namespace
