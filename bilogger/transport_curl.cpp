// libcurl back-end of the transport.
//
// libcurl, and the TLS library and the many others behind it, are loaded on
// the first request rather than with the program: most runs never upload
// (no consent), and loading them at start-up costs time and memory before the
// window's first frame. Once loaded they stay for the life of the process.
#include <curl/curl.h>
#include <dlfcn.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <cstdlib>
#include <iostream>
#include <memory>

#include "transport.h"

namespace {

const char* const kUserAgent = "ZEVURerevu Library Win32";

// The libcurl calls this back-end makes, resolved from the library's shared
// object. Built once, on whichever thread asks first (thread-safe static);
// read-only afterwards.
struct CurlApi {
    CURLcode (*globalInit)(long) = nullptr;
    CURL* (*easyInit)() = nullptr;
    void (*easyCleanup)(CURL*) = nullptr;
    CURLcode (*easySetopt)(CURL*, CURLoption, ...) = nullptr;
    CURLcode (*easyPerform)(CURL*) = nullptr;
    CURLcode (*easyGetinfo)(CURL*, CURLINFO, ...) = nullptr;
    curl_slist* (*slistAppend)(curl_slist*, const char*) = nullptr;
    void (*slistFreeAll)(curl_slist*) = nullptr;
    // From the TLS library libcurl brought in; only for the extra CA file.
    X509_STORE* (*sslCtxGetCertStore)(const SSL_CTX*) = nullptr;
    int (*storeLoadLocations)(X509_STORE*, const char*, const char*) = nullptr;

    bool usable() const {
        return globalInit && easyInit && easyCleanup && easySetopt && easyPerform && easyGetinfo &&
               slistAppend && slistFreeAll;
    }
};

template <typename Function>
void resolve(void* library, const char* name, Function& target) {
    if (library != nullptr) target = reinterpret_cast<Function>(dlsym(library, name));
}

CurlApi loadCurl() {
    CurlApi api;
    void* curl = dlopen(BI_CURL_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (curl == nullptr) {
        std::cerr << "Cannot load " << BI_CURL_SONAME << ": " << dlerror() << std::endl;
        return api;
    }
    resolve(curl, "curl_global_init", api.globalInit);
    resolve(curl, "curl_easy_init", api.easyInit);
    resolve(curl, "curl_easy_cleanup", api.easyCleanup);
    resolve(curl, "curl_easy_setopt", api.easySetopt);
    resolve(curl, "curl_easy_perform", api.easyPerform);
    resolve(curl, "curl_easy_getinfo", api.easyGetinfo);
    resolve(curl, "curl_slist_append", api.slistAppend);
    resolve(curl, "curl_slist_free_all", api.slistFreeAll);
    // Already loaded as libcurl's own dependencies; these only take a reference.
    resolve(dlopen(BI_SSL_SONAME, RTLD_NOW | RTLD_LOCAL), "SSL_CTX_get_cert_store",
            api.sslCtxGetCertStore);
    resolve(dlopen(BI_CRYPTO_SONAME, RTLD_NOW | RTLD_LOCAL), "X509_STORE_load_locations",
            api.storeLoadLocations);
    if (api.usable()) api.globalInit(CURL_GLOBAL_DEFAULT);
    return api;
}

const CurlApi& curlApi() {
    static const CurlApi api = loadCurl();
    return api;
}

struct EasyDeleter {
    void operator()(CURL* curl) const { curlApi().easyCleanup(curl); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curlApi().slistFreeAll(list); }
};

const char* environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// A short count makes libcurl end the exchange with a write error.
size_t appendPiece(char* data, size_t size, size_t count, void* userdata) {
    const size_t bytes = size * count;
    if (userdata == nullptr) return bytes;  // an upload: the answer is not read
    return static_cast<BiResponseBody*>(userdata)->append(data, bytes) ? bytes : 0;
}

// Adds the extra CA bundle to the system store that libcurl has already
// loaded into the TLS context, instead of replacing it.
CURLcode addExtraCa(CURL*, void* sslContext, void* caFile) {
    const CurlApi& api = curlApi();
    X509_STORE* store = api.sslCtxGetCertStore(static_cast<SSL_CTX*>(sslContext));
    if (store == nullptr ||
        api.storeLoadLocations(store, static_cast<const char*>(caFile), nullptr) != 1) {
        return CURLE_SSL_CACERT_BADFILE;
    }
    return CURLE_OK;
}

}  // namespace

std::uint32_t httpsPost(const std::string& host, const std::string& path, const char* body,
                        std::size_t length, std::string* response) {
    if (response != nullptr) response->clear();
    const CurlApi& api = curlApi();

    std::unique_ptr<CURL, EasyDeleter> curl(api.usable() ? api.easyInit() : nullptr);
    if (!curl) {
        std::cout << "Error " << static_cast<unsigned>(CURLE_FAILED_INIT) << " has occurred."
                  << std::endl;
        return 0;
    }
    CURL* h = curl.get();
    const std::string url = "https://" + host + path;
    const BiTransportTimeouts timeouts = transportTimeouts();
    BiResponseBody responseBody(response);

    // No headers of our own; remove the ones libcurl would add by itself.
    std::unique_ptr<curl_slist, ListDeleter> headers;
    for (const char* header : {"Content-Type:", "Accept:", "Expect:"}) {
        headers.reset(api.slistAppend(headers.release(), header));
    }
    std::unique_ptr<curl_slist, ListDeleter> connectTo;
    if (const char* target = environmentValue(kBiConnectToVariable)) {
        connectTo.reset(api.slistAppend(nullptr, (std::string("::") + target).c_str()));
    }
    const char* caFile = environmentValue(kBiCaFileVariable);

    api.easySetopt(h, CURLOPT_URL, url.c_str());
    api.easySetopt(h, CURLOPT_PROTOCOLS_STR, "https");
    api.easySetopt(h, CURLOPT_PORT, 443L);
    // The exchange is HTTP/1.1, as on Windows, even when the server offers HTTP/2.
    api.easySetopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    api.easySetopt(h, CURLOPT_POST, 1L);
    api.easySetopt(h, CURLOPT_POSTFIELDS, body != nullptr ? body : "");
    api.easySetopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(length));
    api.easySetopt(h, CURLOPT_USERAGENT, kUserAgent);
    api.easySetopt(h, CURLOPT_HTTPHEADER, headers.get());
    api.easySetopt(h, CURLOPT_PROXY, "");  // direct, whatever the environment says
    api.easySetopt(h, CURLOPT_NOPROXY, "*");
    api.easySetopt(h, CURLOPT_FOLLOWLOCATION, 0L);  // a 3xx is the answer
    api.easySetopt(h, CURLOPT_CONNECTTIMEOUT_MS, timeouts.connectMs);
    api.easySetopt(h, CURLOPT_TIMEOUT_MS, timeouts.totalMs);
    api.easySetopt(h, CURLOPT_NOSIGNAL, 1L);
    api.easySetopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    api.easySetopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    api.easySetopt(h, CURLOPT_WRITEFUNCTION, appendPiece);
    api.easySetopt(h, CURLOPT_WRITEDATA, response != nullptr ? &responseBody : nullptr);
    if (connectTo) api.easySetopt(h, CURLOPT_CONNECT_TO, connectTo.get());
    if (caFile != nullptr) {
        const bool canAdd = api.sslCtxGetCertStore != nullptr && api.storeLoadLocations != nullptr;
        if (canAdd && api.easySetopt(h, CURLOPT_SSL_CTX_FUNCTION, addExtraCa) == CURLE_OK) {
            api.easySetopt(h, CURLOPT_SSL_CTX_DATA, const_cast<char*>(caFile));
        } else {
            // A TLS back-end without context access can only replace the
            // bundle; the system directory (CAPATH) is still consulted.
            api.easySetopt(h, CURLOPT_CAINFO, caFile);
        }
    }

    const CURLcode rc = api.easyPerform(h);
    long status = 0;
    api.easyGetinfo(h, CURLINFO_RESPONSE_CODE, &status);
    if (rc != CURLE_OK) {
        std::cout << "Error " << static_cast<unsigned>(rc) << " has occurred." << std::endl;
    }
    if (responseBody.overflowed()) return 0;
    return static_cast<std::uint32_t>(status);
}
