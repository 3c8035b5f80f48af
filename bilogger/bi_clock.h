// Wall-clock seconds for the analytics client, replaceable so that tests can
// move time forward without waiting.
#pragma once

#include <cstdint>
#include <functional>

// Seconds since 1970-01-01 UTC.
using BiClock = std::function<std::int64_t()>;

// The system clock (std::chrono::system_clock).
std::int64_t biSystemSeconds();
