#pragma once

#include <QByteArray>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>

class HttpTestServerWorker;

// What the test server does with every request it receives.
struct HttpResponsePlan {
    enum class Kind {
        Full,            // status line, headers and the whole body
        Silent,          // accepts and reads the request, then sends nothing
        StallAfterPart,  // announces the whole body, sends partBytes of it, then nothing
        Trickle,         // announces the whole body, sends one byte per trickleIntervalMs
        Endless,         // no length, sends without end as fast as the client reads
    };
    Kind kind = Kind::Full;
    int status = 200;
    QByteArray body;
    int partBytes = 0;
    int trickleIntervalMs = 100;
    // For Full with files: the body by request path, 404 for any other path.
    QMap<QString, QByteArray> files;

    static HttpResponsePlan full(int status, const QByteArray& body) {
        return withKind(Kind::Full, status, body);
    }
    static HttpResponsePlan withFiles(const QMap<QString, QByteArray>& files) {
        HttpResponsePlan plan = withKind(Kind::Full, 200, QByteArray());
        plan.files = files;
        return plan;
    }
    static HttpResponsePlan silent() { return withKind(Kind::Silent, 200, QByteArray()); }
    static HttpResponsePlan stallAfter(const QByteArray& body, int partBytes) {
        HttpResponsePlan plan = withKind(Kind::StallAfterPart, 200, body);
        plan.partBytes = partBytes;
        return plan;
    }
    static HttpResponsePlan trickle(const QByteArray& body, int intervalMs) {
        HttpResponsePlan plan = withKind(Kind::Trickle, 200, body);
        plan.trickleIntervalMs = intervalMs;
        return plan;
    }
    static HttpResponsePlan endless() { return withKind(Kind::Endless, 200, QByteArray()); }

private:
    static HttpResponsePlan withKind(Kind kind, int status, const QByteArray& body) {
        HttpResponsePlan plan;
        plan.kind = kind;
        plan.status = status;
        plan.body = body;
        return plan;
    }
};

// A tiny HTTP/1.1 server on 127.0.0.1 with an ephemeral port, running on its
// own thread so that it answers while the test's thread blocks or waits.
class HttpTestServer {
public:
    explicit HttpTestServer(const HttpResponsePlan& plan);
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    quint16 port() const { return m_Port; }
    QString url(const QString& path = QStringLiteral("/OrvoCheckComp/comp.json")) const;
    // Request lines received so far, e.g. "GET /OrvoCheckComp/comp.json HTTP/1.1".
    QStringList requestLines() const;

    // A port on 127.0.0.1 on which nothing listens (bound, then released).
    static quint16 closedPort();

private:
    friend class HttpTestServerWorker;
    void recordRequest(const QString& line);

    QThread m_Thread;
    HttpTestServerWorker* m_Worker = nullptr;
    quint16 m_Port = 0;
    mutable QMutex m_Mutex;
    QStringList m_Requests;
};
