#include <windows.h>

#include "console_text.h"

void writeConsoleText(std::FILE* stream, const QString& text) {
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    // GetConsoleMode succeeds only for a console; a pipe or file gets bytes.
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);  // whatever the C library still holds goes first
        const auto* chars = reinterpret_cast<const wchar_t*>(text.utf16());
        DWORD left = static_cast<DWORD>(text.size());
        while (left > 0) {
            // Older consoles refuse very large writes; a few thousand
            // characters at a time always pass.
            DWORD written = 0;
            if (!WriteConsoleW(handle, chars, qMin<DWORD>(left, 4096), &written, nullptr) ||
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
