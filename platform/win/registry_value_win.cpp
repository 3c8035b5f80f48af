#include "registry_value_win.h"

#include <windows.h>

#include <climits>
#include <cwchar>
#include <string>

namespace biwin {

namespace {

struct KeyCloser {
    HKEY key = nullptr;
    ~KeyCloser() {
        if (key != nullptr) RegCloseKey(key);
    }
};

// Whole decimal text, like the toolkit's toInt: anything else is 0.
int parseDecimal(const std::wstring& text) {
    if (text.empty()) return 0;
    wchar_t* end = nullptr;
    const long long value = std::wcstoll(text.c_str(), &end, 10);
    if (end == nullptr || *end != L'\0' || value < INT_MIN || value > INT_MAX) return 0;
    return static_cast<int>(value);
}

}  // namespace

int readMachineInteger(const wchar_t* subKey, const wchar_t* name) {
    KeyCloser key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey, 0, KEY_QUERY_VALUE, &key.key) != ERROR_SUCCESS)
        return 0;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key.key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return 0;
    if (type == REG_DWORD || type == REG_QWORD) {
        unsigned long long number = 0;
        bytes = sizeof number;
        if (RegQueryValueExW(key.key, name, nullptr, &type, reinterpret_cast<BYTE*>(&number),
                             &bytes) != ERROR_SUCCESS)
            return 0;
        return type == REG_DWORD ? static_cast<int>(static_cast<DWORD>(number))
                                 : static_cast<int>(number);
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return 0;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.key, name, nullptr, &type, reinterpret_cast<BYTE*>(&text[0]),
                         &bytes) != ERROR_SUCCESS)
        return 0;
    text.resize(std::wcslen(text.c_str()));
    return parseDecimal(text);
}

}  // namespace biwin
