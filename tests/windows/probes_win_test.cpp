// The Windows probe back-ends against the real platform (Wine's WMI, kernel32
// and CPUID). Wine's hardware values are synthetic, so these tests check that
// values are read, typed and passed on, not which values they are.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <regex>

#include "chassis.h"
#include "cpu_probe.h"
#include "headset_ports.h"
#include "os_probe.h"
#include "power_state.h"
#include "win_test_support.h"
#include "wmi_source_win.h"

namespace {

const char* const kGpuQuery = "select * from Win32_VideoController";
const char* const kMemoryQuery = "select * from Win32_PhysicalMemory";

std::string describe(const std::vector<WmiMessage>& messages) {
    std::string text;
    for (const WmiMessage& m : messages) text += m.text + "\n";
    return text;
}

TEST(WmiSourceWin, VideoControllersArriveWithEveryPropertyTyped) {
    const WmiResult result = runWmiQuery(kGpuQuery, "gpu", ProbeRoots());
    ASSERT_EQ(result.status, WmiResult::Status::Enumerated) << describe(result.messages);
    EXPECT_TRUE(result.messages.empty()) << describe(result.messages);
    ASSERT_FALSE(result.objects.empty());
    for (const WmiObject& gpu : result.objects) {
        ASSERT_EQ(gpu.size(), 9u);
        for (const char* name : {"Name", "DeviceID", "PNPDeviceID", "DriverVersion",
                                 "VideoProcessor", "VideoModeDescription", "AdapterDACType"}) {
            ASSERT_EQ(gpu.count(name), 1u) << name;
            const WmiValue& value = gpu.at(name);
            EXPECT_TRUE(value.type == WmiValue::Type::Text || value.type == WmiValue::Type::Null)
                << name;
        }
        for (const char* name : {"VideoArchitecture", "AdapterRAM"}) {
            ASSERT_EQ(gpu.count(name), 1u) << name;
            const WmiValue& value = gpu.at(name);
            EXPECT_TRUE(value.type == WmiValue::Type::Int32 || value.type == WmiValue::Type::Null)
                << name;
        }
        // Every controller has a name and a device ID.
        EXPECT_EQ(gpu.at("Name").type, WmiValue::Type::Text);
        EXPECT_FALSE(gpu.at("Name").text.empty());
        EXPECT_EQ(gpu.at("DeviceID").type, WmiValue::Type::Text);
    }
}

TEST(WmiSourceWin, PnpDeviceIdCarriesTheVendorAndDeviceMarkers) {
    const WmiResult result = runWmiQuery(kGpuQuery, "gpu", ProbeRoots());
    ASSERT_FALSE(result.objects.empty());
    // The checker takes the vendor ID between "VEN_" and the next "&", the
    // device ID between "DEV_" and the next "&": what WMI gives must have them.
    const std::regex pci(R"(^PCI\\VEN_([0-9A-Fa-f]{4})&DEV_([0-9A-Fa-f]{4})&)");
    for (const WmiObject& gpu : result.objects) {
        const std::string& id = gpu.at("PNPDeviceID").text;
        std::smatch match;
        ASSERT_TRUE(std::regex_search(id, match, pci)) << id;
        const size_t ven = id.find("VEN_") + 4;
        EXPECT_EQ(id.substr(ven, id.find('&', ven) - ven), match[1].str());
        const size_t dev = id.find("DEV_") + 4;
        EXPECT_EQ(id.substr(dev, id.find('&', dev) - dev), match[2].str());
    }
}

// The enclosure's chassis types are an integer array; the probe reads them
// as numbers separated by commas and decides from them or from a battery.
TEST(WmiSourceWin, ChassisTypesArriveAsNumbersAndDecideTheChassis) {
    const WmiResult result = runWmiQuery("select ChassisTypes from Win32_SystemEnclosure",
                                         "enclosure", ProbeRoots());
    ASSERT_EQ(result.status, WmiResult::Status::Enumerated) << describe(result.messages);
    ASSERT_FALSE(result.objects.empty());
    const WmiValue& types = result.objects.front().at("ChassisTypes");
    ASSERT_EQ(types.type, WmiValue::Type::Text);
    EXPECT_TRUE(std::regex_match(types.text, std::regex(R"(\d+(,\d+)*)"))) << types.text;
    const ChassisInfo chassis = probeChassis(ProbeRoots());
    EXPECT_FALSE(chassis.smbiosTypes.empty());
    bool byType = false;
    for (const int type : chassis.smbiosTypes)
        byType = byType || chassisKindOfSmbiosType(type) != ChassisKind::Unknown;
    if (byType) {
        EXPECT_NE(chassis.kind, ChassisKind::Unknown);
    }
}

TEST(WmiSourceWin, MemoryCapacityIsDecimalText) {
    const WmiResult result = runWmiQuery(kMemoryQuery, "memory", ProbeRoots());
    ASSERT_EQ(result.status, WmiResult::Status::Enumerated) << describe(result.messages);
    ASSERT_FALSE(result.objects.empty());
    for (const WmiObject& module : result.objects) {
        ASSERT_EQ(module.count("Capacity"), 1u);
        const WmiValue& capacity = module.at("Capacity");
        ASSERT_EQ(capacity.type, WmiValue::Type::Text);
        ASSERT_FALSE(capacity.text.empty());
        for (char c : capacity.text) EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)));
        EXPECT_GT(std::stod(capacity.text), 0.0);
    }
}

TEST(WmiSourceWin, OtherKindsRunTheQueryButEnumerateNothing) {
    const WmiResult result = runWmiQuery(kGpuQuery, "disk", ProbeRoots());
    EXPECT_EQ(result.status, WmiResult::Status::Enumerated);
    EXPECT_TRUE(result.objects.empty());
}

TEST(WmiSourceWin, InvalidQueryReportsTheFailureWithItsCode) {
    const WmiResult result = runWmiQuery("select * from", "gpu", ProbeRoots());
    EXPECT_EQ(result.status, WmiResult::Status::Failed);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].text, "Query for operating system name failed. Error code = 0x");
    EXPECT_TRUE(result.messages[0].hasCode);
    EXPECT_NE(result.messages[0].code & 0x80000000u, 0u);
}

VARIANT variantOf(VARTYPE type) {
    VARIANT v;
    VariantInit(&v);
    v.vt = type;
    return v;
}

// AdapterRAM of a 4 GiB card comes back with the top bit set, as a signed or
// an unsigned 32-bit value: either way the bits must arrive unchanged so the
// checker reads them as the unsigned byte count.
TEST(WmiSourceWin, IntegerValuesKeepTheirBits) {
    VARIANT i4 = variantOf(VT_I4);
    i4.lVal = -1;
    VARIANT ui4 = variantOf(VT_UI4);
    ui4.ulVal = 0xFFFFFFFFu;
    VARIANT i2 = variantOf(VT_I2);
    i2.iVal = 12;
    for (const VARIANT* v : {&i4, &ui4}) {
        const WmiValue value = wmiValueFromVariant(*v);
        ASSERT_EQ(value.type, WmiValue::Type::Int32);
        EXPECT_EQ(static_cast<std::uint32_t>(value.number), 4294967295u);
    }
    EXPECT_EQ(wmiValueFromVariant(i2).number, 12);

    VARIANT ui8 = variantOf(VT_UI8);
    ui8.ullVal = 17179869184ull;
    EXPECT_EQ(wmiValueFromVariant(ui8).text, "17179869184");
    EXPECT_EQ(wmiValueFromVariant(variantOf(VT_NULL)).type, WmiValue::Type::Null);
    EXPECT_EQ(wmiValueFromVariant(variantOf(VT_EMPTY)).type, WmiValue::Type::Null);

    VARIANT text = variantOf(VT_BSTR);
    text.bstrVal = SysAllocString(L"PCI\\VEN_10DE&DEV_1B80&SUBSYS_\u00e9");
    EXPECT_EQ(wmiValueFromVariant(text).text, "PCI\\VEN_10DE&DEV_1B80&SUBSYS_\xc3\xa9");
    VariantClear(&text);
}

// Wine may know no outputs or controllers; what it does report must be
// whole, and the interface must decide the rate.
TEST(HeadsetPortsWin, ProbesAnswerWithoutFailing) {
    const DisplayOutputsProbe display = probeDisplayOutputs(ProbeRoots());
    for (const DisplayAdapterOutputs& adapter : display.adapters) {
        EXPECT_FALSE(adapter.source.empty());
        for (const DisplayOutput& output : adapter.outputs) EXPECT_FALSE(output.connector.empty());
    }
    EXPECT_TRUE(display.readable || display.adapters.empty());
    const UsbControllersProbe usb = probeUsbControllers(ProbeRoots());
    for (const UsbHostController& controller : usb.controllers) {
        EXPECT_FALSE(controller.source.empty());
        EXPECT_EQ(controller.speedMbps, usbInterfaceMbps(controller.hostInterface));
    }
    std::printf("display readable %d, %zu adapters; usb readable %d, %zu controllers\n",
                display.readable, display.adapters.size(), usb.readable, usb.controllers.size());
    for (const DisplayAdapterOutputs& adapter : display.adapters)
        for (const DisplayOutput& output : adapter.outputs)
            std::printf("  %s: %s\n", adapter.source.c_str(), output.name.c_str());
    for (const std::string& note : display.notes) std::printf("  %s\n", note.c_str());
    for (const std::string& note : usb.notes) std::printf("  %s\n", note.c_str());
    // GetSystemPowerStatus answers everywhere, Wine included.
    const PowerState power = probePowerState(ProbeRoots());
    EXPECT_TRUE(power.readable);
    std::printf("power: battery %d, source %d, saver %d, plan %d (%s)\n", power.batteryPresent,
                int(power.source), power.batterySaver, int(power.plan), power.planName.c_str());
    for (const std::string& note : power.notes) std::printf("  %s\n", note.c_str());
}

TEST(OsProbeWin, RunsOnSixtyFourBitWindows) {
    // The test prefix is a 64-bit one: the i686 build runs under WOW64 and the
    // x86_64 build natively, and both must see a 64-bit system.
    std::string warning;
    EXPECT_TRUE(is64BitWindows(&warning));
    EXPECT_TRUE(warning.empty()) << warning;
}

TEST(OsProbeWin, VersionCheck) {
    struct Case {
        unsigned major, minor, servicePack;
        bool expected;
    };
    for (const Case& c : {Case{6, 1, 1, true}, Case{6, 1, 0, true}, Case{5, 1, 0, true},
                          Case{99, 1, 0, false}, Case{6, 99, 0, false}}) {
        EXPECT_EQ(isOSVersionOrGreater(c.major, c.minor, c.servicePack), c.expected)
            << c.major << "." << c.minor << " SP" << c.servicePack;
    }
}

TEST(CpuProbeWin, BrandMatchesTheKernelsModelName) {
    const CpuIdentification cpu = identifyCpu(ProbeRoots());
    ASSERT_GE(cpu.highestExtendedLeaf, kCpuLastBrandLeaf);
    ASSERT_FALSE(cpu.brand.empty());
    EXPECT_LE(cpu.brand.size(), kCpuBrandBytes);
    // Wine runs the real processor: the host kernel read the same leaves.
    const std::string cpuinfo = wintest::readFile(wintest::fromUnixPath("/proc/cpuinfo"));
    if (cpuinfo.empty()) GTEST_SKIP() << "no /proc/cpuinfo visible through Z:";
    const std::string model = cpuModelNameFromCpuinfo(cpuinfo);
    auto squeeze = [](std::string s) {
        std::string out;
        for (char c : s) {
            if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
            out += c;
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        return out;
    };
    EXPECT_EQ(squeeze(cpu.brand), squeeze(model));
}

}  // namespace
