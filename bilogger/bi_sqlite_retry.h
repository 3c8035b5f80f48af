// Waiting out another connection's lock on the analytics database. The
// connections have no busy timeout of their own: these loops are the only
// waiting, so every wait can be cut short by a deadline (release()).
#pragma once

#include <atomic>
#include <chrono>

struct sqlite3;
struct sqlite3_stmt;

using BiSteadyTime = std::chrono::steady_clock::time_point;

// A deadline that may be set while a statement already waits.
using BiDeadline = std::atomic<BiSteadyTime::rep>;

// How long a statement may wait for a lock: at most `retries` pauses of
// 100 ms, none of them past `until` nor past `deadline` as it reads when
// the pause begins.
struct BiRetryLimit {
    int retries;
    BiSteadyTime until = BiSteadyTime::max();
    const BiDeadline* deadline = nullptr;
};

// The usual budget: 30 pauses, about 3 s.
constexpr int kBiBusyRetries = 30;

// Steps until the statement is no longer blocked; `retries` tells how many
// pauses it took.
int stepWithBusyRetry(sqlite3_stmt* stmt, int& retries, const BiRetryLimit& limit);
// Runs a script the same way; `retries` (if given) as above.
int execWithBusyRetry(sqlite3* db, const char* sql, const BiRetryLimit& limit,
                      int* retries = nullptr);
// Prepares a statement, waiting out a lock on the schema like a step; null
// when it cannot be prepared.
sqlite3_stmt* prepareWithBusyRetry(sqlite3* db, const char* sql, const BiRetryLimit& limit);

// Finalizes on every path out of a statement function.
struct BiStatement {
    sqlite3_stmt* stmt = nullptr;
    ~BiStatement();
};
