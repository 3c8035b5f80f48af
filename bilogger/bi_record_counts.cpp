#include "bi_record_counts.h"

void BiRecordCounts::restart() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending = 0;
    m_stored = 0;
    m_storedKnown = false;
}

void BiRecordCounts::sent() {
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_pending;
}

void BiRecordCounts::dropped(int records) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending -= records;
    m_lost += records;
}

void BiRecordCounts::beginChange() {
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_changing;
}

void BiRecordCounts::stored(int inserted, int evicted) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending -= inserted;
    m_stored += inserted - evicted;
    m_lost += evicted;
    --m_changing;
    ++m_changes;
}

void BiRecordCounts::replaced(std::int64_t readable) {
    std::lock_guard<std::mutex> lock(m_mutex);
    // The count the store kept is the better one when it was known.
    m_lost += static_cast<int>(m_storedKnown ? m_stored : readable);
    m_stored = 0;
    m_storedKnown = true;
}

void BiRecordCounts::removed(std::int64_t rows) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stored -= rows;
    --m_changing;
    ++m_changes;
}

void BiRecordCounts::endChange() {
    std::lock_guard<std::mutex> lock(m_mutex);
    --m_changing;
    ++m_changes;
}

bool BiRecordCounts::establish(const std::function<std::optional<std::int64_t>()>& countRows) {
    unsigned changesBefore = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_storedKnown) return true;
        if (m_changing > 0) return false;
        changesBefore = m_changes;
    }
    const std::optional<std::int64_t> rows = countRows();
    if (!rows) return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_storedKnown) return true;
    if (m_changing > 0 || m_changes != changesBefore) return false;
    m_stored = *rows;
    m_storedKnown = true;
    return true;
}

int BiRecordCounts::pending() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pending;
}

int BiRecordCounts::lost() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lost;
}

std::int64_t BiRecordCounts::total() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pending + (m_storedKnown ? m_stored : 0);
}
