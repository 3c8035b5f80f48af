#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Envelope values come from platform calls that may give anything; the
// envelope needs short, valid UTF-8 text.
constexpr std::size_t kEnvelopeTextLimit = 99;

// Cut at the first zero byte, surrounding white space removed, invalid UTF-8
// sequences dropped, then cut at a character boundary so that at most
// maxBytes bytes remain. Shared by every back-end.
std::string fitEnvelopeText(std::string_view raw, std::size_t maxBytes = kEnvelopeTextLimit);
