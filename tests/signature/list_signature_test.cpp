// The list's signature against build-time keys, by the generator's own
// signing command.
#include "list_signature.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::string readFile(const std::string& name) {
    std::ifstream in(std::string(ORVO_TEST_KEYS) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Case {
    const char* name;
    bool trustCurrent, trustNext;  // the keys made at build time; the list is signed by next
    bool changeList, flipSignature;
    size_t signatureBytes;  // of the 64, from the front
    listsig::Verdict expected;
};

// clang-format off
const Case kCases[] = {
    {"signed by the next key, both trusted", true, true, false, false, 64, listsig::Verdict::Verified},
    {"next key not yet trusted", true, false, false, false, 64, listsig::Verdict::DoesNotVerify},
    {"no key trusted", false, false, false, false, 64, listsig::Verdict::DoesNotVerify},
    {"one list byte changed", true, true, true, false, 64, listsig::Verdict::DoesNotVerify},
    {"one signature byte changed", false, true, false, true, 64, listsig::Verdict::DoesNotVerify},
    {"signature cut short", false, true, false, false, 63, listsig::Verdict::DoesNotVerify},
    {"no signature", false, true, false, false, 0, listsig::Verdict::Missing},
};
// clang-format on

TEST(ListSignature, Cases) {
    const std::string signedList = readFile("list.json");
    const std::string signedSignature = readFile("list.json.sig");
    ASSERT_EQ(signedSignature.size(), listsig::kSignatureBytes);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::string list = signedList, signature = signedSignature.substr(0, c.signatureBytes);
        // One letter changed, as on the way through a proxy.
        if (c.changeList) list[list.find("\"Bad list\"") + 1] = 'G';
        if (c.flipSignature) signature[10] ^= 0x01;
        std::vector<listsig::PublicKey> keys;
        for (const char* name :
             {c.trustCurrent ? "current.hex" : "", c.trustNext ? "next.hex" : ""}) {
            if (!*name) continue;
            keys.emplace_back();
            ASSERT_TRUE(listsig::parseKey(readFile(name).substr(0, 64), keys.back()));
        }
        EXPECT_EQ(listsig::verify(list, signature, keys), c.expected);
    }
}

}  // namespace
