// Device identity, locale and envelope text rules, on fixture trees.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "device_identity.h"
#include "device_identity_linux.h"
#include "envelope_text.h"
#include "test_support.h"
#include "user_locale.h"

namespace {

using bitest::TempDir;
using bitest::writeFile;

// A root with the files the Linux back-end reads; a null text leaves the file out.
struct Tree {
    const char* productUuid;
    const char* machineId;
    const char* etcOsRelease;
    const char* usrLibOsRelease;
    const char* kernelRelease;
};

LinuxIdentitySources makeTree(const TempDir& dir, const Tree& tree) {
    namespace fs = std::filesystem;
    const fs::path root(dir.path());
    for (const char* sub : {"sys/class/dmi/id", "etc", "usr/lib", "proc/sys/kernel"}) {
        fs::create_directories(root / sub);
    }
    auto put = [&](const char* rel, const char* text) {
        if (text != nullptr) writeFile((root / rel).string(), text);
    };
    put("sys/class/dmi/id/product_uuid", tree.productUuid);
    put("etc/machine-id", tree.machineId);
    put("etc/os-release", tree.etcOsRelease);
    put("usr/lib/os-release", tree.usrLibOsRelease);
    put("proc/sys/kernel/osrelease", tree.kernelRelease);
    LinuxIdentitySources sources;
    sources.sysfsRoot = (root / "sys").string();
    sources.procfsRoot = (root / "proc").string();
    sources.etcRoot = (root / "etc").string();
    sources.usrLibRoot = (root / "usr/lib").string();
    return sources;
}

struct IdentityCase {
    const char* name;
    Tree tree;
    DeviceIdentity expected;
};

void PrintTo(const IdentityCase& c, std::ostream* os) { *os << c.name; }

const char kAppId[] = "com.daxo.orvocheck";

class IdentityFromTree : public testing::TestWithParam<IdentityCase> {};

TEST_P(IdentityFromTree, ReadsTheExpectedValues) {
    const IdentityCase& c = GetParam();
    TempDir dir;
    const DeviceIdentity got = queryDeviceIdentityAt(makeTree(dir, c.tree), kAppId);
    EXPECT_EQ(got.deviceSerial, c.expected.deviceSerial);
    EXPECT_EQ(got.osManufacturer, c.expected.osManufacturer);
    EXPECT_EQ(got.osVersion, c.expected.osVersion);
}

const char kUuid[] = "4c4c4544-0042-3510-8051-b4c04f564433";
const char kMachineId[] = "3d1219c7c4c5404aaa1f6d2a48adfda4";
// HMAC-SHA256 of kMachineId keyed with kAppId, as a version 4 UUID (computed
// with Python's hmac module).
const char kMachineSerial[] = "43b4db64-1f82-43fe-b2b0-5e9485a2340b";
const char kDebian[] =
    "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\n";

INSTANTIATE_TEST_SUITE_P(
    Trees, IdentityFromTree,
    testing::Values(
        IdentityCase{"FirmwareUuidFirst",
                     {"4c4c4544-0042-3510-8051-b4c04f564433\n",
                      "3d1219c7c4c5404aaa1f6d2a48adfda4\n", kDebian, nullptr, "6.1.0-13-amd64\n"},
                     {kUuid, "Debian GNU/Linux", "6.1.0-13-amd64"}},
        IdentityCase{"MachineIdWhenNoFirmwareUuid",
                     {nullptr, "3d1219c7c4c5404aaa1f6d2a48adfda4\n", kDebian, nullptr, "6.1.0\n"},
                     {kMachineSerial, "Debian GNU/Linux", "6.1.0"}},
        IdentityCase{"MachineIdWhenFirmwareUuidBlank",
                     {"  \n", "3d1219c7c4c5404aaa1f6d2a48adfda4\n", kDebian, nullptr, "6.1.0\n"},
                     {kMachineSerial, "Debian GNU/Linux", "6.1.0"}},
        IdentityCase{"UsrLibOsReleaseWhenEtcHasNone",
                     {kUuid, nullptr, nullptr, "NAME=Fedora\nVERSION_ID=40\n", "6.8.5\n"},
                     {kUuid, "Fedora", "6.8.5"}},
        IdentityCase{"SingleQuotesAndEscapes",
                     {kUuid, nullptr, "NAME='Acme \"Pro\"'\n", nullptr, "6.8.5\n"},
                     {kUuid, "Acme \"Pro\"", "6.8.5"}},
        IdentityCase{"BackslashInDoubleQuotes",
                     {kUuid, nullptr, "NAME=\"Say \\\"hi\\\"\"\n", nullptr, "6.8.5\n"},
                     {kUuid, "Say \"hi\"", "6.8.5"}},
        IdentityCase{"OsReleaseWithoutNameMeansLinux",
                     {kUuid, nullptr, "ID=custom\n", nullptr, "6.8.5\n"},
                     {kUuid, "Linux", "6.8.5"}},
        IdentityCase{
            "NothingReadable", {nullptr, nullptr, nullptr, nullptr, nullptr}, {"", "", ""}}),
    [](const testing::TestParamInfo<IdentityCase>& info) { return std::string(info.param.name); });

TEST(DeviceIdentity, TheMachineIdIsSentOnlyAsAnIdOfTheApplication) {
    EXPECT_EQ(appSpecificMachineId(kMachineId, "com.daxo.other"),
              "a891d00b-a17c-4151-94e9-2663b3d479af");
    EXPECT_EQ(appSpecificMachineId("", kAppId), "");
}

TEST(DeviceIdentity, LongAndBrokenValuesBecomeShortValidText) {
    TempDir dir;
    // 98 ASCII bytes and a two-byte letter: the letter would make 100 bytes.
    const std::string longName = std::string(98, 'n') + "\xC3\xA9";
    const std::string osRelease = "NAME=\"" + longName + "\"\n";
    const std::string uuid = "\xFF" + std::string(kUuid) + "\xC0\xAF";
    const LinuxIdentitySources sources =
        makeTree(dir, {uuid.c_str(), nullptr, osRelease.c_str(), nullptr, "6.1\n"});
    const DeviceIdentity got = queryDeviceIdentityAt(sources, kAppId);
    EXPECT_EQ(got.deviceSerial, kUuid);
    EXPECT_EQ(got.osManufacturer, std::string(98, 'n'));
}

TEST(DeviceIdentity, EnvironmentRootsReplaceSysfsAndProcfs) {
    TempDir dir;
    const LinuxIdentitySources tree = makeTree(dir, {kUuid, nullptr, kDebian, nullptr, "9.9.9\n"});
    setenv("ORVOCHECK_SYSFS_ROOT", tree.sysfsRoot.c_str(), 1);
    setenv("ORVOCHECK_PROCFS_ROOT", tree.procfsRoot.c_str(), 1);
    const LinuxIdentitySources fromEnv = LinuxIdentitySources::fromEnvironment();
    unsetenv("ORVOCHECK_SYSFS_ROOT");
    unsetenv("ORVOCHECK_PROCFS_ROOT");
    EXPECT_EQ(fromEnv.sysfsRoot, tree.sysfsRoot);
    EXPECT_EQ(fromEnv.procfsRoot, tree.procfsRoot);
    EXPECT_EQ(fromEnv.etcRoot, "/etc");
    EXPECT_EQ(LinuxIdentitySources::fromEnvironment().sysfsRoot, "/sys");
}

TEST(DeviceIdentity, LiveSystemGivesFittedValues) {
    const DeviceIdentity live = queryDeviceIdentity("com.daxo.orvocheck");
    for (const std::string* value : {&live.deviceSerial, &live.osManufacturer, &live.osVersion}) {
        EXPECT_LE(value->size(), kEnvelopeTextLimit);
        EXPECT_EQ(fitEnvelopeText(*value), *value);
    }
}

TEST(DeviceIdentity, ProgramVersionIsTheProjectVersion) {
    EXPECT_EQ(programFileVersion(), "0.0.7.1");
}

struct FitCase {
    const char* name;
    std::string raw;
    std::string expected;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class FitText : public testing::TestWithParam<FitCase> {};

TEST_P(FitText, GivesValidShortText) {
    EXPECT_EQ(fitEnvelopeText(GetParam().raw), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FitText,
    testing::Values(FitCase{"Trimmed", " \tabc def\r\n", "abc def"},
                    FitCase{"ZeroByteEnds", std::string("abc\0def", 7), "abc"},
                    FitCase{"StrayBytesDropped",
                            "a\xFF"
                            "b\x80"
                            "c",
                            "abc"},
                    FitCase{"OverlongDropped",
                            "a\xC0\xAF"
                            "b",
                            "ab"},
                    FitCase{"SurrogateDropped",
                            "a\xED\xA0\x80"
                            "b",
                            "ab"},
                    FitCase{"TruncatedSequenceDropped", "ab\xE2\x82", "ab"},
                    FitCase{"FourByteKept", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
                    FitCase{"ExactlyTheLimit", std::string(99, 'x'), std::string(99, 'x')},
                    FitCase{"CutAtTheLimit", std::string(150, 'x'), std::string(99, 'x')},
                    FitCase{"CutBeforeASplitCharacter", std::string(97, 'x') + "\xE2\x82\xAC",
                            std::string(97, 'x')},
                    FitCase{"MultibyteEndingAtTheLimit", std::string(96, 'x') + "\xE2\x82\xAC",
                            std::string(96, 'x') + "\xE2\x82\xAC"},
                    FitCase{"SpaceLeftByTheCutRemoved", std::string(98, 'x') + " y",
                            std::string(98, 'x')}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

struct LocaleCase {
    const char* name;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    const char* expected;
};

void PrintTo(const LocaleCase& c, std::ostream* os) { *os << c.name; }

class LocaleFromEnvironment : public testing::TestWithParam<LocaleCase> {};

void setOrUnset(const char* variable, const char* value) {
    if (value != nullptr) {
        setenv(variable, value, 1);
    } else {
        unsetenv(variable);
    }
}

TEST_P(LocaleFromEnvironment, NamesTheUsersLocale) {
    const LocaleCase& c = GetParam();
    setOrUnset("LC_ALL", c.lcAll);
    setOrUnset("LC_MESSAGES", c.lcMessages);
    setOrUnset("LANG", c.lang);
    EXPECT_EQ(userLocale(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, LocaleFromEnvironment,
    testing::Values(LocaleCase{"LcAllFirst", "de_DE.UTF-8", "fr_FR.UTF-8", "it_IT.UTF-8", "de_DE"},
                    LocaleCase{"EmptyLcAllSkipped", "", "fr_CA.ISO-8859-1", "it_IT", "fr_CA"},
                    LocaleCase{"LangLast", nullptr, nullptr, "en-US", "en_US"},
                    LocaleCase{"ModifierKept", nullptr, nullptr, "sr_RS.UTF-8@latin",
                               "sr_RS@latin"},
                    LocaleCase{"ScriptHyphens", "zh-Hant-TW", nullptr, nullptr, "zh_Hant_TW"},
                    LocaleCase{"CLocale", nullptr, nullptr, "C.UTF-8", "C"},
                    LocaleCase{"NoneSet", nullptr, nullptr, nullptr, ""}),
    [](const testing::TestParamInfo<LocaleCase>& info) { return std::string(info.param.name); });

}  // namespace
