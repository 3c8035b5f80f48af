// The machine switch's registry value, read under a key of the test's own:
// every kind of value, and a missing key that reading must not create.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "registry_value_win.h"

namespace {

const wchar_t kKey[] = L"Software\\DaxoOrvoRegistryTest";

struct RegistryCase {
    const char* name;
    DWORD type;  // REG_NONE: no key at all
    std::wstring text;
    unsigned long long number;
    int expected;
};

const RegistryCase kCases[] = {
    {"no key", REG_NONE, L"", 0, 0},
    {"DWORD 1", REG_DWORD, L"", 1, 1},
    {"DWORD 2", REG_DWORD, L"", 2, 2},
    {"QWORD 1", REG_QWORD, L"", 1, 1},
    {"text 1", REG_SZ, L"1", 0, 1},
    {"text not a number", REG_SZ, L"yes", 0, 0},
    {"text with a tail", REG_SZ, L"1x", 0, 0},
    {"binary", REG_BINARY, L"", 1, 0},
};

bool keyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

TEST(MachineRegistryValue, Cases) {
    for (const RegistryCase& c : kCases) {
        SCOPED_TRACE(c.name);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kKey);
        if (c.type == REG_SZ) {
            ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"InternalTest", REG_SZ,
                                      c.text.c_str(),
                                      static_cast<DWORD>((c.text.size() + 1) * sizeof(wchar_t))),
                      ERROR_SUCCESS);
        } else if (c.type != REG_NONE) {
            const DWORD bytes = c.type == REG_DWORD ? sizeof(DWORD) : sizeof(c.number);
            ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"InternalTest", c.type,
                                      &c.number, bytes),
                      ERROR_SUCCESS);
        }
        EXPECT_EQ(biwin::readMachineInteger(kKey, L"InternalTest"), c.expected);
        EXPECT_EQ(keyExists(), c.type != REG_NONE) << "reading created the key";
    }
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kKey);
}

}  // namespace
