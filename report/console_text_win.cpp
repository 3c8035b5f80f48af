#include <windows.h>

#include "console_text.h"
#include "console_wrap.h"

namespace {

HANDLE consoleOf(std::FILE* stream) {
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    // GetConsoleMode succeeds only for a console; a pipe or file gets bytes.
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)
               ? handle
               : nullptr;
}

}  // namespace

int consoleColumns(std::FILE* stream) {
    const HANDLE console = consoleOf(stream);
    if (console == nullptr) return 0;
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(console, &info)) return 80;
    // The visible window, not the buffer, which may be far wider.
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    return columns > 0 ? columns : 80;
}

void writeConsoleText(std::FILE* stream, const QString& text) {
    const HANDLE console = consoleOf(stream);
    if (console != nullptr) {
        std::fflush(stream);  // whatever the C library still holds goes first
        const QString wrapped = wrapToColumns(text, consoleColumns(stream));
        const auto* chars = reinterpret_cast<const wchar_t*>(wrapped.utf16());
        DWORD left = static_cast<DWORD>(wrapped.size());
        while (left > 0) {
            // Older consoles refuse very large writes; a few thousand
            // characters at a time always pass.
            DWORD written = 0;
            if (!WriteConsoleW(console, chars, qMin<DWORD>(left, 4096), &written, nullptr) ||
                written == 0)
                break;
            chars += written;
            left -= written;
        }
        return;
    }
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

void waitForKeyIfConsoleIsOwn(const QString& prompt) {
    DWORD processes[2];
    // A command prompt or a script shares the console: it stays open.
    if (GetConsoleProcessList(processes, 2) != 1 || consoleOf(stdout) == nullptr) return;
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (input == nullptr || input == INVALID_HANDLE_VALUE || !GetConsoleMode(input, &mode))
        return;
    writeConsoleText(stdout, QLatin1Char('\n') + prompt + QLatin1Char('\n'));
    // Keys pressed while the check ran do not count.
    FlushConsoleInputBuffer(input);
    for (;;) {
        INPUT_RECORD record;
        DWORD read = 0;
        if (!ReadConsoleInputW(input, &record, 1, &read) || read == 0) return;
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) {
            // A modifier alone is not "any key".
            const WORD key = record.Event.KeyEvent.wVirtualKeyCode;
            if (key != VK_SHIFT && key != VK_CONTROL && key != VK_MENU) return;
        }
    }
}
