#pragma once

#include <QStringList>

// Collects the text of every debug, warning and info message while alive.
// One at a time; install and read it on the thread that logs.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    QStringList lines() const;
    QStringList linesStartingWith(const QString& prefix) const;
    void clear();
};
