#include "pci_ids.h"

#include <cctype>
#include <cstdio>
#include <sstream>

namespace {

// The rest of the line after "<id>  " (two spaces), or empty.
std::string nameAfter(const std::string& text, std::size_t nameStart) {
    const std::size_t end = text.find('\n', nameStart);
    std::string name =
        text.substr(nameStart, end == std::string::npos ? std::string::npos : end - nameStart);
    while (!name.empty() && (name.back() == '\r' || name.back() == ' ')) name.pop_back();
    return name;
}

std::string hex4(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(value));
    return text;
}

}  // namespace

// Layout: "vvvv  Vendor" at the start of a line, then its devices as
// "\tdddd  Device" and their subsystems as "\t\t...", comments with '#'.
// The vendor list ends where the class list ("C xx  ...") begins.
PciIdsNames lookupPciIds(const std::string& pciIds, std::uint16_t vendorId,
                         std::uint16_t deviceId) {
    PciIdsNames names;
    const std::string vendorKey = hex4(vendorId) + "  ";
    std::size_t at = 0;
    for (;;) {
        at = pciIds.find(vendorKey, at);
        if (at == std::string::npos) return names;
        if (at == 0 || pciIds[at - 1] == '\n') break;
        at += vendorKey.size();
    }
    names.vendor = nameAfter(pciIds, at + vendorKey.size());

    const std::string deviceKey = "\t" + hex4(deviceId) + "  ";
    std::size_t line = pciIds.find('\n', at);
    while (line != std::string::npos && line + 1 < pciIds.size()) {
        const std::size_t start = line + 1;
        const char first = pciIds[start];
        if (first != '\t' && first != '#' && first != '\n') break;  // next vendor or the class list
        if (pciIds.compare(start, deviceKey.size(), deviceKey) == 0) {
            names.device = nameAfter(pciIds, start + deviceKey.size());
            break;
        }
        line = pciIds.find('\n', start);
    }
    return names;
}

std::string lookupAmdgpuIds(const std::string& amdgpuIds, std::uint16_t deviceId,
                            std::uint8_t revision) {
    char key[16];
    std::snprintf(key, sizeof key, "%04X,%02X,", static_cast<unsigned>(deviceId),
                  static_cast<unsigned>(revision));
    std::istringstream lines(amdgpuIds);
    std::string found;
    for (std::string line; std::getline(lines, line);) {
        // The two IDs up to their second comma, without the blanks around them.
        std::string ids;
        std::size_t at = 0;
        for (int commas = 0; at < line.size() && commas < 2; ++at) {
            const unsigned char c = static_cast<unsigned char>(line[at]);
            if (c == ',') ++commas;
            if (c != ' ' && c != '\t') ids += static_cast<char>(std::toupper(c));
        }
        const std::size_t nameStart = line.find_first_not_of(" \t", at);
        if (ids != key || nameStart == std::string::npos) continue;
        const std::string name = nameAfter(line, nameStart);
        if (!found.empty() && found != name) return std::string();  // several products
        found = name;
    }
    return found;
}
