#include "bi_log_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "bi_record_counts.h"
#include "bi_schema.h"
#include "platform_fs.h"

const char* const kBiDamagedSuffix = ".damaged";

namespace {

// The oldest rows beyond the cap, by _ID: a new row always gets a larger one.
const std::string kEvictOldest =
    "DELETE FROM bi_logs WHERE _ID IN (SELECT _ID FROM bi_logs ORDER BY _ID LIMIT "
    "max(0, (SELECT count(*) FROM bi_logs) - " +
    std::to_string(kBiMaxStoredRecords) + "));";

// Both workers' stores may meet at a new file; see _ensureOpen.
std::mutex g_createMutex;

// Counts the replacements of a damaged file in this process.
std::atomic<unsigned> g_fileGeneration{0};

// The rows of a damaged table that can still be read, up to the first
// damaged page.
std::int64_t readableRows(sqlite3* db) {
    BiStatement st{nullptr};
    if (sqlite3_prepare_v2(db, "select _ID from bi_logs;", -1, &st.stmt, nullptr) != SQLITE_OK)
        return 0;
    std::int64_t rows = 0;
    while (sqlite3_step(st.stmt) == SQLITE_ROW) ++rows;
    return rows;
}

// The environment and the content are bound, never part of the text.
std::string insertStatement(std::int64_t now) {
    return "insert into bi_logs (timestamp, environment, content) values (" + std::to_string(now) +
           ", ?2, ?1);";
}

bool bindRecord(sqlite3_stmt* stmt, const std::string& environment, const std::string& content) {
    return sqlite3_bind_text(stmt, 1, content.data(), static_cast<int>(content.size()),
                             SQLITE_STATIC) == SQLITE_OK &&
           sqlite3_bind_text(stmt, 2, environment.data(), static_cast<int>(environment.size()),
                             SQLITE_STATIC) == SQLITE_OK;
}

}  // namespace

BiLogStore::BiLogStore() : m_clock(biSystemSeconds) {}

BiLogStore::BiLogStore(std::string fixedPath)
    : m_fixedPath(std::move(fixedPath)), m_clock(biSystemSeconds) {}

BiLogStore::~BiLogStore() { close(); }

void BiLogStore::setClock(BiClock clock) { m_clock = std::move(clock); }

void BiLogStore::setDeadline(BiSteadyTime until) {
    m_deadline.store(until.time_since_epoch().count());
}

void BiLogStore::setCounts(BiRecordCounts* counts) { m_counts.store(counts); }

BiRetryLimit BiLogStore::limit(int retries, BiSteadyTime until) const {
    return BiRetryLimit{retries, until, &m_deadline};
}

std::string BiLogStore::path() const { return m_fixedPath.empty() ? databasePath() : m_fixedPath; }

bool BiLogStore::isOpen() const { return m_db.load() != nullptr; }

bool BiLogStore::isWritable() { return _ensureOpen() && sqlite3_db_readonly(m_db.load(), "main") == 0; }

bool BiLogStore::_ensureOpen(BiSteadyTime until) {
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
    const int opened = openDatabase(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &db);
    if (opened != SQLITE_OK) {
        m_openError.store(opened);
        std::cerr << "Error opening SQLite3 database: "
                  << (bifs::isLink(file) ? "a link is not followed: [" + file + "]"
                                         : std::string(sqlite3_errstr(opened)))
                  << "\n"
                  << std::endl;
        return false;
    }
    // A cache that holds a full table (10000 records of ~600 bytes) keeps the
    // eviction's count in memory instead of re-reading the file each time.
    sqlite3_exec(db, "PRAGMA cache_size = -8192;", nullptr, nullptr, nullptr);
    int schema = createOrUpgradeSchema(db, limit(kBiBusyRetries, until));
    if (biDamaged(schema) && replaceDamaged(db, file)) {
        schema = createOrUpgradeSchema(db, limit(kBiBusyRetries, until));
    }
    m_openError.store(schema);
    if (schema != SQLITE_OK) {
        sqlite3_close(db);
        // Only the file made just now goes; one that was there before is
        // left as it is for the next attempt.
        if (!existed) bifs::removeFile(file);
        return false;
    }
    m_db.store(db);
    return true;
}

unsigned BiLogStore::fileGeneration() { return g_fileGeneration.load(); }

void BiLogStore::close() {
    std::lock_guard<std::mutex> lock(m_openMutex);
    m_replaced = false;
    sqlite3* db = m_db.exchange(nullptr);
    if (db != nullptr) sqlite3_close(db);
}

// A statement can only be compiled while the schema is readable, which
// another connection's write lock prevents for a moment; that wait gets the
// same budget as stepping.
sqlite3_stmt* BiLogStore::prepare(const std::string& sql) {
    return prepareWithBusyRetry(m_db.load(), sql.c_str(), limit());
}

int BiLogStore::_runQueryWithoutResult(const std::string& sql, const std::string* text) {
    BiStatement st{prepare(sql)};
    if (st.stmt == nullptr) return SQLITE_ERROR;
    if (text != nullptr &&
        sqlite3_bind_text(st.stmt, 1, text->data(), static_cast<int>(text->size()),
                          SQLITE_STATIC) != SQLITE_OK) {
        return SQLITE_ERROR;
    }
    int retries = 0;
    const int rc = stepWithBusyRetry(st.stmt, retries, limit());
    if (rc != SQLITE_DONE) {
        std::cerr << "_runQueryWithoutResult failed, result = " << rc << ", retry = " << retries
                  << std::endl;
    }
    return rc;
}

std::string BiLogStore::_getFirstString(const std::string& sql, bool* found) {
    if (found != nullptr) *found = false;
    BiStatement st{prepare(sql)};
    if (st.stmt == nullptr) return std::string();
    int retries = 0;
    const int rc = stepWithBusyRetry(st.stmt, retries, limit());
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
    BiStatement st{prepare(sql)};
    if (st.stmt == nullptr) return 0;
    int retries = 0;
    const int rc = stepWithBusyRetry(st.stmt, retries, limit());
    if (rc == SQLITE_ROW) return sqlite3_column_int64(st.stmt, 0);
    if (rc != SQLITE_DONE) {
        std::cerr << "_getFirstInteger failed, result = " << rc << ", retry = " << retries
                  << std::endl;
    }
    return 0;
}

bool BiLogStore::saveLog(const std::string& environment, const std::string& content) {
    if (!_ensureOpen()) return false;
    const BiSaveResult result = saveLogs({{&environment, &content}}, kBiBusyRetries);
    if (result.rc != SQLITE_DONE) {
        std::cerr << "save log fail, result = " << result.rc << ", retry = " << result.retries
                  << std::endl;
        return false;
    }
    return true;
}

BiSaveResult BiLogStore::saveLogs(const BiRecordRefs& records, int busyRetries) {
    if (!_ensureOpen()) {
        BiSaveResult result;
        result.rc = m_openError.load() != SQLITE_OK ? m_openError.load() : SQLITE_ERROR;
        return result;
    }
    BiSaveResult result = insertRecords(records, busyRetries);
    // A damaged file would refuse every later record too: it is replaced by
    // a fresh one, which takes these.
    if (biDamaged(result.rc) && replaceDamaged(m_db.load(), path()) &&
        createOrUpgradeSchema(m_db.load(), limit(busyRetries)) == SQLITE_OK) {
        result = insertRecords(records, busyRetries);
    }
    return result;
}

BiSaveResult BiLogStore::insertRecords(const BiRecordRefs& records, int busyRetries) {
    BiSaveResult result;
    sqlite3* db = m_db.load();
    // A transaction belongs to the connection, not to a thread.
    std::lock_guard<std::mutex> transaction(m_transactionMutex);
    // One transaction for the lot: one journal and one sync instead of one
    // per record, which is what makes a long queue cheap to store.
    int rc = execWithBusyRetry(db, "BEGIN IMMEDIATE;", limit(busyRetries), &result.retries);
    if (rc != SQLITE_OK) {
        result.rc = rc;
        return result;
    }
    {
        BiStatement st{prepare(insertStatement(m_clock()))};
        rc = st.stmt == nullptr ? sqlite3_errcode(db) : SQLITE_DONE;
        for (size_t i = 0; rc == SQLITE_DONE && i < records.size(); ++i) {
            sqlite3_reset(st.stmt);
            rc = bindRecord(st.stmt, *records[i].first, *records[i].second)
                     ? sqlite3_step(st.stmt)
                     : sqlite3_errcode(db);
        }
    }
    if (rc == SQLITE_DONE) {
        rc = sqlite3_exec(db, kEvictOldest.c_str(), nullptr, nullptr, nullptr);
        result.evicted = sqlite3_changes(db);
        rc = rc == SQLITE_OK ? SQLITE_DONE : rc;
    }
    if (rc == SQLITE_DONE) {
        const int committed = execWithBusyRetry(db, "COMMIT;", limit(busyRetries));
        if (committed != SQLITE_OK) rc = committed;
    }
    // A failed COMMIT leaves the transaction open; nothing of it is kept.
    if (rc != SQLITE_DONE) {
        sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
        result.evicted = 0;
    }
    result.rc = rc == SQLITE_OK ? SQLITE_ERROR : rc;
    return result;
}

bool BiLogStore::replaceDamaged(sqlite3* db, const std::string& file) {
    if (m_replaced.load()) return false;  // once: a disk that damages every file stays
    // The damaged bytes are kept beside the file for whoever wants to look;
    // the reset then empties the file in place, under SQLite's own locks, so
    // that the other connection, which has it open too, sees the fresh one.
    const std::string aside = file + kBiDamagedSuffix;
    std::error_code error;
    std::filesystem::copy_file(std::filesystem::u8path(file), std::filesystem::u8path(aside),
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        std::cerr << "Damaged analytics database could not be kept aside, left as it is: [" << file
                  << "]: " << error.message() << std::endl;
        return false;
    }
    const std::int64_t readable = readableRows(db);
    sqlite3_db_config(db, SQLITE_DBCONFIG_RESET_DATABASE, 1, nullptr);
    // The other connection's reading is waited out like any lock.
    const int rc = execWithBusyRetry(db, "VACUUM;", limit());
    sqlite3_db_config(db, SQLITE_DBCONFIG_RESET_DATABASE, 0, nullptr);
    if (rc != SQLITE_OK) {
        std::cerr << "Damaged analytics database could not be emptied: [" << file
                  << "]: " << sqlite3_errstr(rc) << std::endl;
        return false;
    }
    // Row numbers start again: IDs selected from the damaged file must not
    // delete the fresh file's rows.
    g_fileGeneration.fetch_add(1);
    m_replaced = true;
    std::cerr << "Damaged analytics database moved aside to [" << aside << "], " << readable
              << " readable record(s) in it lost; a fresh one replaces it: [" << file << "]"
              << std::endl;
    if (BiRecordCounts* counts = m_counts.load()) counts->replaced(readable);
    return true;
}

int BiLogStore::removeRows(const std::string& sql) {
    BiRecordCounts* counts = m_counts.load();
    if (counts != nullptr) counts->beginChange();
    const int rc = _runQueryWithoutResult(sql);
    if (counts != nullptr) {
        if (rc == SQLITE_DONE) {
            counts->removed(sqlite3_changes(m_db.load()));
        } else {
            counts->endChange();
        }
    }
    return rc;
}

void BiLogStore::removeDuplicates() {
    if (!_ensureOpen()) return;
    removeRows(
        "DELETE FROM bi_logs WHERE _ID not in (SELECT min(_ID) FROM bi_logs GROUP BY content);");
}

int BiLogStore::selectBatch(const std::string& environment, int maxBytes, int maxRows,
                            BiBatch& batch) {
    batch.clear();
    if (!_ensureOpen()) return 0;
    batch.generation = g_fileGeneration.load();
    // Ties in the second of storing keep the order of storing.
    BiStatement st{
        prepare("select * from bi_logs where environment = ?1 order by timestamp asc, _ID asc;")};
    if (st.stmt == nullptr) return 0;
    if (sqlite3_bind_text(st.stmt, 1, environment.data(), static_cast<int>(environment.size()),
                          SQLITE_STATIC) != SQLITE_OK) {
        return 0;
    }
    int retries = 0;
    int rc = stepWithBusyRetry(st.stmt, retries, limit());
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

bool BiLogStore::deleteByIds(const std::vector<std::int64_t>& ids, unsigned generation) {
    if (ids.empty()) return true;
    if (generation != g_fileGeneration.load()) {
        // Their rows went with the damaged file.
        std::cerr << "Uploaded records of a replaced database file, not deleted twice" << std::endl;
        return true;
    }
    std::string sql = "delete from bi_logs where _ID in (";
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i > 0) sql += ',';
        sql += std::to_string(ids[i]);
    }
    sql += ");";
    if (_ensureOpen() && removeRows(sql) == SQLITE_DONE) return true;
    std::lock_guard<std::mutex> lock(m_undeletedMutex);
    if (m_undeletedGeneration != generation) m_undeleted.clear();
    m_undeletedGeneration = generation;
    m_undeleted.insert(m_undeleted.end(), ids.begin(), ids.end());
    return false;
}

bool BiLogStore::deleteUploaded() {
    std::vector<std::int64_t> ids;
    unsigned generation = 0;
    {
        std::lock_guard<std::mutex> lock(m_undeletedMutex);
        ids.swap(m_undeleted);
        generation = m_undeletedGeneration;
    }
    return deleteByIds(ids, generation);
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

std::optional<std::int64_t> BiLogStore::countLogsNow() {
    sqlite3* db = m_db.load();
    if (db == nullptr) return std::nullopt;
    return biFirstInteger(db, "select count(*) from bi_logs;", BiRetryLimit{0});
}

void BiLogStore::establishCount() {
    if (BiRecordCounts* counts = m_counts.load()) {
        counts->establish([this] { return countLogsNow(); });
    }
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
