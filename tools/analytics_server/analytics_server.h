// A local analytics server for development and tests: HTTPS, answers the
// configuration request with a configurable text, accepts record batches
// (gzip or plain), checks every line, keeps every record in its own SQLite
// file and prints it. It can be told to answer a status, to hang or to close
// the connection for the next requests, and it counts connections.
//
// Thread-safety: every public member may be called from any thread while
// the server runs.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class SSLServer;
}

namespace orvo_analytics {

struct ServerOptions {
    std::string certFile;
    std::string keyFile;
    std::string databaseFile;  // where records are kept; empty: memory only
    std::string bindAddress = "127.0.0.1";
    int port = 0;       // 0: any free port
    bool print = true;  // print every request and record on stdout
    // Offer HTTP/2 ahead of HTTP/1.1 in the TLS handshake (ALPN) and note
    // what each connection chose; the server itself only speaks HTTP/1.1.
    bool offerHttp2 = false;
    // Speak TLS 1.0 and 1.1 only, as an outdated server would: a client that
    // asks for current protocols must fail to connect.
    bool outdatedTlsOnly = false;
};

// One request as it arrived.
struct ReceivedRequest {
    std::string host;  // Host header
    std::string path;
    std::string userAgent;
    bool hasContentType = false;
    bool hasContentEncoding = false;
    std::string contentLength;  // as announced
    std::string body;           // raw bytes
    bool gzip = false;
    std::string decoded;  // body after gzip decoding (the body itself when plain)
    int status = 0;       // what the server answered; 0 for hang or close
};

// What to do with one of the next requests, whatever its path.
struct ScriptedAnswer {
    enum class Kind { Status, Hang, Close, Pieces };
    Kind kind = Kind::Status;
    int status = 200;
    std::string body;                      // Status: body of the answer
    std::string location;                  // Status: Location header, if not empty
    std::vector<std::string> pieces;       // Pieces: body sent in these pieces
    std::chrono::milliseconds pause{100};  // Pieces: pause between pieces
};

class AnalyticsServer {
public:
    explicit AnalyticsServer(ServerOptions options);
    ~AnalyticsServer();
    AnalyticsServer(const AnalyticsServer&) = delete;
    AnalyticsServer& operator=(const AnalyticsServer&) = delete;

    // Binds and serves on a thread of its own. False if it cannot listen.
    bool start();
    void stop();
    int port() const { return m_port; }

    // The text answered to "/init/<n>/"; "{}" until set.
    void setConfigText(const std::string& text);
    // The next `times` requests get this answer instead of the normal one.
    void script(const ScriptedAnswer& answer, int times = 1);

    std::vector<ReceivedRequest> requests() const;
    std::vector<ReceivedRequest> requestsTo(const std::string& pathPrefix) const;
    // Every record line accepted so far, in order of arrival.
    std::vector<std::string> records() const;
    int connectionCount() const;
    // The protocol chosen in each handshake ("" when the client named none),
    // with offerHttp2 only.
    std::vector<std::string> negotiatedProtocols() const;
    // Waits until `count` requests have arrived; false on time-out.
    bool waitForRequests(size_t count, std::chrono::milliseconds limit) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    std::thread m_thread;
    int m_port = 0;
};

// Decodes a gzip member; false if it is not one or is damaged.
bool gunzip(const std::string& body, std::string& out);

}  // namespace orvo_analytics
