#include "bi_gzip.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr unsigned char kHeader[10] = {0x1F, 0x8B, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF};

void putLittleEndian32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

bool gzipBatch(const std::string& contents, int sizeHint, std::string& out) {
    out.clear();
    // Room for the stream: the larger of the batch limit and the contents,
    // plus a twentieth and a little, and never less than zlib's own bound.
    std::uint64_t room = std::max<std::uint64_t>(
        sizeHint > 0 ? static_cast<std::uint64_t>(sizeHint) : 0, contents.size() + 1);
    room += room / 20 + 6;

    z_stream zs{};
    if (deflateInit2(&zs, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
        return false;
    }
    room = std::max<std::uint64_t>(room, deflateBound(&zs, static_cast<uLong>(contents.size())));
    out.assign(reinterpret_cast<const char*>(kHeader), sizeof kHeader);
    out.resize(sizeof kHeader + room);
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(contents.data()));
    zs.avail_in = static_cast<uInt>(contents.size());
    zs.next_out = reinterpret_cast<Bytef*>(&out[sizeof kHeader]);
    zs.avail_out = static_cast<uInt>(room);
    const int rc = deflate(&zs, Z_FINISH);
    const size_t produced = zs.total_out;
    deflateEnd(&zs);
    if (rc != Z_STREAM_END) {
        out.clear();
        return false;
    }
    out.resize(sizeof kHeader + produced);
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(contents.data()),
                            static_cast<uInt>(contents.size()));
    putLittleEndian32(out, static_cast<std::uint32_t>(crc));
    putLittleEndian32(out, static_cast<std::uint32_t>(contents.size()));
    return true;
}
