#include "comparison_reading.h"

#include <QDebug>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Whether every byte is below 0x80 and none is zero, eight bytes at a time:
// the check runs over the whole comparison file on every check.
bool isPlainAscii(const QByteArray& bytes) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;
    const char* at = bytes.constData();
    const char* const end = at + bytes.size();
    for (; end - at >= 8; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        // A high bit anywhere, or a zero byte (whose borrow sets its high bit).
        if (((word | ((word - kOnes) & ~word)) & kHighs) != 0) return false;
    }
    for (; at < end; ++at)
        if (*at == '\0' || static_cast<unsigned char>(*at) >= 0x80) return false;
    return true;
}

}  // namespace

bool readComparisonFile(const QString& path, QByteArray& bytes) {
    if (!QFile::exists(path)) {
        qDebug() << "Fatal:" << path << "doesn't exist!";
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Fatal! Failed to open" << path;
        return false;
    }
    bytes = file.readAll();
    return true;
}

QByteArray decodeComparisonText(QByteArray bytes) {
    // memchr, not QByteArray::contains: the library's search is many times
    // faster over a file of half a megabyte.
    if (std::memchr(bytes.constData(), '\r', size_t(bytes.size())))
        bytes.resize(int(std::remove(bytes.begin(), bytes.end(), '\r') - bytes.begin()));
    return isPlainAscii(bytes) ? bytes : QString::fromUtf8(bytes).toUtf8();
}
