#include "memory_modules_linux.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <limits>
#include <sstream>

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
    const FileRead read = readWholeFile(path, table, kSmbiosTableLimit);
    if (read != FileRead::Ok) {
        note(result, "SMBIOS table " + path + " " + readFailure(read, kSmbiosTableLimit) +
                         "; counting memory blocks");
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

// One small file per block, thousands on a large machine: read them
// relative to the open folder, with plain system calls.
bool countOnlineBlocks(const std::string& dir, std::uint64_t& online) {
    const int dirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return false;
    DIR* listing = fdopendir(dirFd);  // owns dirFd from here on
    if (listing == nullptr) {
        close(dirFd);
        return false;
    }
    while (const dirent* entry = readdir(listing)) {
        if (std::strncmp(entry->d_name, "memory", 6) != 0 || entry->d_name[6] == '\0') continue;
        const std::string state = std::string(entry->d_name) + "/state";
        const int fd = openat(dirFd, state.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        char text[16] = {};
        const ssize_t got = read(fd, text, sizeof text - 1);
        close(fd);
        if (got >= 6 && std::strncmp(text, "online", 6) == 0 &&
            (text[6] == '\n' || text[6] == '\0')) {
            ++online;
        }
    }
    closedir(listing);
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
    if (!countOnlineBlocks(dir, online)) note(result, "Cannot list " + dir);
    if (online == 0) {
        note(result, "No online memory block under " + dir + "; using MemTotal");
        return false;
    }
    // A damaged block size can make the product wrap, down to 0 even.
    if (online > std::numeric_limits<std::uint64_t>::max() / blockSize) {
        note(result, std::to_string(online) + " blocks of " + std::to_string(blockSize) +
                         " bytes under " + dir + " overflow; using MemTotal");
        return false;
    }
    result.objects.push_back(moduleOf(online * blockSize));
    return true;
}

// MemTotal is what is installed less what the firmware and the kernel keep:
// a few percent, more where the graphics share the memory, never a whole
// step of the sizes that are installed: whole gigabytes up to 8 GB, pairs of
// modules (2 GB steps) up to 32 GB, 4 GB steps above. The next such size up
// is the size installed (3.7 GB reads 4, 15.6 reads 16, 7.8 reads 8).
std::uint64_t installedSizeOf(std::uint64_t memTotalBytes) {
    constexpr std::uint64_t kGiB = std::uint64_t(1) << 30;
    const std::uint64_t step = memTotalBytes <= 8 * kGiB    ? kGiB
                               : memTotalBytes <= 32 * kGiB ? 2 * kGiB
                                                             : 4 * kGiB;
    if (memTotalBytes > std::numeric_limits<std::uint64_t>::max() - step) return memTotalBytes;
    return (memTotalBytes + step - 1) / step * step;
}

bool fromMemTotal(const ProbeRoots& roots, WmiResult& result) {
    const std::string path = roots.procfs + "/meminfo";
    std::string meminfo;
    const FileRead read = readWholeFile(path, meminfo, kSmallFileLimit);
    if (read != FileRead::Ok) {
        note(result, "Memory information " + path + " " + readFailure(read, kSmallFileLimit) +
                         "; memory size unknown");
        return false;
    }
    std::istringstream lines(meminfo);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string key, unit;
        unsigned long long kib = 0;
        if (!(fields >> key) || key != "MemTotal:") continue;
        if (fields >> kib >> unit && unit == "kB" &&
            kib <= std::numeric_limits<std::uint64_t>::max() / 1024u) {
            const std::uint64_t installed = installedSizeOf(static_cast<std::uint64_t>(kib) * 1024u);
            note(result, "MemTotal " + std::to_string(kib) + " kB read as " +
                             std::to_string(installed >> 20) + " MB installed");
            result.objects.push_back(moduleOf(installed));
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
