// How many records of this process wait in memory, how many rows the local
// store holds, and how many records were lost: one owner, one small lock.
//
// The record writer moves records from pending to stored in one step once
// its transaction is committed, and the uploader takes rows off once its
// delete is; neither holds the lock while SQLite works or waits. So the
// total is exact at every moment without asking the database, except before
// the stored rows were first counted (see establish()).
//
// Thread-safety: every member may be called from any thread.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

class BiRecordCounts {
public:
    // A new start (init): the store's rows are not counted yet; records lost
    // earlier in the process stay counted.
    void restart();

    void sent();
    // Records given up before they reached the database.
    void dropped(int records);

    // Brackets a change of the table (an insert or a delete): a count of the
    // rows taken meanwhile is not trusted.
    void beginChange();
    // The writer's transaction is committed: `inserted` records left memory,
    // `evicted` of the oldest rows made room for them (they are lost).
    void stored(int inserted, int evicted);
    // The store's file was damaged and replaced by an empty one: its rows are
    // gone, `readable` of them known (counted lost); none is stored now.
    void replaced(std::int64_t readable);
    // The uploader's delete is committed.
    void removed(std::int64_t rows);
    // A change that committed nothing.
    void endChange();

    // Counts the stored rows with countRows (null when it cannot) unless
    // known already. The count is taken only if no change of the table
    // overlapped it. True when the stored rows are known.
    bool establish(const std::function<std::optional<std::int64_t>()>& countRows);

    int pending() const;
    int lost() const;
    // Records sent and not stored yet, and the stored rows once known.
    std::int64_t total() const;

private:
    mutable std::mutex m_mutex;
    int m_pending = 0;
    int m_lost = 0;
    std::int64_t m_stored = 0;
    bool m_storedKnown = false;
    int m_changing = 0;       // changes begun and not ended
    unsigned m_changes = 0;   // changes ended
};
