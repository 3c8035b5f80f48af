// The gzip form of a batch, decoded by zlib, for contents of every shape.
#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "analytics_server.h"
#include "bi_gzip.h"

namespace {

TEST(GzipTest, RoundTripsWithHeaderCrcAndLength) {
    std::mt19937 random(7);
    const struct {
        const char* name;
        size_t size;
        bool incompressible;
        int sizeHint;
    } cases[] = {{"empty", 0, false, 20480},         {"one byte", 1, false, 0},
                 {"text", 5000, false, 20480},       {"noise", 20000, true, 20480},
                 {"big noise", 300000, true, 20480}, {"hint below size", 70000, true, 10},
                 {"negative hint", 999, true, -5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string contents;
        for (size_t i = 0; i < c.size; ++i) {
            contents.push_back(c.incompressible ? static_cast<char>(random() & 0xFF)
                                                : "{\"k\":\"value\"}\n"[i % 14]);
        }
        std::string gz;
        ASSERT_TRUE(gzipBatch(contents, c.sizeHint, gz));
        EXPECT_EQ(gz.substr(0, 10), std::string("\x1F\x8B\x08\0\0\0\0\0\0\xFF", 10));
        std::string back;
        ASSERT_TRUE(orvo_analytics::gunzip(gz, back));
        EXPECT_EQ(back, contents);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(contents.data()),
                                static_cast<uInt>(contents.size()));
        std::string trailer;
        for (std::uint32_t v :
             {static_cast<std::uint32_t>(crc), static_cast<std::uint32_t>(c.size)}) {
            for (int i = 0; i < 4; ++i) trailer.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
        EXPECT_EQ(gz.substr(gz.size() - 8), trailer);
    }
}

}  // namespace
