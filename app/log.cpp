#include "log.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Kept until the process ends on purpose: the operating system closes the
// file, so lines written during static destruction still land in it.
struct LogState {
    std::mutex lock;
    QFile* file = nullptr;
    QTextStream* stream = nullptr;
};

LogState& logState() {
    static LogState* state = new LogState;
    return *state;
}

// Qt 5 formats dates with the system locale's digits (Arabic-Indic ones
// under an Arabic locale, for example); file names and time stamps keep
// ASCII digits whatever the locale.
QString asciiDateTime(const QDateTime& when, const QString& format) {
    return QLocale::c().toString(when, format);
}

QChar typeLetter(QtMsgType type) {
    switch (type) {
        case QtDebugMsg:
            return QLatin1Char('D');
        case QtWarningMsg:
            return QLatin1Char('W');
        case QtCriticalMsg:
            return QLatin1Char('C');
        case QtFatalMsg:
            return QLatin1Char('F');
        default:
            return QLatin1Char('U');
    }
}

void writeToDebuggerSink(const QString& line) {
#ifdef Q_OS_WIN
    // A GUI program has no standard error; a debugger (or DebugView) shows
    // these lines.
    const QString text = line + QLatin1Char('\n');
    OutputDebugStringW(reinterpret_cast<const wchar_t*>(text.utf16()));
#else
    const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
#endif
}

}  // namespace

QString logDirectory() {
#ifdef Q_OS_WIN
    return QStringLiteral("..\\OrvoSetupTempLog");
#else
    return QStringLiteral("../OrvoSetupTempLog");
#endif
}

QString logFilePath(const QDateTime& openedAt) {
    return logDirectory() + QStringLiteral("/OrvoCheck-log-") +
           asciiDateTime(openedAt, QStringLiteral("yyyyMMdd-hhmmss")) + QStringLiteral(".txt");
}

QString formatLogLine(QtMsgType type, const QMessageLogContext& context, const QString& message,
                      const QDateTime& when) {
    QString line = QStringLiteral("[%1] %2 (%3)")
                       .arg(asciiDateTime(when, QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")), message,
                            QString(typeLetter(type)));
    if (context.line != 0)
        // One pass: a file name holding "%1" stays as it is.
        line += QStringLiteral("(%1:%2)").arg(QString::fromUtf8(context.file),
                                              QString::number(context.line));
    return line;
}

bool openLogFile() {
    const QString dir = logDirectory();
    if (!QDir(dir).exists()) QDir().mkdir(dir);
    const QDateTime now = QDateTime::currentDateTime();

    LogState& state = logState();
    std::lock_guard<std::mutex> guard(state.lock);
    auto file = std::make_unique<QFile>(logFilePath(now));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) return false;
    state.stream = new QTextStream(file.get());
    // The stream's default is the ANSI code page on Windows, which turns a
    // user name like 山田 into "??"; paths and names must survive intact.
    state.stream->setCodec("UTF-8");
    state.file = file.release();
    return true;
}

QString openedLogFilePath() {
    LogState& state = logState();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.file ? state.file->fileName() : QString();
}

void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QString line = formatLogLine(type, context, message, QDateTime::currentDateTime());
    writeToDebuggerSink(line);
    {
        LogState& state = logState();
        std::lock_guard<std::mutex> guard(state.lock);
        if (state.stream) {
            *state.stream << line << Qt::endl;
        }
    }
    if (type == QtFatalMsg) std::abort();
}
