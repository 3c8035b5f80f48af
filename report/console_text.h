#pragma once

#include <QString>
#include <cstdio>

// Writes text to standard output or standard error (stream is stdout or
// stderr) in one encoding: UTF-8 to pipes and files; on Windows, to a
// console, the console's own wide-character output, which shows every
// character whatever the console's code page. Flushes at once, so lines of
// the two streams stay in order. Text for a console is wrapped at word
// boundaries to its width (console_wrap.h); files and pipes get the lines
// as they are.
void writeConsoleText(std::FILE* stream, const QString& text);

// The width in columns of the console the stream writes to: 80 when the
// console does not tell, 0 when the stream is a file or a pipe.
int consoleColumns(std::FILE* stream);

// A program started from Explorer gets a console of its own, which closes
// the moment the program ends, before anyone could read the report. When
// this process is the only one on its console, and the console is both its
// input and its output, this shows the prompt and waits for a key;
// otherwise (a command prompt, a script, a pipe) it does nothing at all.
void waitForKeyIfConsoleIsOwn(const QString& prompt);
