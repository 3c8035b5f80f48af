// Device identity, program version, user locale and the file questions of
// the analytics client, on the Windows back-ends under Wine.
#include <gtest/gtest.h>

#include <regex>

#include "device_identity.h"
#include "platform_fs.h"
#include "user_locale.h"
#include "win_test_support.h"

namespace {

TEST(IdentityWin, ProgramVersionComesFromTheVersionResource) {
    EXPECT_EQ(programFileVersion(), "0.0.7.1");
}

HRESULT setProcessSecurity() {
    return CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
}

TEST(IdentityWin, MachineValuesAreReadFromWmi) {
    for (int round = 0; round < 2; ++round) {
        const DeviceIdentity identity = queryDeviceIdentity("com.daxo.orvocheck");
        EXPECT_FALSE(identity.deviceSerial.empty()) << round;
        EXPECT_FALSE(identity.osManufacturer.empty()) << round;
        EXPECT_TRUE(std::regex_match(identity.osVersion, std::regex(R"(\d+\.\d+\.\d+)")))
            << identity.osVersion;
        for (const std::string* value :
             {&identity.deviceSerial, &identity.osManufacturer, &identity.osVersion}) {
            EXPECT_LE(value->size(), 99u);
        }
    }
}

TEST(IdentityWin, SecurityAlreadySetIsNoFailure) {
    // Process-wide COM security can be set once; when the host already set
    // it, Windows answers the identity's own call with RPC_E_TOO_LATE, which
    // must not cost the values. (Wine accepts every call.)
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    const HRESULT first = setProcessSecurity();
    EXPECT_TRUE(SUCCEEDED(first) || first == RPC_E_TOO_LATE) << std::hex << first;
    const DeviceIdentity identity = queryDeviceIdentity("com.daxo.orvocheck");
    CoUninitialize();
    EXPECT_FALSE(identity.deviceSerial.empty());
    EXPECT_FALSE(identity.osVersion.empty());
}

TEST(IdentityWin, MachineValuesSurviveAnApartmentOfAnotherKind) {
    // A thread that already uses the single-threaded model cannot enter the
    // multithreaded one; the queries still run in the apartment it has.
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const DeviceIdentity identity = queryDeviceIdentity("com.daxo.orvocheck");
    CoUninitialize();
    EXPECT_FALSE(identity.osVersion.empty());
}

TEST(IdentityWin, UserLocaleUsesUnderscores) {
    const std::string locale = userLocale();
    ASSERT_FALSE(locale.empty());
    EXPECT_EQ(locale.find('-'), std::string::npos) << locale;
    EXPECT_EQ(locale, normalizeLocaleName(platformLocaleName()));
}

TEST(PlatformFsWin, PathsUseBackslashes) {
    EXPECT_EQ(bifs::kSeparator, '\\');
    const std::string program = bifs::programPath();
    ASSERT_GT(program.size(), 4u);
    EXPECT_EQ(program.substr(program.size() - 4), ".exe");
    EXPECT_NE(program.find('\\'), std::string::npos);
    EXPECT_TRUE(bifs::fileExists(program));
}

TEST(PlatformFsWin, FileChecks) {
    wintest::TempDir dir;
    const std::string file = dir.file("probe.txt");
    EXPECT_TRUE(bifs::isWritableDirectory(dir.path()));
    EXPECT_TRUE(bifs::isWritableDirectory(dir.path() + "\\"));
    EXPECT_FALSE(bifs::fileExists(file));
    EXPECT_FALSE(bifs::isWritableDirectory(file));
    EXPECT_FALSE(bifs::removeFile(file));
    {
        std::ofstream out(file);
        out << "x";
    }
    EXPECT_TRUE(bifs::fileExists(file));
    EXPECT_FALSE(bifs::isWritableDirectory(file));  // a file is not a folder
    EXPECT_FALSE(bifs::isWritableDirectory(dir.path() + "\\missing"));
    EXPECT_TRUE(bifs::removeFile(file));
    EXPECT_FALSE(bifs::fileExists(file));
    // Names outside ASCII go through UTF-16 and back.
    const std::string named = dir.file("r\xc3\xa9sum\xc3\xa9.txt");
    EXPECT_FALSE(bifs::fileExists(named));
    {
        std::wstring wide;
        const int units = MultiByteToWideChar(CP_UTF8, 0, named.c_str(), -1, nullptr, 0);
        wide.resize(static_cast<size_t>(units));
        MultiByteToWideChar(CP_UTF8, 0, named.c_str(), -1, &wide[0], units);
        HANDLE h = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        CloseHandle(h);
    }
    EXPECT_TRUE(bifs::fileExists(named));
    EXPECT_TRUE(bifs::removeFile(named));
    EXPECT_FALSE(
        bifs::fileExists("bad\xff"
                         "name"));
}

}  // namespace
