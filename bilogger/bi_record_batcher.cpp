#include "bi_record_batcher.h"

#include <sqlite3.h>

#include <iostream>

namespace {

// Pauses of a store attempt while the database is locked (100 ms each)
// before the writer looks at what it holds and at the stop deadline again.
constexpr int kWriterBusyRetries = 5;

void reportLost(int count, const std::string& reason) {
    std::cerr << count << " analytics record(s) lost, not stored: " << reason << std::endl;
}

}  // namespace

BiRecordBatcher::BiRecordBatcher(std::string databaseFile, std::size_t limit)
    : BiWorkerThread(std::move(databaseFile)), m_limit(limit > 0 ? limit : 1) {}

std::size_t BiRecordBatcher::heldRecords() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_held.size();
}

void BiRecordBatcher::drain() {
    while (storeHeld()) {
    }
    reportDrain();
}

bool BiRecordBatcher::storeHeld() {
    BiRecordRefs refs;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_held.empty()) return false;
        m_inHand = m_held.size();
        refs.reserve(m_inHand);
        // The texts stay where they are: a full writer may move the pointers
        // in m_held meanwhile, never the records being stored.
        for (const auto& record : m_held) refs.emplace_back(&record->environment, &record->content);
    }
    const int count = static_cast<int>(refs.size());
    m_counts.beginChange();
    const BiSaveResult result = store.saveLogs(refs, kWriterBusyRetries);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (result.rc == SQLITE_DONE) {
        // Stored and counted off in one step for the pending count.
        m_counts.stored(count, result.evicted);
        m_evictedSinceReport += result.evicted;
        m_held.erase(m_held.begin(), m_held.begin() + count);
        m_inHand = m_givenWay = 0;
        return true;
    }
    m_counts.endChange();
    const int primary = result.rc & 0xFF;
    const bool busy = primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
    const std::string why =
        std::string(sqlite3_errstr(result.rc)) + " (result = " + std::to_string(result.rc) + ")";
    if (busy && pastStopDeadline()) {
        // Nothing more will be stored: everything held goes, in one line.
        loseLocked(m_held.size(), why);
    } else if (!busy) {
        loseLocked(static_cast<std::size_t>(count), why);
    } else {
        // Another program holds the file; the records stay held, except
        // those that gave way to newer ones meanwhile.
        m_counts.dropped(static_cast<int>(m_givenWay));
        m_droppedSinceReport += static_cast<int>(m_givenWay);
        m_held.erase(m_held.begin(), m_held.begin() + static_cast<std::ptrdiff_t>(m_givenWay));
    }
    m_inHand = m_givenWay = 0;
    return true;
}

void BiRecordBatcher::loseLocked(std::size_t count, const std::string& reason) {
    reportLost(static_cast<int>(count), reason);
    m_counts.dropped(static_cast<int>(count));
    m_held.erase(m_held.begin(), m_held.begin() + static_cast<std::ptrdiff_t>(count));
}

void BiRecordBatcher::reportDrain() {
    int dropped = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        dropped = m_droppedSinceReport;
        m_droppedSinceReport = 0;
    }
    if (dropped > 0) {
        reportLost(dropped, "the writer holds " + std::to_string(m_limit) +
                                " records at most, the oldest gave way");
    }
    if (m_evictedSinceReport > 0) {
        std::cerr << m_evictedSinceReport << " analytics record(s) lost: the local store keeps "
                  << kBiMaxStoredRecords << " at most, the oldest were removed" << std::endl;
        m_evictedSinceReport = 0;
    }
}

bool submit(BiRecordBatcher& worker, BiTaskSend* record) {
    std::unique_ptr<BiTaskSend> owned(record);
    {
        std::lock_guard<std::mutex> lock(worker.m_mutex);
        if (!worker.startLocked()) return false;
        worker.m_counts.sent();
        if (worker.m_held.size() - worker.m_givenWay >= worker.m_limit) {
            // The database cannot keep up (or another program holds it): the
            // newest records are the ones worth keeping.
            if (worker.m_givenWay < worker.m_inHand) {
                ++worker.m_givenWay;  // lost only if its attempt fails
            } else {
                const auto oldestWaiting =
                    worker.m_held.begin() + static_cast<std::ptrdiff_t>(worker.m_inHand);
                worker.m_held.erase(oldestWaiting);
                worker.m_counts.dropped(1);
                ++worker.m_droppedSinceReport;
            }
        }
        worker.m_held.push_back(std::move(owned));
    }
    worker.wake();
    return true;
}
