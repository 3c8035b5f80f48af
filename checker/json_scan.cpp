#include "json_scan.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Far below the toolkit parser's own limit, so that it never accepts less.
constexpr int kMaxDepth = 256;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

bool JsonScan::scan(const QByteArray& text, int begin, int end, int keepDepth) {
    m_Text = text.constData();
    m_End = end;
    m_KeepDepth = keepDepth;
    m_Members.clear();
    m_Elements.clear();
    const int after = value(skipSpace(begin), 0);
    return after >= 0 && skipSpace(after) == end;
}

int JsonScan::skipSpace(int at) const {
    while (at < m_End && isSpace(m_Text[at])) ++at;
    return at;
}

// Returns the offset after the string that starts at at, or -1.
int JsonScan::string(int at) const {
    if (at >= m_End || m_Text[at] != '"') return -1;
    for (++at; at < m_End; ++at) {
        const unsigned char c = static_cast<unsigned char>(m_Text[at]);
        if (c == '"') return at + 1;
        if (c < 0x20) return -1;
        if (c != '\\') continue;
        if (++at >= m_End) return -1;
        const char escaped = m_Text[at];
        if (escaped == 'u') {
            if (at + 4 >= m_End) return -1;
            for (int i = 1; i <= 4; ++i)
                if (!isHex(m_Text[at + i])) return -1;
            const long unit = std::strtol(std::string(m_Text + at + 1, 4).c_str(), nullptr, 16);
            if (unit >= 0xD800 && unit <= 0xDFFF) return -1;  // surrogates: left to the toolkit
            at += 4;
        } else if (!(escaped == '"' || escaped == '\\' || escaped == '/' || escaped == 'b' ||
                     escaped == 'f' || escaped == 'n' || escaped == 'r' || escaped == 't')) {
            return -1;
        }
    }
    return -1;
}

int JsonScan::number(int at) const {
    const int start = at;
    if (at < m_End && m_Text[at] == '-') ++at;
    if (at >= m_End || !isDigit(m_Text[at])) return -1;
    if (m_Text[at] == '0')
        ++at;
    else
        while (at < m_End && isDigit(m_Text[at])) ++at;
    if (at < m_End && m_Text[at] == '.') {
        if (++at >= m_End || !isDigit(m_Text[at])) return -1;
        while (at < m_End && isDigit(m_Text[at])) ++at;
    }
    const bool exponent = at < m_End && (m_Text[at] == 'e' || m_Text[at] == 'E');
    if (exponent) {
        ++at;
        if (at < m_End && (m_Text[at] == '+' || m_Text[at] == '-')) ++at;
        if (at >= m_End || !isDigit(m_Text[at])) return -1;
        while (at < m_End && isDigit(m_Text[at])) ++at;
    }
    // Long numbers and exponents that a double may not hold: the toolkit
    // decides. Figures are short whole numbers, which need no conversion.
    if (at - start > 24) return -1;
    if (exponent && !std::isfinite(std::strtod(std::string(m_Text + start, at - start).c_str(), nullptr)))
        return -1;
    return at;
}

int JsonScan::value(int at, int depth) {
    if (at >= m_End || depth > kMaxDepth) return -1;
    const char c = m_Text[at];
    if (c == '"') return string(at);
    if (c == '-' || isDigit(c)) return number(at);
    for (const char* word : {"true", "false", "null"}) {
        const int length = static_cast<int>(qstrlen(word));
        if (c == word[0])
            return at + length <= m_End && qstrncmp(m_Text + at, word, uint(length)) == 0
                       ? at + length
                       : -1;
    }
    if (c != '{' && c != '[') return -1;
    const bool object = c == '{';
    const char close = object ? '}' : ']';
    const bool keep = depth < m_KeepDepth;
    QHash<QByteArray, JsonSpan> members;
    QVector<JsonSpan> elements;
    int next = skipSpace(at + 1);
    if (next < m_End && m_Text[next] == close) {
        next += 1;
    } else {
        for (;;) {
            QByteArray key;
            if (object) {
                const int keyEnd = string(next);
                if (keyEnd < 0) return -1;
                if (keep) key = QByteArray(m_Text + next + 1, keyEnd - next - 2);
                next = skipSpace(keyEnd);
                if (next >= m_End || m_Text[next] != ':') return -1;
                next = skipSpace(next + 1);
            }
            const int valueEnd = value(next, depth + 1);
            if (valueEnd < 0) return -1;
            if (keep && object) members.insert(key, {next, valueEnd});  // the last of a repeated key
            if (keep && !object) elements.append({next, valueEnd});
            next = skipSpace(valueEnd);
            if (next >= m_End) return -1;
            if (m_Text[next] == close) {
                next += 1;
                break;
            }
            if (m_Text[next] != ',') return -1;
            next = skipSpace(next + 1);
        }
    }
    if (keep && object) m_Members.insert(at, members);
    if (keep && !object) m_Elements.insert(at, elements);
    return next;
}

QHash<QByteArray, JsonSpan> JsonScan::members(JsonSpan object) const {
    return m_Members.value(object.begin);
}

QVector<JsonSpan> JsonScan::elements(JsonSpan array) const {
    return m_Elements.value(array.begin);
}
