// The facade end to end through the real record writer and a real database
// file. Each case runs in its own process (the facade is process-wide and its
// workers stop for good at release), so each starts uninitialised.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bi_worker.h"
#include "bilogger.h"
#include "device_identity.h"
#include "record_envelope.h"
#include "test_support.h"

namespace {

using bitest::RawDb;
using bitest::readFile;
using bitest::TempDir;
using bitest::writeFile;

const char kAppId[] = "com.daxo.facadetest";
const char kInitFail[] = "init fail, BiLogger will not function.\n";
const char kNotInitialised[] = "BiLogger is not initialized. Please call init() first.\n";

std::string dbFile(const TempDir& dir, const std::string& appId = kAppId) {
    return dir.file(appId + ".bilogclient");
}

void sendOne(const std::string& category, const std::string& key, const std::string& value) {
    std::unique_ptr<BiRecord> record(BiLogger::createRecord(category));
    ASSERT_NE(record, nullptr);
    record->put(key, value)->send();
}

// Scripted clock for the envelope's timestamp.
std::int64_t g_now = 1000;

class Facade : public testing::Test {
protected:
    void SetUp() override {
        envelopeClock() = [] { return g_now; };
        setenv("LC_ALL", "en-US.UTF-8", 1);
    }
    TempDir dir;
};

TEST_F(Facade, PendingCountBeforeInitIsZero) {
    EXPECT_EQ(BiLogger::pendingCount(), 0);
    EXPECT_EQ(BiLogger::sdkVersion(), 1);
}

TEST_F(Facade, SecondInitChangesNothing) {
    TempDir other;
    ASSERT_TRUE(BiLogger::init(1, kAppId, dir.path()));
    EXPECT_TRUE(BiLogger::init(7, "com.daxo.other", other.path()));
    sendOne("cat", "k", "v");
    BiLogger::release();

    EXPECT_FALSE(std::filesystem::exists(dbFile(other, "com.daxo.other")));
    RawDb db(dbFile(dir));
    const auto rows = db.rows("select content from bi_logs;");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_NE(rows[0].find("\"app_id\":\"com.daxo.facadetest\""), std::string::npos) << rows[0];
    EXPECT_NE(rows[0].find("\"version\":1}"), std::string::npos) << rows[0];
}

TEST_F(Facade, EmptyAppIdFailsAndRecordsAreRefused) {
    testing::internal::CaptureStderr();
    const bool ok = BiLogger::init(1, "", dir.path());
    BiRecord* record = BiLogger::createRecord("cat");
    BiLogger::flush();
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_FALSE(ok);
    EXPECT_EQ(record, nullptr);
    // The device identity may log what it could not read in between; the
    // order of the facade's own lines is what matters.
    const auto appIdLine = err.find("AppID cannot be empty while calling BiLogger::init().\n");
    const auto failLine = err.find(kInitFail);
    ASSERT_NE(appIdLine, std::string::npos) << err;
    ASSERT_NE(failLine, std::string::npos) << err;
    EXPECT_LT(appIdLine, failLine);
    const auto refusal = err.find(kNotInitialised, failLine);
    ASSERT_NE(refusal, std::string::npos) << err;
    EXPECT_NE(err.find(kNotInitialised, refusal + 1), std::string::npos) << "flush refuses too";
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(BiLogger::pendingCount(), 0);
}

TEST_F(Facade, DeviceIdentityIsReadOnceEvenByAFailedInit) {
    // Two machines that differ in their firmware UUID.
    TempDir machineA, machineB;
    for (const auto& [dir, uuid] :
         {std::pair<const TempDir*, const char*>{&machineA, "uuid-a"}, {&machineB, "uuid-b"}}) {
        std::filesystem::create_directories(dir->file("class/dmi/id"));
        bitest::writeFile(dir->file("class/dmi/id/product_uuid"), std::string(uuid) + "\n");
    }
    setenv("ORVOCHECK_SYSFS_ROOT", machineA.path().c_str(), 1);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(BiLogger::init(1, "", dir.path()));
    testing::internal::GetCapturedStderr();
    setenv("ORVOCHECK_SYSFS_ROOT", machineB.path().c_str(), 1);
    ASSERT_TRUE(BiLogger::init(1, kAppId, dir.path()));
    unsetenv("ORVOCHECK_SYSFS_ROOT");
    sendOne("cat", "k", "v");
    BiLogger::release();

    RawDb db(dbFile(dir));
    const auto rows = db.rows("select content from bi_logs;");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_NE(rows[0].find("\"serial_num\":\"uuid-a\""), std::string::npos) << rows[0];
    EXPECT_NE(rows[0].find("\"app_version\":\"0.0.7.1\""), std::string::npos) << rows[0];
}

TEST_F(Facade, EnvelopeMembersSortWithTheHostsAndWin) {
    const DeviceIdentity device = queryDeviceIdentity(kAppId);
    // The expected text below is written without JSON escaping.
    for (const std::string* value :
         {&device.deviceSerial, &device.osManufacturer, &device.osVersion}) {
        for (char c : *value) ASSERT_TRUE(c >= 0x20 && c < 0x7F && c != '"' && c != '\\');
    }
    ASSERT_TRUE(BiLogger::init(3, kAppId, dir.path()));
    g_now = 1700000000;
    std::unique_ptr<BiRecord> record(BiLogger::createRecord("orvocheck_test"));
    ASSERT_NE(record, nullptr);
    record->put("a2", "two")
        ->put("a10", "ten")
        ->put("a0", "zero")
        ->put("category", "host value")
        ->put("timestamp", "host value")
        ->put("zeta", std::string("nul\0inside", 10))
        ->put(std::string("key\0ignored", 11), "cut key")
        ->send();
    BiLogger::release();

    RawDb db(dbFile(dir));
    const auto rows = db.rows("select environment, content from bi_logs;");
    ASSERT_EQ(rows.size(), 1u);
    const std::string expected =
        "default|{\"a0\":\"zero\",\"a10\":\"ten\",\"a2\":\"two\",\"app_id\":\"com.daxo."
        "facadetest\","
        "\"app_version\":\"0.0.7.1\",\"category\":\"orvocheck_test\",\"environment\":\"default\","
        "\"key\":\"cut key\",\"locale\":\"en_US\",\"manufacturer\":\"" +
        device.osManufacturer + "\",\"sdk_int\":\"" + device.osVersion + "\",\"serial_num\":\"" +
        device.deviceSerial +
        "\",\"timestamp\":1700000000,\"version\":3,\"zeta\":\"nul\\u0000inside\"}\n";
    EXPECT_EQ(rows[0], expected);
}

TEST_F(Facade, TimestampKeepsTheLow32Bits) {
    ASSERT_TRUE(BiLogger::init(1, kAppId, dir.path()));
    g_now = (std::int64_t{1} << 32) + 5;
    sendOne("wrap", "k", "v");
    g_now = std::int64_t{0x80000000};
    sendOne("negative", "k", "v");
    BiLogger::release();

    RawDb db(dbFile(dir));
    const auto rows = db.rows("select content from bi_logs order by _ID;");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NE(rows[0].find("\"timestamp\":5,"), std::string::npos) << rows[0];
    EXPECT_NE(rows[1].find("\"timestamp\":-2147483648,"), std::string::npos) << rows[1];
}

TEST_F(Facade, RecordSentTwiceIsStoredTwiceWithItsOwnTimestamps) {
    ASSERT_TRUE(BiLogger::init(1, kAppId, dir.path()));
    std::unique_ptr<BiRecord> record(BiLogger::createRecord("twice"));
    ASSERT_NE(record, nullptr);
    record->put("k", "v");
    g_now = 1000;
    record->send();
    g_now = 1001;
    record->send();
    BiLogger::release();

    EXPECT_EQ(BiLogger::pendingCount(), 2);
    RawDb db(dbFile(dir));
    const auto rows = db.rows("select content from bi_logs order by _ID;");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NE(rows[0].find("\"timestamp\":1000,"), std::string::npos) << rows[0];
    EXPECT_NE(rows[1].find("\"timestamp\":1001,"), std::string::npos) << rows[1];
    std::string second = rows[1];
    second.replace(second.find("1001"), 4, "1000");
    EXPECT_EQ(second, rows[0]);
}

TEST_F(Facade, StageBeforeInitStoresUnderStage) {
    BiLogger::setEnvironment("stage");
    ASSERT_TRUE(BiLogger::init(1, kAppId, dir.path()));
    sendOne("cat", "k", "v");
    BiLogger::setEnvironment("default");
    sendOne("cat", "k", "w");
    BiLogger::release();

    RawDb db(dbFile(dir));
    const auto rows = db.rows("select environment, content from bi_logs order by _ID;");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].substr(0, 6), "stage|");
    EXPECT_NE(rows[0].find("\"environment\":\"stage\""), std::string::npos) << rows[0];
    EXPECT_EQ(rows[1].substr(0, 8), "default|");
    EXPECT_NE(rows[1].find("\"environment\":\"default\""), std::string::npos) << rows[1];
}

TEST_F(Facade, AfterReleaseRecordsAreRefusedUntilASecondInitWhichWorksLikeTheFirst) {
    ASSERT_TRUE(BiLogger::init(1, kAppId, dir.path()));
    sendOne("before", "k", "v");
    BiLogger::release();
    EXPECT_EQ(BiLogger::pendingCount(), 1);

    testing::internal::CaptureStderr();
    BiRecord* refused = BiLogger::createRecord("after");
    BiLogger::flush();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(err, std::string(kNotInitialised) + kNotInitialised);

    ASSERT_TRUE(BiLogger::init(1, kAppId, dir.path()));
    sendOne("after", "k", "v");
    BiLogger::release();
    EXPECT_EQ(BiLogger::pendingCount(), 2);
    EXPECT_EQ(BiLogger::lostCount(), 0);
    RawDb db(dbFile(dir));
    EXPECT_EQ(db.rows("select content from bi_logs where content like '%after%';").size(), 1u);
}

// The count right after sending, on a machine kept busy, over several inits
// of one process: the writer stores meanwhile, and no record is counted
// twice or missed.
TEST_F(Facade, PendingCountIsExactUnderLoadAndAfterEveryInit) {
    std::atomic<bool> busy{true};
    std::vector<std::thread> burners;
    for (unsigned t = 0; t < std::max(2u, std::thread::hardware_concurrency()); ++t) {
        burners.emplace_back([&busy] {
            while (busy.load()) {
            }
        });
    }
    int stored = 0;
    for (int round = 0; round < 4; ++round) {
        ASSERT_TRUE(BiLogger::init(1, kAppId, dir.path()));
        for (int run = 0; run < 25; ++run) {
            for (int i = 0; i < 3; ++i) sendOne("load", "k", std::to_string(i));
            EXPECT_EQ(BiLogger::pendingCount(), stored + 3) << "round " << round << " run " << run;
            stored += 3;
        }
        BiLogger::release();
    }
    busy = false;
    for (auto& b : burners) b.join();
    EXPECT_EQ(RawDb(dbFile(dir)).integer("select count(*) from bi_logs;"), stored);
}

TEST_F(Facade, InitCreatesTheFileSoTheFirstRecordAndACountDoNotRace) {
    ASSERT_TRUE(BiLogger::init(1, kAppId, dir.path()));
    EXPECT_TRUE(std::filesystem::exists(dbFile(dir)));
    testing::internal::CaptureStderr();
    sendOne("first", "k", "v");
    const int countedAtOnce = BiLogger::pendingCount();
    BiLogger::release();
    const std::string err = testing::internal::GetCapturedStderr();
    // Sent but perhaps not yet stored: pending either way.
    EXPECT_EQ(countedAtOnce, 1);
    EXPECT_EQ(err, "");
    EXPECT_EQ(BiLogger::pendingCount(), 1);
}

TEST_F(Facade, ReleaseWithoutInitOrRecordsReturnsAtOnce) {
    BiLogger::release();
    EXPECT_FALSE(recordWriter.threadStarted());
    EXPECT_FALSE(uploader.threadStarted());
    testing::internal::CaptureStderr();
    EXPECT_EQ(BiLogger::createRecord("x"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), kNotInitialised);
}

// Stores `records` records at folder/appId through the facade.
void fill(const std::string& folder, const std::string& appId, int records) {
    ASSERT_TRUE(BiLogger::init(1, appId, folder));
    for (int i = 0; i < records; ++i) sendOne("fill", "k", std::string(200, 'r'));
    BiLogger::release();
}

enum class Fault { LinkSwapping, DamagedRecordPage, NewerSchema, NoSchemaVersion };

struct StoreFaultCase {
    const char* name;
    Fault fault;
    int rounds;            // of init, send, release
    const char* readBack;  // the file the rounds' records are read back from, after the app ID
    bool lossCounted;
    const char* schema;  // of a file left by another program
};

const StoreFaultCase kStoreFaults[] = {
    {"link swapped in and out", Fault::LinkSwapping, 2000, ".bilogclient", false, ""},
    {"damaged record page", Fault::DamagedRecordPage, 1, ".bilogclient", true, ""},
    {"newer schema", Fault::NewerSchema, 1, ".schema2.bilogclient", false,
     "CREATE TABLE bi_logs (_ID INTEGER PRIMARY KEY, timestamp INT, environment TEXT, content TEXT "
     "CHECK (0)); CREATE TABLE schema_ver (version INT); insert into schema_ver values (3);"},
    {"no schema_ver", Fault::NoSchemaVersion, 1, ".bilogclient", false,
     "CREATE TABLE bi_logs (_ID INTEGER PRIMARY KEY, timestamp INT, environment TEXT, content "
     "TEXT);"},
};

void PrintTo(const StoreFaultCase& c, std::ostream* out) { *out << c.name; }

class StoreFaults : public Facade, public testing::WithParamInterface<StoreFaultCase> {};

TEST_P(StoreFaults, TheNextRunsRecordsAreKeptAndNothingElseIsWritten) {
    const StoreFaultCase& c = GetParam();
    const std::string path = dbFile(dir);
    TempDir elsewhere;
    fill(elsewhere.path(), "other", 0);
    fill(elsewhere.path(), "real", 0);
    const std::string other = dbFile(elsewhere, "other"), real = dbFile(elsewhere, "real");
    const std::string otherBefore = readFile(other);
    if (c.fault == Fault::DamagedRecordPage) {
        // Garbage on the last page, which holds the newest records, as a
        // failing disk leaves it.
        fill(dir.path(), kAppId, 200);
        std::string bytes = readFile(path);
        std::fill(bytes.end() - 4096, bytes.end(), '\xA5');
        writeFile(path, bytes);
    }
    ASSERT_TRUE(!*c.schema || RawDb(path).exec(c.schema));
    const std::string before = readFile(path);
    const int lostBefore = BiLogger::lostCount();

    // Another thread puts a link to the other store and a regular file at
    // the path by turns, each in one atomic rename.
    std::atomic<bool> swapping{c.fault == Fault::LinkSwapping};
    std::thread swapper([&] {
        const std::string linkName = dir.file("link.tmp"), fileName = dir.file("file.tmp");
        while (swapping.load()) {
            ::symlink(other.c_str(), linkName.c_str());
            std::rename(linkName.c_str(), path.c_str());
            ::link(real.c_str(), fileName.c_str());
            std::rename(fileName.c_str(), path.c_str());
        }
    });
    testing::internal::CaptureStderr();
    for (int round = 0; round < c.rounds; ++round) {
        if (BiLogger::init(1, kAppId, dir.path())) sendOne("round", "n", std::to_string(round));
        BiLogger::release();
    }
    swapping = false;
    swapper.join();
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_TRUE(readFile(other) == otherBefore) << "written through the link";
    const std::string readBack =
        c.fault == Fault::LinkSwapping ? real : dir.file(kAppId + std::string(c.readBack));
    // Every round's record when there is one round; with the link swapped
    // in and out, those of the rounds that met the regular file.
    const size_t found =
        RawDb(readBack).rows("select 1 from bi_logs where content like '%\"n\":%';").size();
    EXPECT_TRUE(c.rounds > 1 ? found > 0 : found == 1) << found << err;
    // Swapped under an open connection, a file may refuse a record (counted).
    EXPECT_TRUE(c.rounds > 1 || (BiLogger::lostCount() > lostBefore) == c.lossCounted) << err;
    EXPECT_TRUE(c.fault != Fault::NewerSchema || readFile(path) == before)
        << "the newer file changed";
    EXPECT_TRUE(c.fault != Fault::DamagedRecordPage || readFile(path + ".damaged") == before);
}

INSTANTIATE_TEST_SUITE_P(Facade, StoreFaults, testing::ValuesIn(kStoreFaults));

}  // namespace
