#include <cstdlib>
#include <string>

#include "user_locale.h"

// The locale the process's messages would use: the first of LC_ALL,
// LC_MESSAGES and LANG that is set, as setlocale() would choose it. The
// encoding ("en_US.UTF-8") says nothing about the user and is dropped; a
// modifier ("@euro") is kept.
std::string platformLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0') continue;
        std::string name(value);
        const std::size_t dot = name.find('.');
        if (dot != std::string::npos) {
            const std::size_t at = name.find('@', dot);
            name.erase(dot, at == std::string::npos ? std::string::npos : at - dot);
        }
        return name;
    }
    return {};
}
