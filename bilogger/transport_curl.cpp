// libcurl back-end of the transport.
#include <curl/curl.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

#include "transport.h"

namespace {

const char* const kUserAgent = "ZEVURerevu Library Win32";

struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
};

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

const char* environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// Each piece of the body is appended up to its first zero byte: the
// response is a text.
size_t appendPiece(char* data, size_t size, size_t count, void* userdata) {
    const size_t bytes = size * count;
    if (userdata != nullptr) {
        static_cast<std::string*>(userdata)->append(data, strnlen(data, bytes));
    }
    return bytes;
}

// Adds the extra CA bundle to the system store that libcurl has already
// loaded into the TLS context, instead of replacing it.
CURLcode addExtraCa(CURL*, void* sslContext, void* caFile) {
    X509_STORE* store = SSL_CTX_get_cert_store(static_cast<SSL_CTX*>(sslContext));
    if (store == nullptr ||
        X509_STORE_load_locations(store, static_cast<const char*>(caFile), nullptr) != 1) {
        return CURLE_SSL_CACERT_BADFILE;
    }
    return CURLE_OK;
}

}  // namespace

std::uint32_t httpsPost(const std::string& host, const std::string& path, const char* body,
                        std::size_t length, std::string* response) {
    static CurlGlobal global;
    if (response != nullptr) response->clear();

    std::unique_ptr<CURL, EasyDeleter> curl(curl_easy_init());
    if (!curl) {
        std::cout << "Error " << static_cast<unsigned>(CURLE_FAILED_INIT) << " has occurred."
                  << std::endl;
        return 0;
    }
    CURL* h = curl.get();
    const std::string url = "https://" + host + path;
    const BiTransportTimeouts timeouts = transportTimeouts();

    // No headers of our own; remove the ones libcurl would add by itself.
    std::unique_ptr<curl_slist, ListDeleter> headers;
    for (const char* header : {"Content-Type:", "Accept:", "Expect:"}) {
        headers.reset(curl_slist_append(headers.release(), header));
    }
    std::unique_ptr<curl_slist, ListDeleter> connectTo;
    if (const char* target = environmentValue(kBiConnectToVariable)) {
        connectTo.reset(curl_slist_append(nullptr, (std::string("::") + target).c_str()));
    }
    const char* caFile = environmentValue(kBiCaFileVariable);

    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(h, CURLOPT_PORT, 443L);
    curl_easy_setopt(h, CURLOPT_POST, 1L);
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, body != nullptr ? body : "");
    curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(length));
    curl_easy_setopt(h, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_PROXY, "");  // direct, whatever the environment says
    curl_easy_setopt(h, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, timeouts.connectMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, timeouts.totalMs);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, appendPiece);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, response);
    if (connectTo) curl_easy_setopt(h, CURLOPT_CONNECT_TO, connectTo.get());
    if (caFile != nullptr) {
        if (curl_easy_setopt(h, CURLOPT_SSL_CTX_FUNCTION, addExtraCa) == CURLE_OK) {
            curl_easy_setopt(h, CURLOPT_SSL_CTX_DATA, const_cast<char*>(caFile));
        } else {
            // A TLS back-end without context access can only replace the
            // bundle; the system directory (CAPATH) is still consulted.
            curl_easy_setopt(h, CURLOPT_CAINFO, caFile);
        }
    }

    const CURLcode rc = curl_easy_perform(h);
    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    if (rc != CURLE_OK) {
        std::cout << "Error " << static_cast<unsigned>(rc) << " has occurred." << std::endl;
    }
    return static_cast<std::uint32_t>(status);
}
