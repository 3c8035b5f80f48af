#pragma once

#include <QByteArray>
#include <QString>

// Reading a comparison file and decoding its text, before any parsing.

// The file's bytes; false, with a log line, when it is missing or unreadable.
bool readComparisonFile(const QString& path, QByteArray& bytes);

// The text as the parser is given it: read as the toolkit's text mode would
// (every carriage return dropped), plain ASCII as it is, other bytes through
// the toolkit's UTF-8 decoding (a broken sequence becomes a replacement
// character, the text ends at a zero byte).
QByteArray decodeComparisonText(QByteArray bytes);
