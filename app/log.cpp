#include "log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

#include "installed_layout.h"
#include "log_location.h"

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

QString logFileIn(const QString& directory, const QDateTime& openedAt, int copy = 1) {
    const QString suffix = copy > 1 ? QStringLiteral("-%1").arg(copy) : QString();
    return directory + QStringLiteral("/OrvoCheck-log-") +
           asciiDateTime(openedAt, QStringLiteral("yyyyMMdd-hhmmss")) + suffix +
           QStringLiteral(".txt");
}

// The run's log file in directory, or null with the reason in problem. Only
// the last level of the shared directory is created; the user's own folder
// may need its parents too.
std::unique_ptr<QFile> openLogIn(const QString& directory, bool withParents,
                                 const QDateTime& openedAt, QString& problem) {
    if (!QDir(directory).exists() &&
        !(withParents ? QDir().mkpath(directory) : QDir().mkdir(directory))) {
        problem = QStringLiteral("the folder cannot be created");
        return nullptr;
    }
    return createLogFile(directory, openedAt, problem);
}

QString shown(const QString& directory) {
    return QLatin1Char('"') + QDir::toNativeSeparators(QDir(directory).absolutePath()) +
           QLatin1Char('"');
}

}  // namespace

QString logDirectory() {
#ifdef Q_OS_WIN
    return QStringLiteral("..\\OrvoSetupTempLog");
#else
    return QStringLiteral("../OrvoSetupTempLog");
#endif
}

QString logFilePath(const QDateTime& openedAt) { return logFileIn(logDirectory(), openedAt); }

std::unique_ptr<QFile> createLogFile(const QString& directory, const QDateTime& openedAt,
                                     QString& problem) {
    // Created, never opened over: a second run started in the same second
    // (two copies, or a restart) must not truncate the first one's lines.
    // The copies share a folder, so the name that is free is taken at once.
    constexpr int kCopies = 100;
    for (int copy = 1; copy <= kCopies; ++copy) {
        auto file = std::make_unique<QFile>(logFileIn(directory, openedAt, copy));
        if (file->open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::NewOnly)) return file;
        problem = file->errorString();
        if (!file->exists()) break;  // not taken, so it cannot be created at all
    }
    return nullptr;
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
    const QDateTime now = QDateTime::currentDateTime();
    LogState& state = logState();
    std::lock_guard<std::mutex> guard(state.lock);
    QString problem;
    // The installed program starts in the user's own folder: beside the
    // working directory is no place for a program on the menu.
    const bool installed = isInstalledProgramDir(runningProgramDir());
    const QString first = installed ? logFallbackDirectory() : logDirectory();
    std::unique_ptr<QFile> file = openLogIn(first, installed, now, problem);
    QString problemLine;
    if (!file) {
        // Said on the debugger sink at once: without a file it is the only
        // place a user or a support engineer can learn why.
        const QString fallback = logFallbackDirectory();
        QString fallbackProblem = problem;
        if (!installed) file = openLogIn(fallback, true, now, fallbackProblem);
        QString note = QStringLiteral("[log] The log folder %1 cannot be used: %2; ")
                           .arg(shown(first), problem);
        note += file        ? QStringLiteral("this log is in %1").arg(shown(fallback))
                : installed ? QStringLiteral("no log file is written")
                            : QStringLiteral("nor can %1: %2; no log file is written")
                                  .arg(shown(fallback), fallbackProblem);
        problemLine = formatLogLine(QtWarningMsg, QMessageLogContext(), note, now);
        writeToDebuggerSink(problemLine);
    }
    if (!file) return false;
    state.stream = new QTextStream(file.get());
    // The stream's default is the ANSI code page on Windows, which turns a
    // user name like 山田 into "??"; paths and names must survive intact.
    state.stream->setCodec("UTF-8");
    state.file = file.release();
    if (!problemLine.isEmpty()) *state.stream << problemLine << Qt::endl;
    return true;
}

QString openedLogFilePath() {
    LogState& state = logState();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.file ? state.file->fileName() : QString();
}

QString logFolderInUse() {
    const QString file = openedLogFilePath();
    return file.isEmpty() ? logFallbackDirectory() : QFileInfo(file).path();
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
