#include "bi_database_file.h"

#include <sqlite3.h>

#include <filesystem>
#include <iostream>
#include <mutex>

#include "platform_fs.h"

const char* const kBiDatabaseSuffix = ".bilogclient";

namespace {

std::mutex g_pathMutex;
std::string g_databasePath;

void setDatabasePath(std::string path) {
    std::lock_guard<std::mutex> lock(g_pathMutex);
    g_databasePath = std::move(path);
}

// What the start-up check makes of an existing file.
enum class FileVerdict { Usable, Kept, NotADatabase };

// Reading the schema, not only the header, also catches a file cut short.
// Another connection's lock is waited for like any busy statement. Only a file
// SQLite reads and calls no database, or damaged, may be thrown away, and
// whatever is in its place that is no file at all. A file that cannot even be
// opened now (no descriptors, no memory, no permission) may still hold records
// and is kept. So is a link at the path, dangling or not: it is never followed
// and never removed (it is not ours).
FileVerdict checkExistingFile(const std::string& path, const BiRetryLimit& limit) {
    if (bifs::isLink(path)) return FileVerdict::Kept;
    sqlite3* db = nullptr;
    int rc = openDatabase(path, SQLITE_OPEN_READWRITE, &db);
    if (rc != SQLITE_OK) {
        std::error_code error;
        const auto status = std::filesystem::status(std::filesystem::u8path(path), error);
        return std::filesystem::is_regular_file(status) ? FileVerdict::Kept
                                                        : FileVerdict::NotADatabase;
    }
    rc = execWithBusyRetry(db, "pragma schema_version; select count(*) from sqlite_master;", limit);
    sqlite3_close(db);
    if (rc == SQLITE_OK) return FileVerdict::Usable;
    if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT) return FileVerdict::NotADatabase;
    return FileVerdict::Kept;
}

}  // namespace

int openDatabase(const std::string& path, int flags, sqlite3** db) {
    *db = nullptr;
    // Checked here rather than by SQLITE_OPEN_NOFOLLOW, which refuses a link
    // in any folder of the path and does nothing on Windows.
    if (bifs::isLink(path)) return SQLITE_CANTOPEN;
    // Serialized mode: the uploader's connection is also used by the caller's
    // thread for the pending-record count.
    const int rc = sqlite3_open_v2(path.c_str(), db, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(*db);
        *db = nullptr;
    }
    return rc;
}

std::string databasePath() {
    std::lock_guard<std::mutex> lock(g_pathMutex);
    return g_databasePath;
}

void resetDatabasePath() { setDatabasePath(std::string()); }

bool prepareDatabaseFile(const std::string& storagePath, const std::string& appId,
                         const BiRetryLimit& limit) {
    if (appId.empty()) {
        std::cerr << "AppID cannot be empty while calling BiLogger::init()." << std::endl;
        return false;
    }
    const std::string program = bifs::programPath();
    const size_t lastSep = program.rfind(bifs::kSeparator);

    std::string storage = storagePath;
    if (!storage.empty() && storage.back() != bifs::kSeparator) storage += bifs::kSeparator;

    std::string directory;
    if (!storage.empty() && bifs::isWritableDirectory(storage)) {
        directory = storage;
    } else if (lastSep != std::string::npos) {
        directory = program.substr(0, lastSep + 1);
    }
    const std::string path = directory + appId + kBiDatabaseSuffix;
    setDatabasePath(path);

    if (bifs::fileExists(path)) {
        const FileVerdict verdict = checkExistingFile(path, limit);
        if (verdict == FileVerdict::Kept) {
            // The stores wait again at each statement and report what they
            // cannot save.
            std::cerr << "Database busy or not readable at start-up, kept: [" << path << "]"
                      << std::endl;
            return true;
        }
        if (verdict == FileVerdict::Usable) return true;
        bifs::removeFile(path);
    }
    if (bifs::fileExists(path)) {
        std::cerr << "Invalid storage path: [" << path << "], please make sure it is correct."
                  << std::endl;
        return false;
    }
    return true;
}
