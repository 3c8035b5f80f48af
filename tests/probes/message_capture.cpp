#include "message_capture.h"

#include <QtGlobal>

namespace {

QStringList g_lines;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
    g_lines.append(message);
}

}  // namespace

MessageCapture::MessageCapture() {
    g_lines.clear();
    g_previous = qInstallMessageHandler(collect);
}

MessageCapture::~MessageCapture() { qInstallMessageHandler(g_previous); }

QStringList MessageCapture::lines() const { return g_lines; }

QStringList MessageCapture::linesStartingWith(const QString& prefix) const {
    QStringList matching;
    for (const QString& line : g_lines) {
        if (line.startsWith(prefix)) matching.append(line);
    }
    return matching;
}

void MessageCapture::clear() { g_lines.clear(); }
