#include "bi_schema.h"

#include <sqlite3.h>

#include <iostream>
#include <string>

// 2: the store evicts its oldest rows itself, one by one, instead of the
// trigger of version 1, which deleted every row of the oldest second.
const int kBiSchemaVersion = 2;

namespace {

std::string schemaScript() {
    return "CREATE TABLE IF NOT EXISTS bi_logs (_ID INTEGER PRIMARY KEY, timestamp INT, "
           "environment TEXT, content TEXT);"
           "CREATE TABLE IF NOT EXISTS schema_ver (version INT);"
           "insert into schema_ver(version) values(" +
           std::to_string(kBiSchemaVersion) +
           ");"
           "CREATE TABLE IF NOT EXISTS server_config (config TEXT, valid_countdown INT, "
           "expire_epoch INT); insert into server_config values(\"{}\", 0, 0);";
}

// Version 1 to 2, rows kept. A file of a newer version is left as it is.
const char kUpgradeScript[] =
    "DROP TRIGGER IF EXISTS DeleteOneRecordOnOverflow;"
    "UPDATE schema_ver SET version = 2 WHERE version < 2;";

// A record table without schema_ver (a file some other tool made or cut
// down): the missing tables are added, the records kept.
const char kRepairScript[] =
    "DROP TRIGGER IF EXISTS DeleteOneRecordOnOverflow;"
    "CREATE TABLE schema_ver (version INT); insert into schema_ver(version) values(2);"
    "CREATE TABLE IF NOT EXISTS server_config (config TEXT, valid_countdown INT, "
    "expire_epoch INT);"
    "insert into server_config select \"{}\", 0, 0 where not exists (select 1 from server_config);";

// Whether the file holds the table: 1 yes, 0 no, -1 when the schema cannot
// be read (still locked after the wait, or damaged).
int hasTable(sqlite3* db, const char* name, const BiRetryLimit& wait) {
    BiStatement st{prepareWithBusyRetry(
        db, "select 1 from sqlite_master where type = 'table' and name = ?1;", wait)};
    if (st.stmt != nullptr) sqlite3_bind_text(st.stmt, 1, name, -1, SQLITE_STATIC);
    if (st.stmt == nullptr) return -1;
    int retries = 0;
    const int rc = stepWithBusyRetry(st.stmt, retries, wait);
    if (rc == SQLITE_ROW) return 1;
    return rc == SQLITE_DONE ? 0 : -1;
}

// Runs the script under a write lock, whole or not at all. A new file is
// created here too, and not again if another program has just created it.
int runInTransaction(sqlite3* db, const std::string& script, bool onlyIfNoTable,
                     const BiRetryLimit& wait, char** error) {
    int rc = execWithBusyRetry(db, "BEGIN IMMEDIATE;", wait);
    if (rc == SQLITE_OK && (!onlyIfNoTable || hasTable(db, "bi_logs", wait) == 0)) {
        rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, error);
    }
    if (rc == SQLITE_OK) rc = execWithBusyRetry(db, "COMMIT;", wait);
    if (rc != SQLITE_OK) sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
    return rc;
}

}  // namespace

std::optional<std::int64_t> biFirstInteger(sqlite3* db, const char* sql, const BiRetryLimit& wait) {
    BiStatement st{prepareWithBusyRetry(db, sql, wait)};
    if (st.stmt == nullptr) return std::nullopt;
    int retries = 0;
    if (stepWithBusyRetry(st.stmt, retries, wait) != SQLITE_ROW) return std::nullopt;
    return sqlite3_column_int64(st.stmt, 0);
}

std::optional<std::int64_t> biSchemaVersion(sqlite3* db, const BiRetryLimit& wait) {
    return biFirstInteger(db, "select version from schema_ver;", wait);
}

bool biDamaged(int rc) {
    const int primary = rc & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

int createOrUpgradeSchema(sqlite3* db, const BiRetryLimit& wait) {
    const int recordTable = hasTable(db, "bi_logs", wait);
    if (recordTable < 0) {
        // Locked for longer than the wait, or damaged: kept as it is, and the
        // next operation tries again.
        std::cerr << "Error opening SQLite3 database: " << sqlite3_errmsg(db) << "\n" << std::endl;
        const int rc = sqlite3_errcode(db);
        return rc == SQLITE_OK ? SQLITE_ERROR : rc;
    }
    char* error = nullptr;
    int rc = SQLITE_OK;
    if (recordTable == 0) {
        // A new file, or one left without tables by a run killed while it
        // created them.
        rc = runInTransaction(db, schemaScript(), true, wait, &error);
    } else if (hasTable(db, "schema_ver", wait) == 0) {
        rc = runInTransaction(db, kRepairScript, false, wait, &error);
    } else if (const std::int64_t version = biSchemaVersion(db, wait).value_or(0);
               version > kBiSchemaVersion) {
        std::cerr << "Analytics database of a newer schema (" << version
                  << "), not written: " << sqlite3_db_filename(db, "main") << std::endl;
        return SQLITE_READONLY;
    } else if (version < kBiSchemaVersion) {
        rc = runInTransaction(db, kUpgradeScript, false, wait, &error);
    }
    if (rc != SQLITE_OK) {
        std::cerr << "Error executing SQLite3 statement: " << (error ? error : sqlite3_errmsg(db))
                  << "\n"
                  << std::endl;
    }
    sqlite3_free(error);
    return rc;
}
