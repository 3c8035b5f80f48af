#include "bi_clock.h"

#include <chrono>

std::int64_t biSystemSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}
