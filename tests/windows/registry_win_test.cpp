// The machine switch's registry value under a key of the test's own: every
// kind of value, and a missing key that reading must not create.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "registry_value_win.h"

namespace {

const wchar_t kKey[] = L"Software\\DaxoOrvoRegistryTest";

struct RegistryCase {
    DWORD type;  // REG_NONE: no key at all
    std::wstring text;
    unsigned long long number;
    int expected;
};

const RegistryCase kCases[] = {
    {REG_NONE, L"", 0, 0}, {REG_DWORD, L"", 1, 1}, {REG_DWORD, L"", 2, 2}, {REG_QWORD, L"", 1, 1},
    {REG_SZ, L"1", 0, 1},  {REG_SZ, L"yes", 0, 0}, {REG_SZ, L"1x", 0, 0},  {REG_BINARY, L"", 1, 0},
};

TEST(MachineRegistryValue, Cases) {
    for (const RegistryCase& c : kCases) {
        SCOPED_TRACE(c.type);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kKey);
        const bool text = c.type == REG_SZ;
        const DWORD bytes = text                  ? DWORD((c.text.size() + 1) * sizeof(wchar_t))
                            : c.type == REG_DWORD ? sizeof(DWORD)
                                                  : sizeof(c.number);
        if (c.type != REG_NONE) {
            ASSERT_EQ(
                RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"InternalTest", c.type,
                                text ? static_cast<const void*>(c.text.c_str()) : &c.number, bytes),
                ERROR_SUCCESS);
        }
        EXPECT_EQ(biwin::readMachineInteger(kKey, L"InternalTest"), c.expected);
        HKEY key = nullptr;
        const bool exists =
            RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS;
        if (exists) RegCloseKey(key);
        EXPECT_EQ(exists, c.type != REG_NONE) << "reading created the key";
    }
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kKey);
}

}  // namespace
