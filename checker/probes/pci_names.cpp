#include "pci_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <vector>

namespace {

std::string trimmed(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::string();
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// Words that say what kind of firm a vendor is rather than who it is.
bool isLegalOrTradeWord(const std::string& word) {
    static const std::array<const char*, 22> kWords = {
        "Corporation", "Corp",    "Corp.",         "Inc",           "Inc.",       "Incorporated",
        "Co",          "Co.",     "Company",       "Ltd",           "Ltd.",       "Limited",
        "GmbH",        "AG",      "LLC",           "S.A.",          "Technology", "Technologies",
        "Electronics", "Systems", "Semiconductor", "Semiconductors"};
    return std::any_of(kWords.begin(), kWords.end(),
                       [&](const char* w) { return equalsIgnoringCase(word, w); });
}

std::string hex4(std::uint16_t value, bool upper) {
    char text[8];
    std::snprintf(text, sizeof text, upper ? "%04X" : "%04x", static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::string pciVendorShortName(const std::string& vendorName) {
    const auto open = vendorName.find('[');
    const auto close = vendorName.rfind(']');
    if (open != std::string::npos && close != std::string::npos && close > open + 1) {
        std::string shortForm = vendorName.substr(open + 1, close - open - 1);
        shortForm = trimmed(shortForm.substr(0, shortForm.find('/')));
        if (!shortForm.empty()) return shortForm;
    }

    std::istringstream in(vendorName.substr(0, vendorName.find(',')));
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    while (words.size() > 1 && isLegalOrTradeWord(words.back())) words.pop_back();

    std::string name;
    for (const std::string& word : words) name += (name.empty() ? "" : " ") + word;
    return name.empty() ? trimmed(vendorName) : name;
}

std::string pciModelName(const std::string& deviceName) {
    const auto open = deviceName.find('[');
    const auto close = deviceName.rfind(']');
    if (open != std::string::npos && close != std::string::npos && close > open + 1) {
        std::string model = trimmed(deviceName.substr(open + 1, close - open - 1));
        if (!model.empty()) return model;
    }
    return trimmed(deviceName);
}

std::string pciAdapterName(const std::string& vendorName, const std::string& deviceName,
                           std::uint16_t vendorId, std::uint16_t deviceId) {
    if (vendorName.empty()) return "Device " + hex4(vendorId, false) + ":" + hex4(deviceId, false);
    const std::string vendor = pciVendorShortName(vendorName);
    const std::string model =
        deviceName.empty() ? "Device " + hex4(deviceId, false) : pciModelName(deviceName);
    // Some models already start with the vendor ("VMware SVGA II").
    if (model.size() > vendor.size() && model[vendor.size()] == ' ' &&
        equalsIgnoringCase(model.substr(0, vendor.size()), vendor)) {
        return model;
    }
    return vendor + " " + model;
}

std::string pnpDeviceId(const PciIdentity& id) {
    std::string text = "PCI\\VEN_" + hex4(id.vendorId, true) + "&DEV_" + hex4(id.deviceId, true);
    // Always a part after the device digits, so that the device ID can be
    // read up to its "&": an unknown subsystem is written as Windows writes
    // a function without one.
    text += "&SUBSYS_";
    text += id.hasSubsystem ? hex4(id.subsystemId, true) + hex4(id.subsystemVendorId, true)
                            : std::string("00000000");
    if (id.hasRevision) {
        char rev[4];
        std::snprintf(rev, sizeof rev, "%02X", static_cast<unsigned>(id.revision));
        text += "&REV_";
        text += rev;
    }
    return text;
}
