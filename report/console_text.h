#pragma once

#include <QString>
#include <cstdio>

// Writes text to standard output or standard error (stream is stdout or
// stderr) in one encoding: UTF-8 to pipes and files; on Windows, to a
// console, the console's own wide-character output, which shows every
// character whatever the console's code page. Flushes at once, so lines of
// the two streams stay in order.
void writeConsoleText(std::FILE* stream, const QString& text);
