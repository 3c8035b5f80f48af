// The record writer: holds the records sent and stores all it holds in one
// transaction per attempt. A record the database is too busy to take stays
// held and is tried again, until it is stored or the stop deadline passed.
//
// Memory is bounded: at most `limit` records are held, those being stored
// included. A record sent to a full writer makes the oldest give way; one
// being stored at that moment gives way only if that attempt fails. Every
// record given up is counted as lost, and each drain writes one line for
// them, and one for the rows the store evicted to stay within its cap.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

#include "bi_record_counts.h"
#include "bi_task.h"
#include "bi_worker_thread.h"

// Most records the record writer holds in memory: the store's own cap.
constexpr std::size_t kBiRecordQueueLimit = kBiMaxStoredRecords;

class BiRecordBatcher : public BiWorkerThread {
public:
    explicit BiRecordBatcher(std::string databaseFile = std::string(),
                             std::size_t limit = kBiRecordQueueLimit);
    ~BiRecordBatcher() override { stopInDestructor(); }

    // Pending (sent, neither stored nor lost), stored and lost records.
    BiRecordCounts& counts() { return m_counts; }
    int pendingRecords() const { return m_counts.pending(); }
    int lostRecords() const { return m_counts.lost(); }
    std::size_t heldRecords() const;

private:
    friend bool submit(BiRecordBatcher& worker, BiTaskSend* record);
    bool idleLocked() const override { return m_waiting.empty() && m_inHand == 0; }
    void drain() override;
    // One attempt at storing everything held; false when nothing was held.
    bool storeHeld();
    // With m_mutex held: gives up the oldest `count` records in hand.
    void loseLocked(std::size_t count, const std::string& reason);
    void reportDrain();

    const std::size_t m_limit;
    // The writer's thread only: records being stored, oldest first. They
    // stay in hand while the database is too busy to take them.
    std::deque<std::unique_ptr<BiTaskSend>> m_hand;
    // Guarded by m_mutex: records sent since the writer last took them,
    // oldest first; how many the writer has in hand, and how many of those
    // (the oldest) gave way to newer ones.
    std::deque<std::unique_ptr<BiTaskSend>> m_waiting;
    std::size_t m_inHand = 0;
    std::size_t m_givenWay = 0;
    int m_droppedSinceReport = 0;
    int m_evictedSinceReport = 0;  // the worker's thread only
    BiRecordCounts m_counts;
};

// Holds the record (taking ownership) and starts the writer's thread if
// needed. False when the record was not taken: the writer is stopped, or its
// thread cannot be started.
bool submit(BiRecordBatcher& worker, BiTaskSend* record);
