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
    return m_waiting.size() + m_inHand - m_givenWay;
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
        // Those that gave way while the last attempt waited go now.
        m_hand.erase(m_hand.begin(), m_hand.begin() + static_cast<std::ptrdiff_t>(m_givenWay));
        m_counts.dropped(static_cast<int>(m_givenWay));
        m_droppedSinceReport += static_cast<int>(m_givenWay);
        m_givenWay = 0;
        if (m_hand.empty()) {
            m_hand.swap(m_waiting);
        } else {
            for (auto& record : m_waiting) m_hand.push_back(std::move(record));
            m_waiting.clear();
        }
        m_inHand = m_hand.size();
        if (m_hand.empty()) return false;
    }
    refs.reserve(m_hand.size());
    for (const auto& record : m_hand) refs.emplace_back(&record->environment, &record->content);
    const int count = static_cast<int>(refs.size());
    m_counts.beginChange();
    const BiSaveResult result = store.saveLogs(refs, kWriterBusyRetries);
    if (result.rc == SQLITE_DONE) {
        // Stored and counted off in one step for the pending count.
        m_counts.stored(count, result.evicted);
        m_evictedSinceReport += result.evicted;
        std::deque<std::unique_ptr<BiTaskSend>> stored;
        stored.swap(m_hand);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_inHand = m_givenWay = 0;
        return true;
    }
    m_counts.endChange();
    const int primary = result.rc & 0xFF;
    const bool busy = primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
    const std::string why =
        std::string(sqlite3_errstr(result.rc)) + " (result = " + std::to_string(result.rc) + ")";
    std::lock_guard<std::mutex> lock(m_mutex);
    if (busy && pastStopDeadline()) {
        // Nothing more will be stored: everything held goes, in one line.
        for (auto& record : m_waiting) m_hand.push_back(std::move(record));
        m_waiting.clear();
        loseLocked(m_hand.size(), why);
    } else if (!busy) {
        loseLocked(m_hand.size(), why);
    }
    // Otherwise another program holds the file: the records stay in hand.
    return true;
}

void BiRecordBatcher::loseLocked(std::size_t count, const std::string& reason) {
    reportLost(static_cast<int>(count), reason);
    m_counts.dropped(static_cast<int>(count));
    m_hand.clear();
    m_inHand = m_givenWay = 0;
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
    std::unique_ptr<BiTaskSend> dropped;
    {
        std::lock_guard<std::mutex> lock(worker.m_mutex);
        if (!worker.startLocked()) return false;
        worker.m_counts.sent();
        if (worker.m_waiting.size() + worker.m_inHand - worker.m_givenWay >= worker.m_limit) {
            // The database cannot keep up (or another program holds it): the
            // newest records are the ones worth keeping.
            if (worker.m_givenWay < worker.m_inHand) {
                ++worker.m_givenWay;  // lost unless the attempt under way stores it
            } else {
                dropped = std::move(worker.m_waiting.front());
                worker.m_waiting.pop_front();
                worker.m_counts.dropped(1);
                ++worker.m_droppedSinceReport;
            }
        }
        worker.m_waiting.push_back(std::move(owned));
    }
    worker.wake();
    return true;
}
