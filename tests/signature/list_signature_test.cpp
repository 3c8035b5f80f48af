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

enum class Change { None, ListByte, SignatureByte, SignatureCut, SignatureGone };

struct Case {
    const char* name;
    std::vector<std::string> keys;  // of current.hex / next.hex
    Change change;
    listsig::Verdict expected;
};

const Case kCases[] = {
    {"signed by the next key, both trusted",
     {"current.hex", "next.hex"},
     Change::None,
     listsig::Verdict::Verified},
    {"next key not yet trusted", {"current.hex"}, Change::None, listsig::Verdict::DoesNotVerify},
    {"no key trusted", {}, Change::None, listsig::Verdict::DoesNotVerify},
    {"one list byte changed",
     {"current.hex", "next.hex"},
     Change::ListByte,
     listsig::Verdict::DoesNotVerify},
    {"one signature byte changed",
     {"next.hex"},
     Change::SignatureByte,
     listsig::Verdict::DoesNotVerify},
    {"signature cut short", {"next.hex"}, Change::SignatureCut, listsig::Verdict::DoesNotVerify},
    {"no signature", {"next.hex"}, Change::SignatureGone, listsig::Verdict::Missing},
};

TEST(ListSignature, Cases) {
    const std::string signedList = readFile("list.json");
    const std::string signedSignature = readFile("list.json.sig");
    ASSERT_GT(signedList.size(), 1000u);
    ASSERT_EQ(signedSignature.size(), listsig::kSignatureBytes);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::string list = signedList;
        std::string signature = signedSignature;
        // One letter of the list changed, as on the way through a proxy.
        if (c.change == Change::ListByte) list[list.find("\"Bad list\"") + 1] = 'G';
        if (c.change == Change::SignatureByte) signature[10] ^= 0x01;
        if (c.change == Change::SignatureCut) signature.pop_back();
        if (c.change == Change::SignatureGone) signature.clear();
        std::vector<listsig::PublicKey> keys(c.keys.size());
        for (size_t i = 0; i < keys.size(); ++i)
            ASSERT_TRUE(listsig::parseKey(readFile(c.keys[i]).substr(0, 64), keys[i]));
        EXPECT_EQ(listsig::verify(list, signature, keys), c.expected);
    }
}

}  // namespace
