// Where the analytics database lives, and what start-up makes of a file
// already there.
#pragma once

#include <string>

#include "bi_sqlite_retry.h"

struct sqlite3;

// Suffix of the database file, appended to the application ID.
extern const char* const kBiDatabaseSuffix;  // ".bilogclient"

// Chooses the database location (the storage directory if it exists and is
// writable, otherwise the program's own directory), sets the process-wide
// database path and throws away an existing file that is not a database.
// False (with a message on stderr) when the client cannot work. A lock held
// by another connection is waited for within `limit`.
bool prepareDatabaseFile(const std::string& storagePath, const std::string& appId,
                         const BiRetryLimit& limit = BiRetryLimit{kBiBusyRetries});

// The process-wide database path; empty until prepareDatabaseFile succeeded.
std::string databasePath();
// Forgets the path (tests; the facade never needs it).
void resetDatabasePath();

// Opens the database file for this client: never through a link at the file
// itself (a run with elevated rights would use a file wherever it points);
// folders on the way may be links. SQLITE_OK, or why not (the handle is then
// closed and null; a refused link reads SQLITE_CANTOPEN).
int openDatabase(const std::string& path, int flags, sqlite3** db);
