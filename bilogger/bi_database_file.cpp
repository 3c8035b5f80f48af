#include "bi_database_file.h"

#include <sqlite3.h>

#include <filesystem>
#include <iostream>
#include <mutex>

#include "bi_log_store.h"
#include "bi_schema.h"
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
enum class FileVerdict { Usable, Kept, NotADatabase, NewerSchema };

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
    const bool newer = rc == SQLITE_OK && biSchemaVersion(db, limit).value_or(0) > kBiSchemaVersion;
    sqlite3_close(db);
    if (newer) return FileVerdict::NewerSchema;
    if (rc == SQLITE_OK) return FileVerdict::Usable;
    if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT) return FileVerdict::NotADatabase;
    return FileVerdict::Kept;
}

}  // namespace

int openDatabase(const std::string& path, int flags, sqlite3** db) {
    *db = nullptr;
    // Checked here rather than by SQLITE_OPEN_NOFOLLOW, which refuses a link
    // in any folder of the path and does nothing on Windows. The check alone
    // is only a clear early answer: a link may appear right after it, so the
    // name is pinned (Windows) and the opened file checked (POSIX).
    if (bifs::isLink(path)) return SQLITE_CANTOPEN;
    const bifs::NamePin pin(path, (flags & SQLITE_OPEN_CREATE) != 0);
    if (!pin.held()) return SQLITE_CANTOPEN;
    // Serialized mode: the uploader's connection is also used by the caller's
    // thread for the pending-record count.
    int rc = sqlite3_open_v2(path.c_str(), db, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc == SQLITE_OK && !bifs::isOpenedPath(sqlite3_db_filename(*db, "main"), path)) {
        std::cerr << "A link took the place of the database file, not used: [" << path << "]"
                  << std::endl;
        rc = SQLITE_CANTOPEN;
    }
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
    std::string path = directory + appId + kBiDatabaseSuffix;
    setDatabasePath(path);

    FileVerdict verdict = bifs::fileExists(path) ? checkExistingFile(path, limit) : FileVerdict::Usable;
    if (verdict == FileVerdict::NewerSchema) {
        // A newer program's file is neither written nor emptied. This
        // program's records go to a file of its own schema beside it, which
        // every run of this program finds again the same way and uploads
        // from; a newer program may take them over from there.
        const std::string own = directory + appId + ".schema" + std::to_string(kBiSchemaVersion) +
                                kBiDatabaseSuffix;
        std::cerr << "Analytics database of a newer schema kept as it is: [" << path
                  << "]; this program's records go to [" << own << "]" << std::endl;
        path = own;
        setDatabasePath(path);
        verdict = bifs::fileExists(path) ? checkExistingFile(path, limit) : FileVerdict::Usable;
    }
    if (verdict == FileVerdict::Usable) return true;
    if (verdict == FileVerdict::Kept) {
        // The stores wait again at each statement and report what they
        // cannot save.
        std::cerr << "Database busy or not readable at start-up, kept: [" << path << "]"
                  << std::endl;
        return true;
    }
    if (verdict == FileVerdict::NotADatabase) {
        // A file is kept for whoever wants to look, not deleted; no
        // connection of this process has it open yet. What it held cannot be
        // read, so it cannot be counted. Anything else in its place goes.
        std::error_code error;
        const bool file = std::filesystem::is_regular_file(
            std::filesystem::symlink_status(std::filesystem::u8path(path), error));
        const std::string aside = path + kBiDamagedSuffix;
        if (file) bifs::removeFile(aside);
        if (file && bifs::renameFile(path, aside)) {
            std::cerr << "Damaged analytics database moved aside to [" << aside
                      << "]; a fresh one replaces it: [" << path << "]" << std::endl;
        } else {
            bifs::removeFile(path);
        }
    }
    if (bifs::fileExists(path)) {
        std::cerr << "Invalid storage path: [" << path << "], please make sure it is correct."
                  << std::endl;
        return false;
    }
    return true;
}
