#include "http_test_server.h"

#include <QHostAddress>
#include <QMutexLocker>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray reasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        case 503:
            return "Service Unavailable";
        default:
            return "Status";
    }
}

}  // namespace

class HttpTestServerWorker : public QObject {
public:
    HttpTestServerWorker(HttpTestServer* owner, const HttpResponsePlan& plan)
        : m_Owner(owner), m_Plan(plan) {}

    quint16 listen() {
        m_Server = new QTcpServer(this);
        connect(m_Server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_Server->nextPendingConnection()) accept(socket);
        });
        if (!m_Server->listen(QHostAddress::LocalHost, 0)) return 0;
        return m_Server->serverPort();
    }

private:
    void accept(QTcpSocket* socket) {
        socket->setParent(this);
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            const bool headerDone = request->contains("\r\n\r\n");
            request->append(socket->readAll());
            if (headerDone || !request->contains("\r\n\r\n")) return;
            const QString line = QString::fromLatin1(request->left(request->indexOf("\r\n")));
            m_Owner->recordRequest(line);
            respond(socket, line.section(' ', 1, 1));
        });
    }

    QByteArray header(bool withLength, qint64 length, int status) const {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                          "\r\nContent-Type: application/json\r\n";
        if (withLength) head += "Content-Length: " + QByteArray::number(length) + "\r\n";
        head += "Connection: close\r\n\r\n";
        return head;
    }

    void respond(QTcpSocket* socket, const QString& path) {
        const bool byPath = !m_Plan.files.isEmpty();
        const QByteArray body = byPath ? m_Plan.files.value(path) : m_Plan.body;
        const int status = byPath && !m_Plan.files.contains(path) ? 404 : m_Plan.status;
        switch (m_Plan.kind) {
            case HttpResponsePlan::Kind::Full:
                socket->write(header(true, body.size(), status) + body);
                socket->disconnectFromHost();
                break;
            case HttpResponsePlan::Kind::Silent:
                break;
            case HttpResponsePlan::Kind::StallAfterPart: {
                // The part follows in a packet of its own: the client counts
                // body bytes that share the header's packet only when more
                // arrive.
                socket->write(header(true, body.size(), status));
                const QByteArray part = body.left(m_Plan.partBytes);
                QTimer::singleShot(200, socket, [socket, part] { socket->write(part); });
                break;
            }
            case HttpResponsePlan::Kind::Trickle: {
                socket->write(header(true, body.size(), status));
                auto* timer = new QTimer(socket);
                auto sent = std::make_shared<int>(0);
                connect(timer, &QTimer::timeout, socket, [socket, timer, sent, body] {
                    if (*sent >= body.size()) {
                        timer->stop();
                        socket->disconnectFromHost();
                        return;
                    }
                    socket->write(body.mid((*sent)++, 1));
                });
                timer->start(m_Plan.trickleIntervalMs);
                break;
            }
            case HttpResponsePlan::Kind::Endless: {
                socket->write(header(false, 0, status));
                const QByteArray chunk(64 * 1024, 'x');
                auto refill = [socket, chunk] {
                    while (socket->state() == QAbstractSocket::ConnectedState &&
                           socket->bytesToWrite() < 4 * chunk.size())
                        socket->write(chunk);
                };
                connect(socket, &QTcpSocket::bytesWritten, socket, refill);
                refill();
                break;
            }
        }
    }

    HttpTestServer* m_Owner;
    HttpResponsePlan m_Plan;
    QTcpServer* m_Server = nullptr;
};

HttpTestServer::HttpTestServer(const HttpResponsePlan& plan) {
    m_Worker = new HttpTestServerWorker(this, plan);
    m_Worker->moveToThread(&m_Thread);
    m_Thread.start();
    QMetaObject::invokeMethod(
        m_Worker, [this] { m_Port = m_Worker->listen(); }, Qt::BlockingQueuedConnection);
}

HttpTestServer::~HttpTestServer() {
    // The worker and its sockets belong to the server thread: they die there,
    // when the ending thread runs its pending deletions.
    m_Worker->deleteLater();
    m_Thread.quit();
    m_Thread.wait();
}

QString HttpTestServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_Port).arg(path);
}

QStringList HttpTestServer::requestLines() const {
    QMutexLocker lock(&m_Mutex);
    return m_Requests;
}

void HttpTestServer::recordRequest(const QString& line) {
    QMutexLocker lock(&m_Mutex);
    m_Requests.append(line);
}

quint16 HttpTestServer::closedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}
