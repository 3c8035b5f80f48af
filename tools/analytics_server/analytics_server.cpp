#include "analytics_server.h"

#include <httplib.h>
#include <json/json.h>
#include <openssl/ssl.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <zlib.h>

#include <atomic>
#include <ctime>
#include <iostream>
#include <optional>

namespace orvo_analytics {

bool gunzip(const std::string& body, std::string& out) {
    out.clear();
    if (body.size() < 18 || static_cast<unsigned char>(body[0]) != 0x1F ||
        static_cast<unsigned char>(body[1]) != 0x8B) {
        return false;
    }
    z_stream zs{};
    if (inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK) return false;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
    zs.avail_in = static_cast<uInt>(body.size());
    char buf[16384];
    int rc = Z_OK;
    while (rc == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef*>(buf);
        zs.avail_out = sizeof buf;
        rc = inflate(&zs, Z_NO_FLUSH);
        out.append(buf, sizeof buf - zs.avail_out);
        if (rc == Z_BUF_ERROR && zs.avail_in == 0) break;
    }
    // One member, nothing after it; zlib has checked the CRC-32 and length.
    const bool ok = rc == Z_STREAM_END && zs.avail_in == 0;
    inflateEnd(&zs);
    return ok;
}

namespace {

// Splits a batch into lines; every line must be a JSON object.
bool splitRecords(const std::string& text, std::vector<std::string>& lines) {
    lines.clear();
    if (text.empty() || text.back() != '\n') return false;
    Json::CharReaderBuilder builder;
    builder["failIfExtra"] = true;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        Json::Value value;
        std::string errors;
        if (!reader->parse(line.data(), line.data() + line.size(), &value, &errors) ||
            !value.isObject()) {
            return false;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return true;
}

class RecordFile {
public:
    explicit RecordFile(const std::string& path) {
        if (path.empty()) return;
        if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK) {
            std::cerr << "analytics server: cannot open " << path << std::endl;
            sqlite3_close(m_db);
            m_db = nullptr;
            return;
        }
        sqlite3_exec(m_db,
                     "CREATE TABLE IF NOT EXISTS records (id INTEGER PRIMARY KEY, received INT, "
                     "host TEXT, record TEXT);",
                     nullptr, nullptr, nullptr);
    }
    ~RecordFile() { sqlite3_close(m_db); }
    void add(const std::string& host, const std::vector<std::string>& lines) {
        if (m_db == nullptr) return;
        sqlite3_exec(m_db, "BEGIN;", nullptr, nullptr, nullptr);
        for (const auto& line : lines) {
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(m_db,
                               "INSERT INTO records (received, host, record) VALUES (?, ?, ?);", -1,
                               &stmt, nullptr);
            sqlite3_bind_int64(stmt, 1, static_cast<sqlite3_int64>(std::time(nullptr)));
            sqlite3_bind_text(stmt, 2, host.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(stmt, 3, line.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(stmt);
            sqlite3_finalize(stmt);
        }
        sqlite3_exec(m_db, "COMMIT;", nullptr, nullptr, nullptr);
    }

private:
    sqlite3* m_db = nullptr;
};

}  // namespace

struct AnalyticsServer::Impl {
    explicit Impl(ServerOptions o) : options(std::move(o)), file(options.databaseFile) {}

    ServerOptions options;
    RecordFile file;
    std::unique_ptr<httplib::SSLServer> server;

    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    std::string configText = "{}";
    std::deque<ScriptedAnswer> scripted;
    std::vector<ReceivedRequest> requests;
    std::vector<std::string> records;
    bool stopping = false;
    std::atomic<int> connections{0};
    std::vector<std::string> protocols;

    void handle(const httplib::Request& req, httplib::Response& res);
    void answerNormally(ReceivedRequest& r, httplib::Response& res);
    void log(const std::string& line) {
        if (options.print) std::cout << line << std::endl;
    }
    static void onTlsInfo(const SSL* ssl, int where, int value);
    static int selectProtocol(SSL* ssl, const unsigned char** out, unsigned char* outLength,
                              const unsigned char* in, unsigned int inLength, void* arg);
};

namespace {
int g_exIndex = -1;
}  // namespace

// Counts TLS handshakes, one per connection, and prints the alerts either side
// sends: a client refusing the certificate shows up only as an alert.
void AnalyticsServer::Impl::onTlsInfo(const SSL* ssl, int where, int value) {
    auto* impl = static_cast<Impl*>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), g_exIndex));
    if (impl == nullptr) return;
    if ((where & SSL_CB_HANDSHAKE_START) != 0) ++impl->connections;
    if ((where & SSL_CB_ALERT) != 0) {
        impl->log(std::string("TLS alert ") + ((where & SSL_CB_READ) != 0 ? "from" : "to") +
                  " the client: " + SSL_alert_desc_string_long(value));
    }
}

// Prefers HTTP/2 whenever the client offers it, as a real front end would.
int AnalyticsServer::Impl::selectProtocol(SSL*, const unsigned char** out, unsigned char* outLength,
                                          const unsigned char* in, unsigned int inLength,
                                          void* arg) {
    static const unsigned char offered[] = "\x02h2\x08http/1.1";
    auto* impl = static_cast<Impl*>(arg);
    unsigned char* chosen = nullptr;
    std::string name;
    int result = SSL_TLSEXT_ERR_NOACK;
    if (SSL_select_next_proto(&chosen, outLength, offered, sizeof offered - 1, in, inLength) ==
        OPENSSL_NPN_NEGOTIATED) {
        *out = chosen;
        name.assign(reinterpret_cast<const char*>(chosen), *outLength);
        result = SSL_TLSEXT_ERR_OK;
    }
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->protocols.push_back(name);
    return result;
}

void AnalyticsServer::Impl::handle(const httplib::Request& req, httplib::Response& res) {
    ReceivedRequest r;
    r.host = req.get_header_value("Host");
    r.path = req.path;
    r.userAgent = req.get_header_value("User-Agent");
    r.hasContentType = req.has_header("Content-Type");
    r.hasContentEncoding = req.has_header("Content-Encoding");
    r.contentLength = req.get_header_value("Content-Length");
    r.body = req.body;
    r.gzip = gunzip(req.body, r.decoded);
    if (!r.gzip) r.decoded = req.body;

    std::optional<ScriptedAnswer> answer;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!scripted.empty()) {
            answer = scripted.front();
            scripted.pop_front();
        }
    }
    log("POST " + r.host + r.path + " (" + std::to_string(r.body.size()) + " bytes" +
        (r.gzip ? ", gzip" : "") + ")");

    if (!answer) {
        answerNormally(r, res);
    } else if (answer->kind == ScriptedAnswer::Kind::Status) {
        r.status = answer->status;
        res.status = answer->status;
        res.set_content(answer->body, "text/plain");
        if (!answer->location.empty()) res.set_header("Location", answer->location);
    } else if (answer->kind == ScriptedAnswer::Kind::Pieces) {
        r.status = 200;
        res.status = 200;
        auto pieces = std::make_shared<std::vector<std::string>>(answer->pieces);
        auto next = std::make_shared<size_t>(0);
        const auto pause = answer->pause;
        res.set_chunked_content_provider("text/plain",
                                         [pieces, next, pause](size_t, httplib::DataSink& sink) {
                                             if (*next < pieces->size()) {
                                                 if (*next > 0) std::this_thread::sleep_for(pause);
                                                 const std::string& piece = (*pieces)[(*next)++];
                                                 sink.write(piece.data(), piece.size());
                                                 return true;
                                             }
                                             sink.done();
                                             return true;
                                         });
    } else if (answer->kind == ScriptedAnswer::Kind::Close) {
        if (req.ssl != nullptr) shutdown(SSL_get_fd(req.ssl), SHUT_RDWR);
        log("  closed without an answer");
    } else {
        log("  hanging");
        std::unique_lock<std::mutex> lock(mutex);
        requests.push_back(r);
        changed.notify_all();
        changed.wait(lock, [this] { return stopping; });
        return;
    }
    std::lock_guard<std::mutex> lock(mutex);
    requests.push_back(std::move(r));
    changed.notify_all();
}

void AnalyticsServer::Impl::answerNormally(ReceivedRequest& r, httplib::Response& res) {
    if (r.path.rfind("/init/", 0) == 0) {
        std::string text;
        {
            std::lock_guard<std::mutex> lock(mutex);
            text = configText;
        }
        r.status = 200;
        res.status = 200;
        res.set_content(text, "application/json");
        log("  configuration for \"" + r.body + "\"");
        return;
    }
    if (r.path == "/log/f/") {
        std::vector<std::string> lines;
        if (!splitRecords(r.decoded, lines)) {
            r.status = 400;
            res.status = 400;
            log("  refused: not one JSON object per line");
            return;
        }
        file.add(r.host, lines);
        for (const auto& line : lines) log("  " + line);
        std::lock_guard<std::mutex> lock(mutex);
        records.insert(records.end(), lines.begin(), lines.end());
        r.status = 200;
        res.status = 200;
        return;
    }
    r.status = 404;
    res.status = 404;
}

AnalyticsServer::AnalyticsServer(ServerOptions options)
    : m_impl(std::make_unique<Impl>(std::move(options))) {}

AnalyticsServer::~AnalyticsServer() { stop(); }

bool AnalyticsServer::start() {
    Impl& impl = *m_impl;
    impl.server = std::make_unique<httplib::SSLServer>(impl.options.certFile.c_str(),
                                                       impl.options.keyFile.c_str());
    if (!impl.server->is_valid()) return false;
    if (g_exIndex < 0) g_exIndex = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    SSL_CTX_set_ex_data(impl.server->ssl_context(), g_exIndex, &impl);
    SSL_CTX_set_info_callback(impl.server->ssl_context(), Impl::onTlsInfo);
    if (impl.options.offerHttp2) {
        SSL_CTX_set_alpn_select_cb(impl.server->ssl_context(), Impl::selectProtocol, &impl);
    }
    if (impl.options.outdatedTlsOnly) {
        SSL_CTX* context = impl.server->ssl_context();
        SSL_CTX_set_security_level(context, 0);  // the default level refuses these versions
        SSL_CTX_set_min_proto_version(context, TLS1_VERSION);
        SSL_CTX_set_max_proto_version(context, TLS1_1_VERSION);
    }

    impl.server->Post(".*", [&impl](const httplib::Request& req, httplib::Response& res) {
        impl.handle(req, res);
    });
    if (impl.options.port == 0) {
        m_port = impl.server->bind_to_any_port(impl.options.bindAddress.c_str());
    } else {
        m_port = impl.server->bind_to_port(impl.options.bindAddress.c_str(), impl.options.port)
                     ? impl.options.port
                     : -1;
    }
    if (m_port <= 0) return false;
    m_thread = std::thread([&impl] { impl.server->listen_after_bind(); });
    // A stop() before the loop runs would be lost, and the loop would never end.
    while (!impl.server->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void AnalyticsServer::stop() {
    if (!m_impl->server) return;
    {
        std::lock_guard<std::mutex> lock(m_impl->mutex);
        m_impl->stopping = true;
        m_impl->changed.notify_all();
    }
    m_impl->server->stop();
    if (m_thread.joinable()) m_thread.join();
    m_impl->server.reset();
}

void AnalyticsServer::setConfigText(const std::string& text) {
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    m_impl->configText = text;
}

void AnalyticsServer::script(const ScriptedAnswer& answer, int times) {
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    for (int i = 0; i < times; ++i) m_impl->scripted.push_back(answer);
}

std::vector<ReceivedRequest> AnalyticsServer::requests() const {
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    return m_impl->requests;
}

std::vector<ReceivedRequest> AnalyticsServer::requestsTo(const std::string& pathPrefix) const {
    std::vector<ReceivedRequest> out;
    for (auto& r : requests()) {
        if (r.path.rfind(pathPrefix, 0) == 0) out.push_back(r);
    }
    return out;
}

std::vector<std::string> AnalyticsServer::records() const {
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    return m_impl->records;
}

int AnalyticsServer::connectionCount() const { return m_impl->connections.load(); }

std::vector<std::string> AnalyticsServer::negotiatedProtocols() const {
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    return m_impl->protocols;
}

bool AnalyticsServer::waitForRequests(size_t count, std::chrono::milliseconds limit) const {
    std::unique_lock<std::mutex> lock(m_impl->mutex);
    return m_impl->changed.wait_for(lock, limit,
                                    [this, count] { return m_impl->requests.size() >= count; });
}

}  // namespace orvo_analytics
