// UTF-8 <-> UTF-16 for the Windows back-ends of the probes and the analytics client.
#pragma once

#include <string>

namespace biwin {

// Strict: false when text is not valid UTF-8 (out is then unspecified).
bool toWide(const std::string& text, std::wstring& out);
// Unpaired surrogates become U+FFFD.
std::string toUtf8(const wchar_t* text, size_t units);
// For the program's own fixed texts (queries, property names): empty when
// not valid UTF-8.
inline std::wstring toWide(const std::string& text) {
    std::wstring out;
    return toWide(text, out) ? out : std::wstring();
}
inline std::string toUtf8(const std::wstring& text) { return toUtf8(text.data(), text.size()); }

}  // namespace biwin
