#include <windows.h>

#include "user_locale.h"
#include "utf16_win.h"

std::string platformLocaleName() {
    wchar_t name[50] = {};
    const int units = GetUserDefaultLocaleName(name, 50);
    // The count includes the terminating zero; 0 means no name.
    if (units <= 1) return std::string();
    return biwin::toUtf8(name, static_cast<size_t>(units - 1));
}
