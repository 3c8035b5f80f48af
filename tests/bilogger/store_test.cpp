// The local record store against real database files in temporary folders.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "bi_log_store.h"
#include "platform_fs.h"
#include "test_support.h"

using bitest::RawDb;
using bitest::TempDir;
using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace {

std::string programDirectory() {
    const std::string exe = bifs::programPath();
    return exe.substr(0, exe.rfind('/') + 1);
}

std::string record(const std::string& text) { return "{\"e\":\"" + text + "\"}\n"; }

class StoreTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(prepareDatabaseFile(dir.path(), "com.daxo.test"));
        path = dir.file("com.daxo.test.bilogclient");
        ASSERT_EQ(databasePath(), path);
    }
    void TearDown() override { resetDatabasePath(); }
    TempDir dir;
    std::string path;
};

TEST_F(StoreTest, NewFileHoldsTheSchemaAndTheInitialRows) {
    EXPECT_FALSE(bifs::fileExists(path)) << "the file is created by the first operation";
    BiLogStore store;
    EXPECT_EQ(store.countLogs(), 0);
    ASSERT_TRUE(bifs::fileExists(path));

    RawDb raw(path);
    EXPECT_EQ(raw.rows("select type, name from sqlite_master order by name;"),
              (std::vector<std::string>{"table|bi_logs", "table|schema_ver",
                                        "table|server_config"}));
    EXPECT_EQ(raw.rows("select version from schema_ver;"), std::vector<std::string>{"2"});
    EXPECT_EQ(raw.rows("select config, valid_countdown, expire_epoch from server_config;"),
              std::vector<std::string>{"{}|0|0"});
    EXPECT_EQ(store.serverConfigText(), "{}");
    EXPECT_EQ(store.expireEpoch(), 0);
    EXPECT_EQ(store.validCountdown(), 0);
    EXPECT_EQ(store.firstEnvironment(), std::nullopt);
}

TEST_F(StoreTest, SavedRecordsKeepTimeEnvironmentAndContent) {
    BiLogStore store;
    store.setClock([] { return std::int64_t{4102444800}; });  // beyond 32 bits of 2038
    ASSERT_TRUE(store.saveLog("default", record("a")));
    ASSERT_TRUE(store.saveLog("stage", std::string("b\0c\n", 4)));
    RawDb raw(path);
    EXPECT_EQ(
        raw.rows("select _ID, timestamp, environment, length(cast(content as blob)) from bi_logs;"),
        (std::vector<std::string>{"1|4102444800|default|10", "2|4102444800|stage|4"}));
    EXPECT_EQ(store.countLogs(), 2);
    EXPECT_EQ(store.firstEnvironment(), "default");
}

TEST_F(StoreTest, ValuesWithQuotesAreStoredAsGiven) {
    BiLogStore store;
    const std::string environment = "de\"fault'); drop table bi_logs; --";
    ASSERT_TRUE(store.saveLog(environment, record("q")));
    BiBatch batch;
    ASSERT_EQ(store.selectBatch(environment, 20480, 20, batch), 1);
    EXPECT_EQ(batch.contents, record("q"));
    EXPECT_EQ(store.firstEnvironment(), environment);

    const std::string config = "{\"url\":{\"stage\":\"it's\"}}";
    store.setServerConfigText(config);
    EXPECT_EQ(store.serverConfigText(), config);
    EXPECT_EQ(store.countLogs(), 1);
}

struct OverflowCase {
    const char* name;
    int rowsBefore, batch;
    bool sameSecond;  // the rows before were stored in the batch's second
    int kept, evicted;
};

void PrintTo(const OverflowCase& c, std::ostream* os) { *os << c.name; }

class OverflowTest : public StoreTest, public testing::WithParamInterface<OverflowCase> {};

TEST_P(OverflowTest, OnlyTheOldestRowsBeyondTheCapGoAndAreCounted) {
    const OverflowCase& c = GetParam();
    BiLogStore store;
    store.setClock([] { return std::int64_t{50000}; });
    ASSERT_EQ(store.countLogs(), 0);
    {
        RawDb raw(path);
        ASSERT_TRUE(raw.exec("begin;"));
        for (int i = 0; i < c.rowsBefore; ++i) {
            ASSERT_TRUE(raw.exec("insert into bi_logs (timestamp, environment, content) values (" +
                                 std::to_string(c.sameSecond ? 50000 : 1000 + i) +
                                 ", 'default', 'r" + std::to_string(i) + "');"));
        }
        ASSERT_TRUE(raw.exec("commit;"));
    }
    std::vector<std::string> texts;
    for (int i = 0; i < c.batch; ++i) texts.push_back("b" + std::to_string(i));
    const std::string environment = "default";
    BiRecordRefs refs;
    for (const std::string& text : texts) refs.emplace_back(&environment, &text);
    const BiSaveResult result = store.saveLogs(refs, kBiBusyRetries);
    EXPECT_EQ(result.rc, SQLITE_DONE);
    EXPECT_EQ(result.evicted, c.evicted);
    EXPECT_EQ(store.countLogs(), c.kept);
    const std::string oldest = c.evicted < c.rowsBefore
                                   ? "r" + std::to_string(c.evicted)
                                   : "b" + std::to_string(c.evicted - c.rowsBefore);
    EXPECT_EQ(RawDb(path).rows("select content from bi_logs order by _ID limit 1;"),
              std::vector<std::string>{oldest});
}

INSTANTIATE_TEST_SUITE_P(
    Cap, OverflowTest,
    testing::Values(OverflowCase{"BelowTheCap", 9990, 5, true, 9995, 0},
                    OverflowCase{"UpToTheCap", 9995, 5, true, 10000, 0},
                    OverflowCase{"OneOver", 10000, 1, false, 10000, 1},
                    OverflowCase{"BurstInOneSecond", 9000, 3000, true, 10000, 2000},
                    OverflowCase{"BurstOverManySeconds", 9000, 3000, false, 10000, 2000},
                    OverflowCase{"BatchAsLargeAsTheCap", 10000, 10000, true, 10000, 10000}),
    [](const testing::TestParamInfo<OverflowCase>& info) { return info.param.name; });

TEST_F(StoreTest, RemoveDuplicatesKeepsTheFirstOfEqualContentsAcrossEnvironments) {
    BiLogStore store;
    for (const auto& [env, text] :
         std::vector<std::pair<std::string, std::string>>{{"default", "a"},
                                                          {"stage", "a"},
                                                          {"stage", "b"},
                                                          {"default", "b"},
                                                          {"stage", "c"},
                                                          {"default", "a"}}) {
        ASSERT_TRUE(store.saveLog(env, record(text)));
    }
    store.removeDuplicates();
    RawDb raw(path);
    EXPECT_EQ(raw.rows("select _ID, environment from bi_logs order by _ID;"),
              (std::vector<std::string>{"1|default", "3|stage", "5|stage"}));
}

struct BatchCase {
    const char* name;
    std::vector<int> sizes;  // bytes per stored record, line feed included
    int maxBytes;
    int maxRows;
    std::vector<std::vector<int>> batches;  // record indexes per successive batch
};

void PrintTo(const BatchCase& c, std::ostream* os) { *os << c.name; }

class SelectBatchTest : public StoreTest, public testing::WithParamInterface<BatchCase> {};

TEST_P(SelectBatchTest, TakesOldestRecordsWithinTheLimits) {
    const BatchCase& c = GetParam();
    BiLogStore store;
    std::vector<std::string> texts;
    std::int64_t second = 1000;
    // Later records get earlier seconds now and then, so order comes from time.
    store.setClock([&second] { return second; });
    for (size_t i = 0; i < c.sizes.size(); ++i) {
        std::string text = "{\"i\":\"" + std::to_string(i) + "\",\"p\":\"";
        text.resize(static_cast<size_t>(c.sizes[i]) - 3, 'x');
        text += "\"}\n";
        texts.push_back(text);
        ASSERT_TRUE(store.saveLog("default", text));
        ASSERT_TRUE(store.saveLog("stage", "{\"other\":\"" + std::to_string(i) + "\"}\n"));
        second += i % 2 == 0 ? 0 : 1;
    }
    for (const auto& expected : c.batches) {
        BiBatch batch;
        const int count = store.selectBatch("default", c.maxBytes, c.maxRows, batch);
        std::string contents;
        for (int i : expected) contents += texts[static_cast<size_t>(i)];
        ASSERT_EQ(count, static_cast<int>(expected.size()));
        EXPECT_EQ(batch.count(), count);
        EXPECT_EQ(batch.contents, contents);
        store.deleteByIds(batch.ids);
    }
    BiBatch rest;
    EXPECT_EQ(store.selectBatch("default", c.maxBytes, c.maxRows, rest), 0);
    EXPECT_TRUE(rest.contents.empty());
    EXPECT_EQ(store.countLogs(), static_cast<int>(c.sizes.size())) << "stage rows untouched";
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SelectBatchTest,
    testing::Values(
        BatchCase{"TwoOf8000ThenTheThird", {8000, 8000, 8000}, 20480, 20, {{0, 1}, {2}}},
        BatchCase{"OversizeRecordAlone", {30000}, 20480, 20, {{0}}},
        BatchCase{"OversizeAfterSmallWaits", {100, 30000, 100}, 20480, 20, {{0}, {1}, {2}}},
        BatchCase{"ExactLimitIsRefused", {10240, 10240}, 20480, 20, {{0}, {1}}},
        BatchCase{"RowLimit", {50, 50, 50, 50, 50}, 20480, 2, {{0, 1}, {2, 3}, {4}}},
        BatchCase{"RowLimitZeroTakesOne", {50, 50}, 20480, 0, {{0}, {1}}},
        BatchCase{"RowLimitNegativeTakesOne", {50, 50}, 20480, -5, {{0}, {1}}},
        BatchCase{"ByteLimitZeroTakesOne", {50, 50}, 0, 20, {{0}, {1}}}),
    [](const testing::TestParamInfo<BatchCase>& info) { return info.param.name; });

TEST_F(StoreTest, SelectionOrderFollowsTimeThenStoring) {
    BiLogStore store;
    std::int64_t second = 2000;
    store.setClock([&second] { return second; });
    ASSERT_TRUE(store.saveLog("default", record("late")));
    second = 1000;
    ASSERT_TRUE(store.saveLog("default", record("early1")));
    ASSERT_TRUE(store.saveLog("default", record("early2")));
    BiBatch batch;
    ASSERT_EQ(store.selectBatch("default", 20480, 20, batch), 3);
    EXPECT_EQ(batch.contents, record("early1") + record("early2") + record("late"));
    EXPECT_EQ(batch.ids, (std::vector<std::int64_t>{2, 3, 1}));
}

TEST_F(StoreTest, DeleteByIdsRemovesExactlyThose) {
    BiLogStore store;
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(store.saveLog("default", record(std::to_string(i))));
    store.deleteByIds({4, 2});
    store.deleteByIds({});
    RawDb raw(path);
    EXPECT_EQ(raw.rows("select _ID from bi_logs;"), (std::vector<std::string>{"1", "3", "5"}));
}

TEST_F(StoreTest, ServerConfigRowKeepsOneRow) {
    BiLogStore store;
    store.setServerConfigText("{\"expire_time\":60}");
    store.setValidCountdown(-42);
    store.setExpireEpoch(2000000000);
    RawDb raw(path);
    EXPECT_EQ(raw.rows("select * from server_config;"),
              std::vector<std::string>{"{\"expire_time\":60}|-42|2000000000"});
    EXPECT_EQ(store.validCountdown(), -42);
    EXPECT_EQ(store.expireEpoch(), 2000000000);
}

TEST_F(StoreTest, AFileThatIsNotADatabaseIsReplaced) {
    bitest::writeFile(path, std::string(4096, 'Z'));
    ASSERT_TRUE(prepareDatabaseFile(dir.path() + "/", "com.daxo.test"));
    EXPECT_EQ(databasePath(), path) << "a trailing separator is not doubled";
    EXPECT_FALSE(bifs::fileExists(path));
    BiLogStore store;
    EXPECT_TRUE(store.saveLog("default", record("x")));
    EXPECT_EQ(store.serverConfigText(), "{}");
}

TEST_F(StoreTest, AnUnremovableNonDatabaseFailsWithItsMessage) {
    // A folder in the database's place, with something in it, cannot be removed.
    ASSERT_TRUE(std::filesystem::create_directory(path));
    bitest::writeFile(path + "/keep", "x");
    CaptureStderr();
    EXPECT_FALSE(prepareDatabaseFile(dir.path(), "com.daxo.test"));
    EXPECT_EQ(GetCapturedStderr(),
              "Invalid storage path: [" + path + "], please make sure it is correct.\n");
}

TEST_F(StoreTest, ALinkAtTheFileIsKeptAndNeverFollowedLinkedFoldersWork) {
    TempDir elsewhere;
    const std::string database = elsewhere.file("real.bilogclient");
    ASSERT_TRUE(BiLogStore(database).saveLog("default", record("theirs")));
    for (const std::string& target : {elsewhere.file("dangling"), database}) {
        std::filesystem::remove(path);
        std::filesystem::create_symlink(target, path);
        CaptureStderr();
        EXPECT_TRUE(prepareDatabaseFile(dir.path(), "com.daxo.test"));
        EXPECT_FALSE(BiLogStore().saveLog("default", record("mine")));
        GetCapturedStderr();
        EXPECT_TRUE(std::filesystem::is_symlink(path) &&
                    !std::filesystem::exists(elsewhere.file("dangling")));
        EXPECT_EQ(RawDb(database).integer("select count(*) from bi_logs;"), 1);
    }
    // Links in the folders on the way are followed: the storage folder itself
    // a link, and a link further up.
    TempDir real;
    std::filesystem::create_directories(real.file("sub"));
    std::filesystem::create_symlink(real.file("sub"), dir.file("folder"));
    std::filesystem::create_symlink(real.path(), dir.file("up"));
    for (const std::string& storage : {dir.file("folder"), dir.file("up/sub")}) {
        ASSERT_TRUE(prepareDatabaseFile(storage, "com.daxo.test"));
        EXPECT_TRUE(BiLogStore().saveLog("default", record("through " + storage)));
    }
    EXPECT_EQ(RawDb(real.file("sub/com.daxo.test.bilogclient")).integer(
                  "select count(*) from bi_logs;"),
              2);
}

TEST_F(StoreTest, AnExistingDatabaseIsKept) {
    {
        BiLogStore store;
        ASSERT_TRUE(store.saveLog("default", record("kept")));
    }
    ASSERT_TRUE(prepareDatabaseFile(dir.path(), "com.daxo.test"));
    BiLogStore store;
    EXPECT_EQ(store.countLogs(), 1);
}

struct VersionCase {
    const char* name;
    const char* rowsSql;
    std::vector<std::string> expected;
    bool upgraded = true;  // the old overflow trigger is gone
    int storeRows = 1;     // the store's file: a newer one is not this program's
};

void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.name; }

class SchemaVersionTest : public StoreTest, public testing::WithParamInterface<VersionCase> {};

TEST_P(SchemaVersionTest, OldVersionsAreUpgradedInPlaceAtFirstOpening) {
    {
        RawDb raw(path);
        ASSERT_TRUE(raw.exec(
            "CREATE TABLE bi_logs (_ID INTEGER PRIMARY KEY, timestamp INT, environment TEXT, "
            "content TEXT); CREATE TABLE schema_ver (version INT);"
            "CREATE TABLE server_config (config TEXT, valid_countdown INT, expire_epoch INT);"
            "insert into server_config values('{}', 0, 0);"
            "CREATE TRIGGER DeleteOneRecordOnOverflow AFTER INSERT ON bi_logs FOR EACH ROW WHEN "
            "(SELECT COUNT(*) FROM bi_logs) > 10000 BEGIN DELETE FROM bi_logs WHERE timestamp = "
            "(SELECT MIN(timestamp) FROM bi_logs); END;"
            "insert into bi_logs values(7, 1000, 'default', 'kept');"));
        ASSERT_TRUE(raw.exec(GetParam().rowsSql));
    }
    ASSERT_TRUE(prepareDatabaseFile(dir.path(), "com.daxo.test"));
    BiLogStore store;
    EXPECT_EQ(store.countLogs(), GetParam().storeRows);
    RawDb raw(path);
    EXPECT_EQ(raw.rows("select version from schema_ver;"), GetParam().expected);
    EXPECT_EQ(raw.integer("select count(*) from sqlite_master where type = 'trigger';"),
              GetParam().upgraded ? 0 : 1)
        << "the old overflow trigger goes; a current or newer file is left alone";
    EXPECT_EQ(raw.rows("select _ID, content from bi_logs;"), std::vector<std::string>{"7|kept"});
}

INSTANTIATE_TEST_SUITE_P(
    Versions, SchemaVersionTest,
    testing::Values(VersionCase{"Zero", "insert into schema_ver values(0);", {"2"}},
                    VersionCase{"Negative", "insert into schema_ver values(-3);", {"2"}},
                    VersionCase{"First", "insert into schema_ver values(1);", {"2"}},
                    VersionCase{"Current", "insert into schema_ver values(2);", {"2"}, false},
                    VersionCase{"Newer", "insert into schema_ver values(7);", {"7"}, false, 0},
                    VersionCase{"NoRows", "select 1;", {}}),
    [](const testing::TestParamInfo<VersionCase>& info) { return info.param.name; });

TEST(StoreLocationTest, EmptyAppIdFailsWithItsMessageAndCreatesNothing) {
    TempDir dir;
    ASSERT_TRUE(prepareDatabaseFile(dir.path(), "com.daxo.before"));
    CaptureStderr();
    EXPECT_FALSE(prepareDatabaseFile(dir.path(), ""));
    EXPECT_EQ(GetCapturedStderr(), "AppID cannot be empty while calling BiLogger::init().\n");
    EXPECT_EQ(databasePath(), dir.file("com.daxo.before.bilogclient"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    resetDatabasePath();
}

TEST(StoreLocationTest, ANonWritableOrMissingFolderPutsTheFileBesideTheProgram) {
    TempDir dir;
    const std::string readOnly = dir.file("ro");
    ASSERT_EQ(mkdir(readOnly.c_str(), 0555), 0);
    std::vector<std::string> unusable = {dir.file("missing"), dir.file("missing/deeper/"), readOnly,
                                         ""};
    if (access(readOnly.c_str(), W_OK) == 0) {
        // Privileged users may write anywhere; a read-only file system still refuses.
        unusable[2] = "/proc/sys";
        if (access("/proc/sys", W_OK) == 0) unusable.pop_back();
    }
    const std::string appId = "com.daxo.beside." + std::to_string(getpid());
    const std::string expected = programDirectory() + appId + ".bilogclient";
    for (const auto& storage : unusable) {
        SCOPED_TRACE(storage);
        ASSERT_TRUE(prepareDatabaseFile(storage, appId));
        EXPECT_EQ(databasePath(), expected);
    }
    BiLogStore store;
    EXPECT_TRUE(store.saveLog("default", record("beside")));
    EXPECT_TRUE(bifs::fileExists(expected));
    store.close();
    bifs::removeFile(expected);
    resetDatabasePath();
}

TEST(StoreLocationTest, AStoreWithoutPathNeverOpens) {
    resetDatabasePath();
    BiLogStore store;
    CaptureStderr();
    EXPECT_FALSE(store.saveLog("default", record("lost")));
    EXPECT_EQ(store.countLogs(), 0);
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(GetCapturedStderr(), "");
}

TEST(StoreOpenTest, AnUnopenableFileReportsAndStaysClosed) {
    TempDir dir;
    BiLogStore store(dir.file("no/such/folder/x.bilogclient"));
    CaptureStderr();
    EXPECT_FALSE(store.saveLog("default", record("x")));
    EXPECT_EQ(GetCapturedStderr(),
              "Error opening SQLite3 database: unable to open database file\n\n");
    EXPECT_FALSE(store.isOpen());
}

TEST(StoreOpenTest, FirstOpeningFromTwoThreadsMakesOneConnection) {
    TempDir dir;
    for (int round = 0; round < 20; ++round) {
        BiLogStore store(dir.file("race" + std::to_string(round) + ".bilogclient"));
        std::atomic<bool> go{false};
        auto work = [&] {
            while (!go.load()) std::this_thread::yield();
            for (int i = 0; i < 5; ++i) {
                EXPECT_TRUE(store.saveLog("default", record(std::to_string(i))));
                store.countLogs();
            }
        };
        std::thread a(work), b(work);
        go = true;
        a.join();
        b.join();
        EXPECT_EQ(store.countLogs(), 10);
        RawDb raw(store.path());
        EXPECT_EQ(raw.integer("select count(*) from server_config;"), 1);
    }
}

TEST(StoreOpenTest, TwoStoresMeetingAtANewFileLoseNothing) {
    TempDir dir;
    for (int round = 0; round < 20; ++round) {
        const std::string path = dir.file("meet" + std::to_string(round) + ".bilogclient");
        BiLogStore writer(path), uploader(path);
        std::atomic<bool> go{false};
        auto work = [&go](BiLogStore& store, const std::string& name) {
            while (!go.load()) std::this_thread::yield();
            for (int i = 0; i < 3; ++i) {
                EXPECT_TRUE(store.saveLog("default", record(name + std::to_string(i))));
            }
        };
        CaptureStderr();
        std::thread a(work, std::ref(writer), "w"), b(work, std::ref(uploader), "u");
        go = true;
        a.join();
        b.join();
        EXPECT_EQ(GetCapturedStderr(), "");
        RawDb raw(path);
        EXPECT_EQ(raw.integer("select count(*) from bi_logs;"), 6);
        EXPECT_EQ(raw.rows("select version from schema_ver;"), std::vector<std::string>{"2"});
        EXPECT_EQ(raw.integer("select count(*) from server_config;"), 1);
    }
}

// Another connection keeps the file write-locked for a while.
class BusyTest : public StoreTest {
protected:
    void lockFor(std::chrono::milliseconds hold) {
        blocker = std::make_unique<RawDb>(path);
        ASSERT_TRUE(blocker->exec("begin exclusive;"));
        releaser = std::thread([this, hold] {
            std::this_thread::sleep_for(hold);
            blocker->exec("commit;");
        });
    }
    void TearDown() override {
        if (releaser.joinable()) releaser.join();
        StoreTest::TearDown();
    }
    std::unique_ptr<RawDb> blocker;
    std::thread releaser;
};

TEST_F(BusyTest, ABriefLockIsWaitedFor) {
    BiLogStore store;
    ASSERT_EQ(store.countLogs(), 0);
    lockFor(std::chrono::milliseconds(450));
    CaptureStderr();
    EXPECT_TRUE(store.saveLog("default", record("waited")));
    EXPECT_EQ(store.countLogs(), 1);
    EXPECT_EQ(GetCapturedStderr(), "");
}

TEST_F(BusyTest, ADatabaseLockedAtStartUpIsKept) {
    ASSERT_TRUE(BiLogStore().saveLog("default", record("kept")));
    lockFor(std::chrono::milliseconds(3600));
    CaptureStderr();
    EXPECT_TRUE(prepareDatabaseFile(dir.path(), "com.daxo.test"));
    GetCapturedStderr();
    releaser.join();
    EXPECT_EQ(BiLogStore().countLogs(), 1);
}

struct BusyCase {
    const char* name;
    std::function<void(BiLogStore&)> operation;
    const char* message;
};

void PrintTo(const BusyCase& c, std::ostream* os) { *os << c.name; }

class BusyFailureTest : public BusyTest, public testing::WithParamInterface<BusyCase> {};

TEST_P(BusyFailureTest, GivesUpAfterThirtyRetries) {
    BiLogStore store;
    ASSERT_TRUE(store.saveLog("default", record("before")));
    lockFor(std::chrono::milliseconds(3600));
    const auto start = std::chrono::steady_clock::now();
    CaptureStderr();
    GetParam().operation(store);
    EXPECT_EQ(GetCapturedStderr(), GetParam().message);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2900));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, BusyFailureTest,
    testing::Values(
        BusyCase{"SaveLog",
                 [](BiLogStore& s) { EXPECT_FALSE(s.saveLog("default", record("late"))); },
                 "save log fail, result = 5, retry = 30\n"},
        BusyCase{"WithoutResult", [](BiLogStore& s) { s.setValidCountdown(5); },
                 "_runQueryWithoutResult failed, result = 5, retry = 30\n"},
        BusyCase{"FirstInteger", [](BiLogStore& s) { EXPECT_EQ(s.countLogs(), 0); },
                 "_getFirstInteger failed, result = 5, retry = 30\n"},
        BusyCase{"FirstString", [](BiLogStore& s) { EXPECT_FALSE(s.firstEnvironment()); },
                 "_getFirstString failed, result = 5, retry = 30\n"}),
    [](const testing::TestParamInfo<BusyCase>& info) { return info.param.name; });

}  // namespace
