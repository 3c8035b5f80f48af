// The analytics database's tables, created in a new file and brought up to
// date in an older one.
#pragma once

#include <cstdint>
#include <optional>

#include "bi_sqlite_retry.h"

// Creates the schema of a new (or emptied) file, or upgrades an older one in
// place, keeping its rows; waits for other connections within `wait`.
// SQLITE_OK, or the failure (already written to stderr).
int createOrUpgradeSchema(sqlite3* db, const BiRetryLimit& wait);

// The first column of the first row: an integer, or none (no row, or the
// database could not answer within the limit).
std::optional<std::int64_t> biFirstInteger(sqlite3* db, const char* sql, const BiRetryLimit& wait);
