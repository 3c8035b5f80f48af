#include "bi_sqlite_retry.h"

#include <sqlite3.h>

#include <algorithm>
#include <thread>

namespace {

constexpr auto kBusyPause = std::chrono::milliseconds(100);

// One pause before the next try, cut short at the deadline; false when no
// try is left.
bool pause(int done, const BiRetryLimit& limit) {
    if (done >= limit.retries) return false;
    BiSteadyTime until = limit.until;
    if (limit.deadline != nullptr) {
        until = std::min(until, BiSteadyTime(BiSteadyTime::duration(limit.deadline->load())));
    }
    const BiSteadyTime now = std::chrono::steady_clock::now();
    if (now >= until) return false;
    const auto left = until - now;
    std::this_thread::sleep_for(left < kBusyPause ? left : kBusyPause);
    return true;
}

bool busy(int rc) { return (rc & 0xFF) == SQLITE_BUSY; }

}  // namespace

int stepWithBusyRetry(sqlite3_stmt* stmt, int& retries, const BiRetryLimit& limit) {
    retries = 0;
    int rc = sqlite3_step(stmt);
    while (busy(rc) && pause(retries, limit)) {
        ++retries;
        rc = sqlite3_step(stmt);
    }
    return rc;
}

int execWithBusyRetry(sqlite3* db, const char* sql, const BiRetryLimit& limit, int* retries) {
    int done = 0;
    int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    while (busy(rc) && pause(done, limit)) {
        ++done;
        rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    }
    if (retries != nullptr) *retries = done;
    return rc;
}

sqlite3_stmt* prepareWithBusyRetry(sqlite3* db, const char* sql, const BiRetryLimit& limit) {
    sqlite3_stmt* stmt = nullptr;
    int done = 0;
    int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    while (busy(rc) && pause(done, limit)) {
        ++done;
        rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    }
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return nullptr;
    }
    return stmt;
}

BiStatement::~BiStatement() { sqlite3_finalize(stmt); }
