#include "bi_log_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

#include "platform_fs.h"

const char* const kBiDatabaseSuffix = ".bilogclient";

namespace {

constexpr int kSchemaVersion = 1;
constexpr int kBusyRetries = 30;
constexpr auto kBusyPause = std::chrono::milliseconds(100);

std::mutex g_pathMutex;
std::string g_databasePath;

std::string schemaScript() {
    return std::string(
               "CREATE TABLE IF NOT EXISTS bi_logs (_ID INTEGER PRIMARY KEY, timestamp INT, "
               "environment TEXT, content TEXT);"
               "CREATE TRIGGER DeleteOneRecordOnOverflow AFTER INSERT ON bi_logs FOR EACH ROW "
               "WHEN (SELECT COUNT(*) FROM bi_logs) > 10000 BEGIN DELETE FROM bi_logs WHERE "
               "timestamp = (SELECT MIN(timestamp) FROM bi_logs); END;"
               "CREATE TABLE IF NOT EXISTS schema_ver (version INT);"
               "insert into schema_ver(version) values(") +
           std::to_string(kSchemaVersion) +
           ");"
           "CREATE TABLE IF NOT EXISTS server_config (config TEXT, valid_countdown INT, "
           "expire_epoch INT); insert into server_config values(\"{}\", 0, 0);";
}

// Steps until the statement is no longer blocked by another connection, for
// at most kBusyRetries pauses. The connection has no busy timeout of its own.
int stepWithBusyRetry(sqlite3_stmt* stmt, int& retries) {
    retries = 0;
    int rc = sqlite3_step(stmt);
    while (rc == SQLITE_BUSY && retries < kBusyRetries) {
        std::this_thread::sleep_for(kBusyPause);
        rc = sqlite3_step(stmt);
        ++retries;
    }
    return rc;
}

// Finalizes on every path out of a statement function.
struct Statement {
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

// Serialized mode: the uploader's connection is also used by the caller's
// thread for the pending-record count. A symbolic link at the path is refused,
// not followed.
constexpr int kOpenFlags = SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW;

// Both workers' stores may meet at a new file; see _ensureOpen.
std::mutex g_createMutex;

int execWithBusyRetry(sqlite3* db, const char* sql, int busyRetries = kBusyRetries) {
    int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    for (int retries = 0; rc == SQLITE_BUSY && retries < busyRetries; ++retries) {
        std::this_thread::sleep_for(kBusyPause);
        rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    }
    return rc;
}

// Prepares a statement, waiting out another connection's lock like a step;
// null when it cannot be prepared.
sqlite3_stmt* prepareWithBusyRetry(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    for (int retries = 0; rc == SQLITE_BUSY && retries < kBusyRetries; ++retries) {
        std::this_thread::sleep_for(kBusyPause);
        rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    }
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return nullptr;
    }
    return stmt;
}

// Whether the file holds the record table: 1 yes, 0 no, -1 when the schema
// cannot be read (still locked after the usual retries, or damaged).
int hasRecordTable(sqlite3* db) {
    Statement st{prepareWithBusyRetry(
        db, "select 1 from sqlite_master where type = 'table' and name = 'bi_logs';")};
    if (st.stmt == nullptr) return -1;
    int retries = 0;
    const int rc = stepWithBusyRetry(st.stmt, retries);
    if (rc == SQLITE_ROW) return 1;
    return rc == SQLITE_DONE ? 0 : -1;
}

// What the start-up check makes of an existing file.
enum class FileVerdict { Usable, Kept, NotADatabase };

// Reading the schema, not only the header, also catches a file cut short.
// Another connection's lock is waited for like any busy statement. Only a file
// SQLite reads and calls no database, or damaged, may be thrown away, and
// whatever is in its place that is no file at all. A file that cannot even be
// opened now (no descriptors, no memory, no permission) may still hold records
// and is kept. So is a symbolic link, dangling or not: it is never followed
// (a run with elevated rights would create or use a file wherever it points)
// and never removed (it is not ours).
FileVerdict checkExistingFile(const std::string& path) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, kOpenFlags | SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        std::error_code error;
        const auto status = std::filesystem::symlink_status(std::filesystem::u8path(path), error);
        const bool kept =
            std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status);
        return kept ? FileVerdict::Kept : FileVerdict::NotADatabase;
    }
    rc = execWithBusyRetry(db, "pragma schema_version; select count(*) from sqlite_master;");
    sqlite3_close(db);
    if (rc == SQLITE_OK) return FileVerdict::Usable;
    if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT) return FileVerdict::NotADatabase;
    return FileVerdict::Kept;
}

// The environment and the content are bound, never part of the text.
std::string insertStatement(std::int64_t now) {
    return "insert into bi_logs (timestamp, environment, content) values (" + std::to_string(now) +
           ", ?2, ?1);";
}

void setDatabasePath(std::string path) {
    std::lock_guard<std::mutex> lock(g_pathMutex);
    g_databasePath = std::move(path);
}

}  // namespace

std::string databasePath() {
    std::lock_guard<std::mutex> lock(g_pathMutex);
    return g_databasePath;
}

void resetDatabasePath() { setDatabasePath(std::string()); }

bool prepareDatabaseFile(const std::string& storagePath, const std::string& appId) {
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
        const FileVerdict verdict = checkExistingFile(path);
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

BiLogStore::BiLogStore() : m_clock(biSystemSeconds) {}

BiLogStore::BiLogStore(std::string fixedPath)
    : m_fixedPath(std::move(fixedPath)), m_clock(biSystemSeconds) {}

BiLogStore::~BiLogStore() { close(); }

void BiLogStore::setClock(BiClock clock) { m_clock = std::move(clock); }

std::string BiLogStore::path() const { return m_fixedPath.empty() ? databasePath() : m_fixedPath; }

bool BiLogStore::isOpen() const { return m_db.load() != nullptr; }

bool BiLogStore::_ensureOpen() {
    if (m_db.load() != nullptr) return true;
    std::lock_guard<std::mutex> lock(m_openMutex);
    if (m_db.load() != nullptr) return true;

    const std::string file = path();
    if (file.empty()) return false;
    // Creating the file and its schema is one step for the whole process.
    // Otherwise the other worker's store could find the new file empty, fail
    // to create the tables being created, and delete the file under it.
    std::lock_guard<std::mutex> createLock(g_createMutex);
    const bool existed = bifs::fileExists(file);

    sqlite3* db = nullptr;
    const int flags = kOpenFlags | SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int opened = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    if (opened != SQLITE_OK) {
        m_openError.store(opened);
        std::cerr << "Error opening SQLite3 database: " << sqlite3_errmsg(db) << "\n" << std::endl;
        sqlite3_close(db);
        return false;
    }
    // The overflow trigger counts the whole table on every insert; a cache
    // that holds a full table (10000 records of ~600 bytes) keeps that count
    // in memory instead of re-reading the file each time.
    sqlite3_exec(db, "PRAGMA cache_size = -8192;", nullptr, nullptr, nullptr);
    const int recordTable = hasRecordTable(db);
    if (recordTable < 0) {
        // Locked for longer than the retries wait, or damaged: kept as it is,
        // and the next operation tries again.
        m_openError.store(sqlite3_errcode(db));
        std::cerr << "Error opening SQLite3 database: " << sqlite3_errmsg(db) << "\n" << std::endl;
        sqlite3_close(db);
        return false;
    }
    if (recordTable == 0) {
        // A new file, or one left without tables by a run killed while it
        // created them (SQLite rolls back what it had begun): the schema is
        // created under a write lock, so that the script runs whole or not
        // at all, and not again if another program has just created it.
        char* error = nullptr;
        int rc = execWithBusyRetry(db, "BEGIN IMMEDIATE;");
        if (rc == SQLITE_OK && hasRecordTable(db) == 0) {
            rc = sqlite3_exec(db, schemaScript().c_str(), nullptr, nullptr, &error);
        }
        if (rc == SQLITE_OK) rc = execWithBusyRetry(db, "COMMIT;");
        if (rc != SQLITE_OK) {
            m_openError.store(rc);
            std::cerr << "Error executing SQLite3 statement: "
                      << (error ? error : sqlite3_errmsg(db)) << "\n"
                      << std::endl;
            sqlite3_free(error);
            sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
            sqlite3_close(db);
            // Only the file made just now goes; one that was there before is
            // left as it is for the next attempt.
            if (!existed) bifs::removeFile(file);
            return false;
        }
        m_db.store(db);
        return true;
    }
    m_db.store(db);
    if (_getFirstInteger("select version from schema_ver;") < kSchemaVersion) {
        _runQueryWithoutResult("update schema_ver set version = 1;");
    }
    return true;
}

void BiLogStore::close() {
    std::lock_guard<std::mutex> lock(m_openMutex);
    sqlite3* db = m_db.exchange(nullptr);
    if (db != nullptr) sqlite3_close(db);
}

// A statement can only be compiled while the schema is readable, which
// another connection's write lock prevents for a moment; that wait gets the
// same budget as stepping.
sqlite3_stmt* BiLogStore::prepare(const std::string& sql) {
    return prepareWithBusyRetry(m_db.load(), sql.c_str());
}

int BiLogStore::_runQueryWithoutResult(const std::string& sql, const std::string* text) {
    Statement st{prepare(sql)};
    if (st.stmt == nullptr) return SQLITE_ERROR;
    if (text != nullptr &&
        sqlite3_bind_text(st.stmt, 1, text->data(), static_cast<int>(text->size()),
                          SQLITE_STATIC) != SQLITE_OK) {
        return SQLITE_ERROR;
    }
    int retries = 0;
    const int rc = stepWithBusyRetry(st.stmt, retries);
    if (rc != SQLITE_DONE) {
        std::cerr << "_runQueryWithoutResult failed, result = " << rc << ", retry = " << retries
                  << std::endl;
    }
    return rc;
}

std::string BiLogStore::_getFirstString(const std::string& sql, bool* found) {
    if (found != nullptr) *found = false;
    Statement st{prepare(sql)};
    if (st.stmt == nullptr) return std::string();
    int retries = 0;
    const int rc = stepWithBusyRetry(st.stmt, retries);
    if (rc == SQLITE_ROW) {
        if (found != nullptr) *found = true;
        const unsigned char* text = sqlite3_column_text(st.stmt, 0);
        const int bytes = sqlite3_column_bytes(st.stmt, 0);
        return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(bytes))
                    : std::string();
    }
    if (rc != SQLITE_DONE) {
        std::cerr << "_getFirstString failed, result = " << rc << ", retry = " << retries
                  << std::endl;
    }
    return std::string();
}

std::int64_t BiLogStore::_getFirstInteger(const std::string& sql) {
    Statement st{prepare(sql)};
    if (st.stmt == nullptr) return 0;
    int retries = 0;
    const int rc = stepWithBusyRetry(st.stmt, retries);
    if (rc == SQLITE_ROW) return sqlite3_column_int64(st.stmt, 0);
    if (rc != SQLITE_DONE) {
        std::cerr << "_getFirstInteger failed, result = " << rc << ", retry = " << retries
                  << std::endl;
    }
    return 0;
}

bool BiLogStore::saveLog(const std::string& environment, const std::string& content) {
    if (!_ensureOpen()) return false;
    Statement st{prepare(insertStatement(m_clock()))};
    if (st.stmt == nullptr) return false;
    if (sqlite3_bind_text(st.stmt, 1, content.data(), static_cast<int>(content.size()),
                          SQLITE_STATIC) != SQLITE_OK ||
        sqlite3_bind_text(st.stmt, 2, environment.data(), static_cast<int>(environment.size()),
                          SQLITE_STATIC) != SQLITE_OK) {
        std::cerr << "fail to bind parameter to insert statement" << std::endl;
        return false;
    }
    int retries = 0;
    const int rc = stepWithBusyRetry(st.stmt, retries);
    if (rc != SQLITE_DONE) {
        std::cerr << "save log fail, result = " << rc << ", retry = " << retries << std::endl;
        return false;
    }
    return true;
}

int BiLogStore::saveLogs(const BiRecordRefs& records, int busyRetries) {
    if (!_ensureOpen()) return m_openError.load() != SQLITE_OK ? m_openError.load() : SQLITE_ERROR;
    sqlite3* db = m_db.load();
    // One transaction for the lot: one journal and one sync instead of one
    // per record, which is what makes a long queue cheap to store.
    int rc = execWithBusyRetry(db, "BEGIN IMMEDIATE;", busyRetries);
    if (rc != SQLITE_OK) return rc;
    {
        Statement st{prepare(insertStatement(m_clock()))};
        rc = st.stmt == nullptr ? sqlite3_errcode(db) : SQLITE_DONE;
        for (size_t i = 0; rc == SQLITE_DONE && i < records.size(); ++i) {
            const std::string& environment = *records[i].first;
            const std::string& content = *records[i].second;
            sqlite3_reset(st.stmt);
            if (sqlite3_bind_text(st.stmt, 1, content.data(), static_cast<int>(content.size()),
                                  SQLITE_STATIC) != SQLITE_OK ||
                sqlite3_bind_text(st.stmt, 2, environment.data(),
                                  static_cast<int>(environment.size()),
                                  SQLITE_STATIC) != SQLITE_OK) {
                rc = sqlite3_errcode(db);
                break;
            }
            rc = sqlite3_step(st.stmt);
        }
    }
    if (rc == SQLITE_DONE) {
        const int committed = execWithBusyRetry(db, "COMMIT;", busyRetries);
        if (committed != SQLITE_OK) rc = committed;
    }
    // A failed COMMIT leaves the transaction open; nothing of it is kept.
    if (rc != SQLITE_DONE) sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? SQLITE_ERROR : rc;
}

void BiLogStore::removeDuplicates() {
    if (!_ensureOpen()) return;
    _runQueryWithoutResult(
        "DELETE FROM bi_logs WHERE _ID not in (SELECT min(_ID) FROM bi_logs GROUP BY content);");
}

int BiLogStore::selectBatch(const std::string& environment, int maxBytes, int maxRows,
                            BiBatch& batch) {
    batch.clear();
    if (!_ensureOpen()) return 0;
    // Ties in the second of storing keep the order of storing.
    Statement st{
        prepare("select * from bi_logs where environment = ?1 order by timestamp asc, _ID asc;")};
    if (st.stmt == nullptr) return 0;
    if (sqlite3_bind_text(st.stmt, 1, environment.data(), static_cast<int>(environment.size()),
                          SQLITE_STATIC) != SQLITE_OK) {
        return 0;
    }
    int retries = 0;
    int rc = stepWithBusyRetry(st.stmt, retries);
    if (rc != SQLITE_ROW) return 0;

    batch.ids.reserve(static_cast<size_t>(maxRows > 0 ? maxRows : 1));
    // The limit comes from the server; reserve no more than a sane batch.
    if (maxBytes > 0) batch.contents.reserve(static_cast<size_t>(std::min(maxBytes, 1 << 20)));
    bool refused = false;
    while (rc == SQLITE_ROW) {
        const std::int64_t id = sqlite3_column_int64(st.stmt, 0);
        const unsigned char* text = sqlite3_column_text(st.stmt, 3);
        const int n = sqlite3_column_bytes(st.stmt, 3);
        const char* chars = text ? reinterpret_cast<const char*>(text) : "";
        if (static_cast<std::int64_t>(batch.contents.size()) + n < maxBytes) {
            batch.contents.append(chars, static_cast<size_t>(n));
            batch.ids.push_back(id);
        } else {
            refused = true;
            if (batch.ids.empty()) {
                // A record larger than a batch travels alone.
                batch.contents.assign(chars, static_cast<size_t>(n));
                batch.ids.push_back(id);
            }
        }
        if (refused || batch.count() >= maxRows) break;
        rc = sqlite3_step(st.stmt);
    }
    return batch.count();
}

bool BiLogStore::deleteByIds(const std::vector<std::int64_t>& ids) {
    if (ids.empty()) return true;
    std::string sql = "delete from bi_logs where _ID in (";
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i > 0) sql += ',';
        sql += std::to_string(ids[i]);
    }
    sql += ");";
    if (_ensureOpen() && _runQueryWithoutResult(sql) == SQLITE_DONE) return true;
    std::lock_guard<std::mutex> lock(m_undeletedMutex);
    m_undeleted.insert(m_undeleted.end(), ids.begin(), ids.end());
    return false;
}

bool BiLogStore::deleteUploaded() {
    std::vector<std::int64_t> ids;
    {
        std::lock_guard<std::mutex> lock(m_undeletedMutex);
        ids.swap(m_undeleted);
    }
    return deleteByIds(ids);
}

std::optional<std::string> BiLogStore::firstEnvironment() {
    if (!_ensureOpen()) return std::nullopt;
    bool found = false;
    std::string environment = _getFirstString("select environment from bi_logs limit 1;", &found);
    if (!found) return std::nullopt;
    return environment;
}

int BiLogStore::countLogs() {
    if (!_ensureOpen()) return 0;
    return static_cast<int>(_getFirstInteger("select count(*) from bi_logs;"));
}

std::string BiLogStore::serverConfigText() {
    if (!_ensureOpen()) return std::string();
    return _getFirstString("select config from server_config;");
}

std::int64_t BiLogStore::expireEpoch() {
    if (!_ensureOpen()) return 0;
    return _getFirstInteger("select expire_epoch from server_config;");
}

std::int64_t BiLogStore::validCountdown() {
    if (!_ensureOpen()) return 0;
    return _getFirstInteger("select valid_countdown from server_config;");
}

void BiLogStore::setServerConfigText(const std::string& text) {
    if (!_ensureOpen()) return;
    // The text comes from the server: bound, so a quote in it is stored as is.
    _runQueryWithoutResult("update server_config set config = ?1;", &text);
}

void BiLogStore::setExpireEpoch(std::int64_t n) {
    if (!_ensureOpen()) return;
    _runQueryWithoutResult("update server_config set expire_epoch = " + std::to_string(n) + ";");
}

void BiLogStore::setValidCountdown(std::int64_t n) {
    if (!_ensureOpen()) return;
    _runQueryWithoutResult("update server_config set valid_countdown = " + std::to_string(n) + ";");
}
