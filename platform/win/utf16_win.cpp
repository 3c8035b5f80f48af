#include "utf16_win.h"

#include <windows.h>

namespace biwin {

bool toWide(const std::string& text, std::wstring& out) {
    out.clear();
    if (text.empty()) return true;
    const int size = static_cast<int>(text.size());
    const int units =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (units <= 0) return false;
    out.resize(static_cast<size_t>(units));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, &out[0], units) ==
           units;
}

std::string toUtf8(const wchar_t* text, size_t units) {
    if (text == nullptr || units == 0) return std::string();
    const int size = static_cast<int>(units);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::string();
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, size, &out[0], bytes, nullptr, nullptr);
    return out;
}

}  // namespace biwin
