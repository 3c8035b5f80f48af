#pragma once

#include <QString>
#include <QStringList>
#include <QThread>

// Collects every message the code under test writes, with the thread that
// wrote it, for as long as it lives. Only one may exist at a time.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines() const;
    QStringList linesFrom(const QThread* thread) const;
    QStringList linesContaining(const QString& text) const;
    // Index of the first line at or after `from` that contains `text`, or -1.
    static int indexOf(const QStringList& lines, const QString& text, int from = 0);
    void clear();
};
