#include "device_identity_linux.h"

#include <sys/utsname.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "bi_hmac_sha256.h"
#include "envelope_text.h"

#ifndef BILOGGER_PROGRAM_VERSION
#error "BILOGGER_PROGRAM_VERSION comes from the build (the project version)"
#endif

namespace {

// Reads a small text file whole; false when it cannot be opened or read.
bool readSmallFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    // sysfs and os-release files are tiny; a cap keeps a wrong path from
    // pulling in something huge.
    constexpr std::size_t kCap = 64 * 1024;
    std::string data(kCap, '\0');
    in.read(&data[0], static_cast<std::streamsize>(kCap));
    if (in.bad()) return false;
    data.resize(static_cast<std::size_t>(in.gcount()));
    text = std::move(data);
    return true;
}

// First file of the list that reads as a non-empty value, fitted for the
// envelope. Logs each source it passes over.
std::string firstReadableValue(std::initializer_list<std::string> paths) {
    for (const auto& path : paths) {
        std::string raw;
        if (!readSmallFile(path, raw)) {
            std::cerr << "device identity: cannot read " << path << std::endl;
            continue;
        }
        std::string value = fitEnvelopeText(raw);
        if (!value.empty()) return value;
        std::cerr << "device identity: no value in " << path << std::endl;
    }
    return {};
}

std::string envOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::string(value) : fallback;
}

// Undoes the shell quoting os-release allows: one pair of double or single
// quotes, and backslash escapes inside double quotes or bare words.
std::string unquoteShellWord(const std::string& word) {
    std::string out;
    char quote = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        if (quote == 0 && (c == '"' || c == '\'')) {
            quote = c;
        } else if (quote != 0 && c == quote) {
            quote = 0;
        } else if (c == '\\' && quote != '\'' && i + 1 < word.size()) {
            out += word[++i];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

LinuxIdentitySources LinuxIdentitySources::fromEnvironment() {
    LinuxIdentitySources sources;
    sources.sysfsRoot = envOr("ORVOCHECK_SYSFS_ROOT", sources.sysfsRoot);
    sources.procfsRoot = envOr("ORVOCHECK_PROCFS_ROOT", sources.procfsRoot);
    return sources;
}

std::string osReleaseName(const std::string& osReleaseText) {
    std::istringstream lines(osReleaseText);
    std::string line;
    std::string name;
    while (std::getline(lines, line)) {
        if (line.compare(0, 5, "NAME=") == 0) name = unquoteShellWord(line.substr(5));
    }
    return name;  // the last assignment wins, as in the shell
}

std::string appSpecificMachineId(const std::string& machineId, const std::string& appId) {
    if (machineId.empty()) return {};
    BiDigest256 id = hmacSha256(appId, machineId);
    id[6] = static_cast<std::uint8_t>((id[6] & 0x0F) | 0x40);  // version 4
    id[8] = static_cast<std::uint8_t>((id[8] & 0x3F) | 0x80);  // RFC 4122 variant
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (size_t i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += hex[id[i] >> 4];
        text += hex[id[i] & 0x0F];
    }
    return text;
}

DeviceIdentity queryDeviceIdentityAt(const LinuxIdentitySources& sources,
                                     const std::string& appId) {
    DeviceIdentity identity;
    // product_uuid is the firmware's machine UUID, the same value Windows
    // reports, but only root may read it; machine-id is the per-installation
    // ID every user can read, sent only in a form derived for this program.
    identity.deviceSerial = firstReadableValue({sources.sysfsRoot + "/class/dmi/id/product_uuid"});
    if (identity.deviceSerial.empty()) {
        identity.deviceSerial =
            appSpecificMachineId(firstReadableValue({sources.etcRoot + "/machine-id"}), appId);
    }

    std::string osRelease;
    if (readSmallFile(sources.etcRoot + "/os-release", osRelease) ||
        readSmallFile(sources.usrLibRoot + "/os-release", osRelease)) {
        std::string name = osReleaseName(osRelease);
        // os-release(5): a file without NAME means "Linux".
        identity.osManufacturer = fitEnvelopeText(name.empty() ? "Linux" : name);
    } else {
        std::cerr << "device identity: no os-release file" << std::endl;
    }

    identity.osVersion = firstReadableValue({sources.procfsRoot + "/sys/kernel/osrelease"});
    if (identity.osVersion.empty() && sources.procfsRoot == "/proc") {
        utsname names{};
        if (uname(&names) == 0) identity.osVersion = fitEnvelopeText(names.release);
    }
    return identity;
}

DeviceIdentity queryDeviceIdentity(const std::string& appId) {
    return queryDeviceIdentityAt(LinuxIdentitySources::fromEnvironment(), appId);
}

// ELF files carry no version resource; the build compiles the project's
// version in.
std::string programFileVersion() { return fitEnvelopeText(BILOGGER_PROGRAM_VERSION); }
