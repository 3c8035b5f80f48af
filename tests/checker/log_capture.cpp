#include "log_capture.h"

#include <QMutex>
#include <QMutexLocker>
#include <QVector>
#include <cstdio>

namespace {

struct Entry {
    const QThread* thread;
    QString text;
};

QMutex g_Mutex;
QVector<Entry> g_Entries;
QtMessageHandler g_Previous = nullptr;

void capture(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    {
        QMutexLocker lock(&g_Mutex);
        g_Entries.append({QThread::currentThread(), text});
    }
    if (qEnvironmentVariableIsSet("ORVO_TEST_VERBOSE") && g_Previous)
        g_Previous(type, context, text);
}

}  // namespace

LogCapture::LogCapture() {
    clear();
    g_Previous = qInstallMessageHandler(capture);
}

LogCapture::~LogCapture() { qInstallMessageHandler(g_Previous); }

QStringList LogCapture::lines() const {
    QMutexLocker lock(&g_Mutex);
    QStringList result;
    for (const Entry& entry : qAsConst(g_Entries)) result.append(entry.text);
    return result;
}

QStringList LogCapture::linesFrom(const QThread* thread) const {
    QMutexLocker lock(&g_Mutex);
    QStringList result;
    for (const Entry& entry : qAsConst(g_Entries))
        if (entry.thread == thread) result.append(entry.text);
    return result;
}

QStringList LogCapture::linesContaining(const QString& text) const { return lines().filter(text); }

int LogCapture::indexOf(const QStringList& lines, const QString& text, int from) {
    for (int i = qMax(0, from); i < lines.size(); ++i)
        if (lines.at(i).contains(text)) return i;
    return -1;
}

void LogCapture::clear() {
    QMutexLocker lock(&g_Mutex);
    g_Entries.clear();
}
