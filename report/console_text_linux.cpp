#include <sys/ioctl.h>
#include <unistd.h>

#include "console_text.h"
#include "console_wrap.h"

int consoleColumns(std::FILE* stream) {
    const int fd = fileno(stream);
    if (!isatty(fd)) return 0;
    winsize size{};
    return ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

void writeConsoleText(std::FILE* stream, const QString& text) {
    const QByteArray bytes = wrapToColumns(text, consoleColumns(stream)).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// A terminal stays open after the program ends.
void waitForKeyIfConsoleIsOwn(const QString&) {}
