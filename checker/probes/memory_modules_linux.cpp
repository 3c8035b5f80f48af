#include "memory_modules_linux.h"

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "smbios.h"
#include "sysfs_files.h"

namespace {

void note(WmiResult& result, const std::string& text) {
    result.messages.push_back(WmiMessage{"[OrvoCheckLib] " + text, false, 0});
}

WmiObject moduleOf(std::uint64_t bytes) {
    return WmiObject{{"Capacity", WmiValue::ofText(std::to_string(bytes))}};
}

std::string handleText(std::uint16_t handle) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(handle));
    return text;
}

bool fromSmbios(const ProbeRoots& roots, WmiResult& result) {
    const std::string path = roots.sysfs + "/firmware/dmi/tables/DMI";
    std::string table;
    if (!readWholeFile(path, table)) {
        note(result, "SMBIOS table " + path + " not readable; counting memory blocks");
        return false;
    }
    const SmbiosMemoryScan scan = smbiosMemoryDevices(table);
    if (scan.truncated) note(result, "SMBIOS table " + path + " ends inside a structure");
    for (const SmbiosMemoryDevice& device : scan.devices) {
        switch (device.state) {
            case SmbiosMemoryDevice::State::Installed:
                result.objects.push_back(moduleOf(device.sizeBytes));
                break;
            case SmbiosMemoryDevice::State::EmptySlot:
                note(result, "Memory device " + handleText(device.handle) + " is an empty slot");
                break;
            case SmbiosMemoryDevice::State::SizeUnknown:
                note(result,
                     "Memory device " + handleText(device.handle) + " has no known size; skipped");
                break;
        }
    }
    if (result.objects.empty()) {
        note(result, "SMBIOS table lists no installed memory module; counting memory blocks");
        return false;
    }
    return true;
}

bool fromMemoryBlocks(const ProbeRoots& roots, WmiResult& result) {
    const std::string dir = roots.sysfs + "/devices/system/memory";
    std::uint64_t blockSize = 0;
    if (!readUnsigned(dir + "/block_size_bytes", blockSize, 16) || blockSize == 0) {
        note(result, "No memory block size under " + dir + "; using MemTotal");
        return false;
    }
    std::uint64_t online = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.rfind("memory", 0) != 0 || name.size() == 6) continue;
        std::string state;
        if (readTrimmedLine(it->path().string() + "/state", state) && state == "online") {
            ++online;
        }
    }
    if (error) note(result, "Listing " + dir + " failed: " + error.message());
    if (online == 0) {
        note(result, "No online memory block under " + dir + "; using MemTotal");
        return false;
    }
    result.objects.push_back(moduleOf(online * blockSize));
    return true;
}

bool fromMemTotal(const ProbeRoots& roots, WmiResult& result) {
    const std::string path = roots.procfs + "/meminfo";
    std::string meminfo;
    if (!readWholeFile(path, meminfo)) {
        note(result, "Cannot read " + path + "; memory size unknown");
        return false;
    }
    std::istringstream lines(meminfo);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string key, unit;
        unsigned long long kib = 0;
        if (!(fields >> key) || key != "MemTotal:") continue;
        if (fields >> kib >> unit && unit == "kB") {
            result.objects.push_back(moduleOf(static_cast<std::uint64_t>(kib) * 1024u));
            return true;
        }
        break;
    }
    note(result, "No MemTotal in " + path + "; memory size unknown");
    return false;
}

}  // namespace

WmiResult linuxMemoryModules(const ProbeRoots& roots) {
    WmiResult result;
    result.status = WmiResult::Status::Enumerated;
    if (!fromSmbios(roots, result) && !fromMemoryBlocks(roots, result)) fromMemTotal(roots, result);
    return result;
}
