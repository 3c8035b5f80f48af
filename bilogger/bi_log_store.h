// The local analytics database: its schema, and every statement the client
// runs against it.
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
#include "bi_database_file.h"
#include "bi_sqlite_retry.h"

class BiRecordCounts;

// Appended to the file's name for the copy of a damaged file kept aside.
extern const char* const kBiDamagedSuffix;  // ".damaged"

// Most rows the store keeps; the oldest go first.
constexpr int kBiMaxStoredRecords = 10000;

// Records to store: environment name and record text of each, not owned.
using BiRecordRefs = std::vector<std::pair<const std::string*, const std::string*>>;

// One selection of records for an upload batch.
struct BiBatch {
    std::string contents;           // the records' texts, one JSON object per line
    std::vector<std::int64_t> ids;  // their _ID values, same order
    unsigned generation = 0;        // of the file they were read from (see deleteByIds)
    int count() const { return static_cast<int>(ids.size()); }
    void clear() {
        contents.clear();
        ids.clear();
    }
};

// What storing a run of records did.
struct BiSaveResult {
    int rc = 0;       // SQLITE_DONE when stored, otherwise the result that stopped it
    int retries = 0;  // pauses spent waiting for the write lock
    int evicted = 0;  // oldest rows removed to keep kBiMaxStoredRecords
};

class BiLogStore {
public:
    // Uses the process-wide database path, read at the first opening.
    BiLogStore();
    // Uses a fixed file (tests, benchmarks, the local server's tools); an
    // empty name means the process-wide path.
    explicit BiLogStore(std::string fixedPath);
    ~BiLogStore();
    BiLogStore(const BiLogStore&) = delete;
    BiLogStore& operator=(const BiLogStore&) = delete;

    // Replaces the time source of saveLog (tests).
    void setClock(BiClock clock);
    // No wait of this store goes past `until` (release() sets it; max() lifts it).
    void setDeadline(BiSteadyTime until);
    // Rows this store deletes are reported to counts (the uploader's store).
    void setCounts(BiRecordCounts* counts);

    // Opens the connection, creating or upgrading the schema; waits for
    // another connection's lock within `until` at most.
    bool _ensureOpen(BiSteadyTime until = BiSteadyTime::max());
    bool isOpen() const;
    // Why the last opening failed (SQLITE_OK if it did not).
    int openError() const { return m_openError.load(); }
    // Open, and the file may be written (SQLite opens a protected file read-only).
    bool isWritable();

    bool saveLog(const std::string& environment, const std::string& content);
    // Stores every record in one transaction, all or none, and within it
    // removes the oldest rows beyond kBiMaxStoredRecords; waits out another
    // connection's lock for at most busyRetries pauses. A file SQLite finds
    // damaged is replaced by a fresh one, once (see replaceDamaged), which
    // then takes the records. Reports nothing itself.
    BiSaveResult saveLogs(const BiRecordRefs& records, int busyRetries);
    void removeDuplicates();
    // Oldest records of one environment: strictly shorter than maxBytes in
    // total unless the batch is a single larger record, at most maxRows
    // records but always at least one when any record matches. Returns the
    // number of records taken; batch is replaced.
    int selectBatch(const std::string& environment, int maxBytes, int maxRows, BiBatch& batch);
    // True once the rows are gone. Rows the server took that cannot be
    // deleted are remembered (deleteUploaded retries them), so that this run
    // never sends them again. IDs read before a damaged file was replaced
    // (generation, from BiBatch) name rows that went with it: nothing is
    // deleted.
    bool deleteByIds(const std::vector<std::int64_t>& ids, unsigned generation = fileGeneration());
    // Changes when a damaged file is replaced (process-wide).
    static unsigned fileGeneration();
    // Deletes the rows an earlier deleteByIds could not; true when none is left.
    bool deleteUploaded();
    // The environment of any stored record; none when nothing is stored (or
    // it cannot be read). An empty name is a name like any other.
    std::optional<std::string> firstEnvironment();
    int countLogs();
    // The row count if it can be read at once, without waiting for a lock.
    std::optional<std::int64_t> countLogsNow();
    // Lets the counts learn the stored rows, if they do not know them yet.
    void establishCount();
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
    // Deletes rows and tells the counts how many went.
    int removeRows(const std::string& sql);
    BiSaveResult insertRecords(const BiRecordRefs& records, int busyRetries);
    // The file is damaged (at open, or on a write): its bytes are copied to
    // file + kBiDamagedSuffix and the database emptied in place, with a log
    // line; the rows still readable in it are counted lost. Once per opening.
    bool replaceDamaged(sqlite3* db, const std::string& file);
    BiRetryLimit limit(int retries = kBiBusyRetries, BiSteadyTime until = BiSteadyTime::max()) const;

    const std::string m_fixedPath;
    std::atomic<sqlite3*> m_db{nullptr};
    std::atomic<int> m_openError{0};  // why the last opening failed
    BiDeadline m_deadline{BiSteadyTime::max().time_since_epoch().count()};
    std::atomic<BiRecordCounts*> m_counts{nullptr};
    std::mutex m_openMutex;         // first opening from two threads, and close()
    std::mutex m_transactionMutex;  // saveLogs from two threads
    BiClock m_clock;
    std::mutex m_undeletedMutex;
    std::vector<std::int64_t> m_undeleted;  // uploaded, still stored; guarded by m_undeletedMutex
    unsigned m_undeletedGeneration = 0;     // of m_undeleted; guarded by m_undeletedMutex
    std::atomic<bool> m_replaced{false};    // a damaged file was replaced since opening
};
