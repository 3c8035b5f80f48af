#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

// Keeps every debug-stream message written while it lives (one at a time).
class MessageLog {
public:
    MessageLog() {
        s_current = this;
        m_previous = qInstallMessageHandler(&MessageLog::handler);
    }
    ~MessageLog() {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    QStringList lines() const {
        QMutexLocker locker(&m_mutex);
        return m_lines;
    }
    QStringList linesStartingWith(const QString& prefix) const {
        QStringList out;
        for (const QString& line : lines()) {
            if (line.startsWith(prefix)) out << line;
        }
        return out;
    }

private:
    static void handler(QtMsgType, const QMessageLogContext&, const QString& message) {
        if (s_current == nullptr) return;
        QMutexLocker locker(&s_current->m_mutex);
        s_current->m_lines << message;
    }

    static inline MessageLog* s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable QMutex m_mutex;
    QStringList m_lines;
};
