#include "envelope_text.h"

#include <cstdint>

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence starting at text[i], or 0 when the
// bytes there are not one (overlong forms, surrogates and values above
// U+10FFFF count as malformed).
std::size_t sequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t min = 0;
    std::uint32_t cp = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if (!isContinuation(c)) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::string fitEnvelopeText(std::string_view raw, std::size_t maxBytes) {
    // Platform values are C texts: a zero byte ends them.
    raw = raw.substr(0, raw.find('\0'));
    std::size_t begin = 0;
    std::size_t end = raw.size();
    while (begin < end && isSpace(raw[begin])) ++begin;
    while (end > begin && isSpace(raw[end - 1])) --end;
    const std::string_view text = raw.substr(begin, end - begin);

    std::string out;
    out.reserve(text.size() < maxBytes ? text.size() : maxBytes);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(text, i);
        if (length == 0) {
            ++i;  // a stray byte: drop it, keep the readable rest
            continue;
        }
        if (out.size() + length > maxBytes) break;
        out.append(text.substr(i, length));
        i += length;
    }
    // Cutting may have left white space at the new end.
    while (!out.empty() && isSpace(out.back())) out.pop_back();
    return out;
}
