#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QtGlobal>
#include <memory>

// The per-run diagnostic log: one file per run in the shared working
// directory, one time-stamped line per message, flushed as it is written.
//
// Thread-safety: logMessageHandler() may be called on any thread; one mutex
// serialises the opening of the file and every write to it. The copy sent to
// standard error (the debugger sink) is written outside the lock.

// The shared working directory, relative to the current directory.
QString logDirectory();

// Full relative path of the log file for a run opened at `openedAt`.
QString logFilePath(const QDateTime& openedAt);

// One log line, without the line end: "[time] text (letter)" and, when the
// context carries a line other than 0, "(file:line)" right after it.
QString formatLogLine(QtMsgType type, const QMessageLogContext& context, const QString& message,
                      const QDateTime& when);

// Creates the run's log file in directory (which must exist): the name for
// openedAt, or while that is taken by a run started in the same second, the
// same name with "-2", "-3"... before ".txt". An existing file is never
// opened. Null, with the reason in problem, when none can be created.
std::unique_ptr<QFile> createLogFile(const QString& directory, const QDateTime& openedAt,
                                     QString& problem);

// Creates the directory if needed and opens the file there; when that fails,
// says why on the debugger sink and opens it in the user's own data folder
// (log_location.h) instead, with the same line at its top. Returns whether a
// file is open; without one, lines reach the debugger sink only.
bool openLogFile();

// Path of the file openLogFile() opened, empty when none is open.
QString openedLogFilePath();

// The folder the run's files go to: the open log file's, or the user's own
// data folder when no log file is open. The analytics database goes there too.
QString logFolderInUse();

// The process-wide message handler (install with qInstallMessageHandler).
// Aborts the process after writing a fatal message.
void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);
