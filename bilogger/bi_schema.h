// The analytics database's tables, created in a new file and brought up to
// date in an older one.
#pragma once

#include <cstdint>
#include <optional>

#include "bi_sqlite_retry.h"

// The schema version this program writes.
extern const int kBiSchemaVersion;

// Creates the schema of a new (or emptied) file, or upgrades an older one in
// place, keeping its rows (a record table without schema_ver gets the tables
// it lacks); waits for other connections within `wait`. SQLITE_OK, or the
// failure (already written to stderr). A file of a newer schema is left as
// it is and answers SQLITE_READONLY: this program never writes into it.
int createOrUpgradeSchema(sqlite3* db, const BiRetryLimit& wait);

// The version in schema_ver; none when the file has no such row.
std::optional<std::int64_t> biSchemaVersion(sqlite3* db, const BiRetryLimit& wait);

// SQLite's word that the file is damaged or no database at all.
bool biDamaged(int rc);

// The first column of the first row: an integer, or none (no row, or the
// database could not answer within the limit).
std::optional<std::int64_t> biFirstInteger(sqlite3* db, const char* sql, const BiRetryLimit& wait);
