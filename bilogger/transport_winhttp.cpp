// WinHTTP back-end of the transport: synchronous, one root handle, connection
// and request per call, closed request first.
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <new>

#include "transport.h"
#include "utf16_win.h"

namespace {

const wchar_t* const kUserAgent = L"ZEVURerevu Library Win32";

struct HandleCloser {
    void operator()(void* handle) const { WinHttpCloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

void reportLastError() {
    std::cout << "Error " << static_cast<unsigned long>(GetLastError()) << " has occurred."
              << std::endl;
}

// Where to connect instead of host:443, from ORVOCHECK_ANALYTICS_CONNECT_TO
// ("name:port"). WinHTTP checks the certificate against the name it connects
// to, so the replacement must be a name the server's certificate carries.
struct Endpoint {
    std::string host;
    INTERNET_PORT port = INTERNET_DEFAULT_HTTPS_PORT;
};

Endpoint endpointFor(const std::string& host) {
    Endpoint endpoint{host, INTERNET_DEFAULT_HTTPS_PORT};
    const char* target = std::getenv(kBiConnectToVariable);
    if (target == nullptr || *target == '\0') return endpoint;
    const std::string text(target);
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return endpoint;
    const long port = std::strtol(text.c_str() + colon + 1, nullptr, 10);
    if (port <= 0 || port > 65535) return endpoint;
    endpoint.host = text.substr(0, colon);
    endpoint.port = static_cast<INTERNET_PORT>(port);
    return endpoint;
}

// Says once per process what a system without the newer protocols does, so
// that every request of a pass does not repeat it.
void noteOnce(std::atomic<bool>& said, const char* what, DWORD error) {
    if (said.exchange(true)) return;
    std::cout << what << " (error " << static_cast<unsigned long>(error) << ")" << std::endl;
}

// WinHTTP of Windows 7 SP1 and 8.1 offers TLS 1.2 only when asked, and a
// current server refuses anything older. TLS 1.3 is asked for too; a system
// that does not know it rejects the whole option, so TLS 1.2 alone is asked
// next, and a system that rejects even that keeps its defaults.
void askForCurrentTls(HINTERNET session) {
    static std::atomic<bool> noTls13{false};
    static std::atomic<bool> noChoice{false};
    DWORD protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3;
    if (WinHttpSetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols)) {
        return;
    }
    noteOnce(noTls13, "WinHTTP offers no TLS 1.3 here; asking for TLS 1.2", GetLastError());
    protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
    if (WinHttpSetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols)) {
        return;
    }
    noteOnce(noChoice, "WinHTTP refuses a choice of TLS protocols; keeping its defaults",
             GetLastError());
}

// One deadline for the whole exchange, name resolution included, as the
// total time-out of the libcurl back-end. WinHTTP's own time-outs are per
// operation (and the wait for the response headers has one of its own), so
// before each blocking call the request's time-outs are set to the time left.
class Deadline {
public:
    explicit Deadline(const BiTransportTimeouts& timeouts)
        : m_end(GetTickCount64() + static_cast<ULONGLONG>(std::max(timeouts.totalMs, 1L))),
          m_connectMs(timeouts.connectMs) {}

    // False, with ERROR_WINHTTP_TIMEOUT as the last error, once it has passed.
    bool arm(HINTERNET request) const {
        const ULONGLONG now = GetTickCount64();
        if (now >= m_end) {
            SetLastError(ERROR_WINHTTP_TIMEOUT);
            return false;
        }
        const int left = static_cast<int>(std::min<ULONGLONG>(m_end - now, INT_MAX));
        const int connect = static_cast<int>(std::min<long>(left, std::max(m_connectMs, 1L)));
        DWORD headers = static_cast<DWORD>(left);
        return WinHttpSetTimeouts(request, left, connect, left, left) &&
               WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headers,
                                sizeof headers);
    }

private:
    ULONGLONG m_end;
    long m_connectMs;
};

// False when the body is longer than the client reads.
bool readBody(HINTERNET request, const Deadline& deadline, std::string& response) {
    BiResponseBody body(&response);
    DWORD ready = 0;
    do {
        ready = 0;
        if (!deadline.arm(request) || !WinHttpQueryDataAvailable(request, &ready)) {
            std::cout << "Error " << static_cast<unsigned long>(GetLastError())
                      << " in WinHttpQueryDataAvailable." << std::endl;
            return true;
        }
        std::unique_ptr<char[]> buffer(new (std::nothrow) char[static_cast<size_t>(ready) + 1]());
        if (!buffer) {
            std::cout << "Out of memory on reading https response; trying to allocate " << ready
                      << " bytes." << std::endl;
            return true;
        }
        DWORD read = 0;
        if (deadline.arm(request) && WinHttpReadData(request, buffer.get(), ready, &read)) {
            if (!body.append(buffer.get(), read)) {
                SetLastError(ERROR_INSUFFICIENT_BUFFER);
                reportLastError();
                return false;
            }
        } else {
            std::cout << "Error " << static_cast<unsigned long>(GetLastError())
                      << " in WinHttpReadData." << std::endl;
        }
    } while (ready != 0);
    return true;
}

}  // namespace

std::uint32_t httpsPost(const std::string& host, const std::string& path, const char* body,
                        std::size_t length, std::string* response) {
    if (response != nullptr) response->clear();
    const Endpoint endpoint = endpointFor(host);
    std::wstring wideHost, widePath;
    if (!biwin::toWide(endpoint.host, wideHost) || !biwin::toWide(path, widePath)) {
        // Not UTF-8: nothing could be sent. Reported like any failed exchange
        // instead of throwing out of the library.
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        reportLastError();
        return 0;
    }
    if (length > MAXDWORD) {
        SetLastError(ERROR_INVALID_PARAMETER);
        reportLastError();
        return 0;
    }
    const DWORD bodyLength = static_cast<DWORD>(length);

    Handle session(WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                               WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) {
        reportLastError();
        return 0;
    }
    askForCurrentTls(session.get());
    // Bounded like every other back-end, so that a server that accepts and
    // never answers (or a name that never resolves) cannot hold the exit.
    const Deadline deadline(transportTimeouts());

    Handle connection(WinHttpConnect(session.get(), wideHost.c_str(), endpoint.port, 0));
    if (!connection) {
        reportLastError();
        return 0;
    }
    Handle request(WinHttpOpenRequest(connection.get(), L"POST", widePath.c_str(), nullptr,
                                      WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                      WINHTTP_FLAG_SECURE));
    if (!request) {
        reportLastError();
        return 0;
    }
    // A redirect is the answer, as with libcurl: a 3xx is not 200, so an
    // upload sent elsewhere is never taken as accepted.
    DWORD noRedirects = WINHTTP_DISABLE_REDIRECTS;
    if (!WinHttpSetOption(request.get(), WINHTTP_OPTION_DISABLE_FEATURE, &noRedirects,
                          sizeof noRedirects)) {
        reportLastError();
        return 0;
    }
    if (!deadline.arm(request.get()) ||
        !WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            WINHTTP_NO_REQUEST_DATA, 0, bodyLength, 0)) {
        reportLastError();
        return 0;
    }
    DWORD written = 0;
    if (bodyLength > 0 && (!deadline.arm(request.get()) ||
                           !WinHttpWriteData(request.get(), body, bodyLength, &written))) {
        reportLastError();
        return 0;
    }
    if (!deadline.arm(request.get()) || !WinHttpReceiveResponse(request.get(), nullptr)) {
        reportLastError();
        return 0;
    }

    DWORD status = 0;
    DWORD statusSize = sizeof status;
    WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                        WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusSize,
                        WINHTTP_NO_HEADER_INDEX);
    if (response != nullptr && !readBody(request.get(), deadline, *response)) return 0;
    // The handles close in reverse order of opening: request, connection, root.
    return static_cast<std::uint32_t>(status);
}
