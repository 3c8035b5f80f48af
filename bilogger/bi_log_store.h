// The local analytics database: where the file lives, its schema, and every
// statement the client runs against it.
//
// Thread-safety: a store wraps one connection. The connection is opened in
// SQLite's serialized mode and its first opening is guarded, so one store may
// be used from two threads (the uploader's store also answers the pending
// record count on the caller's thread). close() must not race other calls.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bi_clock.h"

struct sqlite3;
struct sqlite3_stmt;

// Suffix of the database file, appended to the application ID.
extern const char* const kBiDatabaseSuffix;  // ".bilogclient"

// Chooses the database location (the storage directory if it exists and is
// writable, otherwise the program's own directory), sets the process-wide
// database path and throws away an existing file that is not a database.
// False (with a message on stderr) when the client cannot work.
bool prepareDatabaseFile(const std::string& storagePath, const std::string& appId);

// The process-wide database path; empty until prepareDatabaseFile succeeded.
std::string databasePath();
// Forgets the path (tests; the facade never needs it).
void resetDatabasePath();

// Records to store: environment name and record text of each, not owned.
using BiRecordRefs = std::vector<std::pair<const std::string*, const std::string*>>;

// One selection of records for an upload batch.
struct BiBatch {
    std::string contents;           // the records' texts, one JSON object per line
    std::vector<std::int64_t> ids;  // their _ID values, same order
    int count() const { return static_cast<int>(ids.size()); }
    void clear() {
        contents.clear();
        ids.clear();
    }
};

class BiLogStore {
public:
    // Uses the process-wide database path, read at the first opening.
    BiLogStore();
    // Uses a fixed file (tests, benchmarks, the local server's tools).
    explicit BiLogStore(std::string fixedPath);
    ~BiLogStore();
    BiLogStore(const BiLogStore&) = delete;
    BiLogStore& operator=(const BiLogStore&) = delete;

    // Replaces the time source of saveLog (tests of the overflow trigger).
    void setClock(BiClock clock);

    bool _ensureOpen();
    bool isOpen() const;

    bool saveLog(const std::string& environment, const std::string& content);
    // Stores every record in one transaction, all or none, waiting out
    // another connection's lock for at most busyRetries pauses. SQLITE_DONE
    // when stored, otherwise the SQLite result that stopped it (SQLITE_BUSY:
    // the file is still locked; worth another try). Reports nothing itself.
    int saveLogs(const BiRecordRefs& records, int busyRetries);
    void removeDuplicates();
    // Oldest records of one environment: strictly shorter than maxBytes in
    // total unless the batch is a single larger record, at most maxRows
    // records but always at least one when any record matches. Returns the
    // number of records taken; batch is replaced.
    int selectBatch(const std::string& environment, int maxBytes, int maxRows, BiBatch& batch);
    // True once the rows are gone. Rows the server took that cannot be
    // deleted are remembered (deleteUploaded retries them), so that this run
    // never sends them again.
    bool deleteByIds(const std::vector<std::int64_t>& ids);
    // Deletes the rows an earlier deleteByIds could not; true when none is left.
    bool deleteUploaded();
    // The environment of any stored record; none when nothing is stored (or
    // it cannot be read). An empty name is a name like any other.
    std::optional<std::string> firstEnvironment();
    int countLogs();
    std::string serverConfigText();
    // Times in seconds, 64-bit like the column: a 32-bit time ends in 2038.
    std::int64_t expireEpoch();
    std::int64_t validCountdown();
    void setServerConfigText(const std::string& text);
    void setExpireEpoch(std::int64_t n);
    void setValidCountdown(std::int64_t n);
    void close();

    // The file this store opens (fixed path or the process-wide one).
    std::string path() const;

private:
    // The final result code of the statement (SQLITE_DONE on success).
    int _runQueryWithoutResult(const std::string& sql, const std::string* text = nullptr);
    std::string _getFirstString(const std::string& sql, bool* found = nullptr);
    std::int64_t _getFirstInteger(const std::string& sql);
    sqlite3_stmt* prepare(const std::string& sql);

    const std::string m_fixedPath;
    std::atomic<sqlite3*> m_db{nullptr};
    std::atomic<int> m_openError{0};  // why the last opening failed
    std::mutex m_openMutex;           // first opening from two threads, and close()
    BiClock m_clock;
    std::mutex m_undeletedMutex;
    std::vector<std::int64_t> m_undeleted;  // uploaded, still stored; guarded by m_undeletedMutex
};
