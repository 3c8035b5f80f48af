// The analytics client's one kind of exchange: an HTTPS POST of a byte body
// to port 443 of a host, reading the status and, if asked, the body.
// One back-end per platform (libcurl on Linux, WinHTTP on Windows); every
// call opens and closes its own connection.
//
// Messages go to standard output. Thread-safety: calls may run on any
// thread; the client makes them on the uploader thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Sends body (length bytes, any content) and returns the HTTP status, 0 when
// no answer was obtained. If response is given it receives the body.
std::uint32_t httpsPost(const std::string& host, const std::string& path, const char* body,
                        std::size_t length, std::string* response);
// The response body, empty on failure; the status is not looked at.
std::string postForResponse(const std::string& host, const std::string& path, const char* body,
                            std::size_t length);
// True exactly when the server answered 200.
bool postForSuccess(const std::string& host, const std::string& path, const char* body,
                    std::size_t length);

// Most bytes of a response body that are read. The client's answers (the
// configuration) are a few hundred bytes; a longer one is a failed exchange:
// status 0, empty text, one "Error <code> has occurred." line.
constexpr std::size_t kBiMaxResponseBytes = 64 * 1024;

// Collects a response body piece by piece, shared by the back-ends. Each
// piece is text: it is kept up to its first zero byte.
class BiResponseBody {
public:
    explicit BiResponseBody(std::string* text) : m_text(text) {}
    // False, and the text emptied, once more than kBiMaxResponseBytes came.
    bool append(const char* data, std::size_t bytes);
    bool overflowed() const { return m_overflowed; }

private:
    std::string* m_text;
    std::size_t m_received = 0;
    bool m_overflowed = false;
};

// Upper bounds of one exchange, so that a server that accepts and never
// answers cannot hold the program's exit for ever.
struct BiTransportTimeouts {
    long connectMs = 10000;
    long totalMs = 30000;
};
BiTransportTimeouts transportTimeouts();
// Tests shorten them; the program keeps the defaults.
void setTransportTimeouts(const BiTransportTimeouts& timeouts);

// Environment variables read by the back-ends (tests and staging only).
extern const char* const kBiConnectToVariable;  // ORVOCHECK_ANALYTICS_CONNECT_TO, host:port
extern const char* const kBiCaFileVariable;     // ORVOCHECK_ANALYTICS_CA_FILE, extra CA bundle
