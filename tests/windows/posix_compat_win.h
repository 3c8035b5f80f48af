// The few POSIX calls the analytics client's portable tests use, mapped to
// their Windows equivalents so that the same test sources run under Wine.
// Force-included by tests/windows/CMakeLists.txt; nothing else uses it.
#pragma once

#ifdef _WIN32
#include <direct.h>
#include <errno.h>
#include <process.h>
#include <stdlib.h>
#include <string.h>

#include <atomic>
#include <string>

inline int setenv(const char* name, const char* value, int overwrite) {
    if (!overwrite && getenv(name) != nullptr) return 0;
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

inline int unsetenv(const char* name) { return _putenv_s(name, "") == 0 ? 0 : -1; }

// Replaces the trailing XXXXXX with a name that does not exist yet and
// creates the folder.
inline char* mkdtemp(char* pattern) {
    const size_t length = strlen(pattern);
    if (length < 6 || strcmp(pattern + length - 6, "XXXXXX") != 0) {
        errno = EINVAL;
        return nullptr;
    }
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const unsigned value =
            (static_cast<unsigned>(_getpid()) * 7919u + counter.fetch_add(1)) % 1000000u;
        std::string digits = std::to_string(value);
        digits.insert(0, 6 - digits.size(), '0');
        memcpy(pattern + length - 6, digits.data(), 6);
        if (_mkdir(pattern) == 0) return pattern;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}
#endif
