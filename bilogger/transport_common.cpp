#include <atomic>
#include <cstring>

#include "transport.h"

const char* const kBiConnectToVariable = "ORVOCHECK_ANALYTICS_CONNECT_TO";
const char* const kBiCaFileVariable = "ORVOCHECK_ANALYTICS_CA_FILE";

namespace {
std::atomic<long> g_connectMs{BiTransportTimeouts().connectMs};
std::atomic<long> g_totalMs{BiTransportTimeouts().totalMs};
}  // namespace

BiTransportTimeouts transportTimeouts() {
    BiTransportTimeouts t;
    t.connectMs = g_connectMs.load();
    t.totalMs = g_totalMs.load();
    return t;
}

void setTransportTimeouts(const BiTransportTimeouts& timeouts) {
    g_connectMs.store(timeouts.connectMs);
    g_totalMs.store(timeouts.totalMs);
}

bool BiResponseBody::append(const char* data, std::size_t bytes) {
    if (m_overflowed) return false;
    m_received += bytes;
    if (m_received > kBiMaxResponseBytes) {
        m_overflowed = true;
        if (m_text != nullptr) m_text->clear();
        return false;
    }
    if (m_text != nullptr) m_text->append(data, strnlen(data, bytes));
    return true;
}

std::string postForResponse(const std::string& host, const std::string& path, const char* body,
                            std::size_t length) {
    std::string response;
    httpsPost(host, path, body, length, &response);
    return response;
}

bool postForSuccess(const std::string& host, const std::string& path, const char* body,
                    std::size_t length) {
    return httpsPost(host, path, body, length, nullptr) == 200;
}
