// The analytics client end to end under Wine: the facade stores records with
// the record writer in a real SQLite file, the uploader fetches the
// configuration and uploads a batch over WinHTTP to the local server, which
// keeps what it accepted in its own database. The facade is process-wide and
// its workers stop for good at release(), hence one case in this program.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "bilogger.h"
#include "transport.h"
#include "win_test_support.h"

namespace {

// Every record text the server accepted so far.
std::vector<std::string> serverRecords(const std::string& file) {
    std::vector<std::string> records;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "select record from records;", -1, &stmt, nullptr) ==
            SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                const unsigned char* text = sqlite3_column_text(stmt, 0);
                if (text != nullptr) records.emplace_back(reinterpret_cast<const char*>(text));
            }
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return records;
}

TEST(UploadUnderWine, StoredRecordsReachTheServerAndLeaveTheStore) {
    const wintest::LocalServers servers = wintest::requireLocalServers();
    ASSERT_FALSE(HasFailure());
    ASSERT_FALSE(servers.recordsFile.empty());
    wintest::setEnvironment(kBiConnectToVariable, servers.accepting);
    setTransportTimeouts(BiTransportTimeouts{5000, 15000});

    wintest::TempDir storage;
    const std::string appId = "orvo-win-upload-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(BiLogger::init(3, appId, storage.path()));
    // The database lives in the storage folder, named after the application.
    const std::string marker = "run-" + std::to_string(GetTickCount64());
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<BiRecord> record(BiLogger::createRecord("orvocheck_info"));
        ASSERT_NE(record, nullptr);
        record->put("marker", marker)->put("index", std::to_string(i))->send();
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    EXPECT_EQ(BiLogger::pendingCount(), 3);
    EXPECT_NE(GetFileAttributesA(storage.file(appId + ".bilogclient").c_str()),
              INVALID_FILE_ATTRIBUTES);

    // The count includes records handed over but not yet stored, and a pass
    // over an empty store uploads nothing: ask again, as the service does.
    while (BiLogger::pendingCount() > 0 && std::chrono::steady_clock::now() < deadline) {
        BiLogger::flush();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    EXPECT_EQ(BiLogger::pendingCount(), 0);
    BiLogger::release();

    int arrived = 0;
    for (const std::string& record : serverRecords(servers.recordsFile)) {
        if (record.find("\"marker\":\"" + marker + "\"") == std::string::npos) continue;
        ++arrived;
        // The envelope came from the Windows back-ends.
        EXPECT_NE(record.find("\"app_version\":\"0.0.7.1\""), std::string::npos) << record;
        EXPECT_NE(record.find("\"app_id\":\"" + appId + "\""), std::string::npos) << record;
        EXPECT_EQ(record.find("\"serial_num\":\"\""), std::string::npos) << record;
        EXPECT_EQ(record.find("\"locale\":\"\""), std::string::npos) << record;
    }
    EXPECT_EQ(arrived, 3);

    // The storage folder is released with the store; remove the file now.
    DeleteFileA(storage.file(appId + ".bilogclient").c_str());
}

}  // namespace
