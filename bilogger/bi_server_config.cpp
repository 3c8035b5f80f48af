#include "bi_server_config.h"

#include <json/json.h>

#include <algorithm>
#include <exception>
#include <iostream>
#include <limits>
#include <memory>

#include "bi_deployment.h"
#include "bi_log_store.h"
#include "transport.h"

namespace {

constexpr bool kDefaultCompress = true;
constexpr int kDefaultExpireTime = 3600;
constexpr int kDefaultVersion = 1;
constexpr int kDefaultPackageSize = 20480;
constexpr int kDefaultPackageLine = 20;

// Numbers from the server are used only within sane bounds: a batch limit of
// 2 GiB would be allocated as such. A value outside counts as missing.
struct Bounds {
    int low;
    int high;
};
constexpr Bounds kAnyNumber{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
constexpr Bounds kExpireTimeBounds{0, 30 * 24 * 3600};
constexpr Bounds kPackageSizeBounds{1024, 1024 * 1024};
constexpr Bounds kPackageLineBounds{1, 500};

// A member of an unexpected type counts as missing; null reads as false,
// 0 or empty text.
const Json::Value* member(const Json::Value& root, const char* key) {
    if (!root.isObject()) return nullptr;
    return root.find(key, key + std::char_traits<char>::length(key));
}

bool boolMember(const Json::Value& root, const char* key, bool fallback) {
    const Json::Value* v = member(root, key);
    if (v == nullptr) return fallback;
    if (v->isNull()) return false;
    return v->isBool() ? v->asBool() : fallback;
}

int intMember(const Json::Value& root, const char* key, int fallback, Bounds bounds) {
    const Json::Value* v = member(root, key);
    if (v == nullptr) return fallback;
    int value = 0;
    if (v->isInt()) {
        value = v->asInt();
    } else if (!v->isNull()) {
        return fallback;
    }
    return value >= bounds.low && value <= bounds.high ? value : fallback;
}

std::string textOf(const Json::Value& v) { return v.isString() ? v.asString() : std::string(); }

}  // namespace

BiServerConfig::BiServerConfig(BiClock clock) : m_clock(std::move(clock)) {}

std::int64_t BiServerConfig::now() const { return m_clock(); }

void BiServerConfig::setAppId(const std::string& appId) {
    std::lock_guard<std::mutex> lock(m_appIdMutex);
    m_appId = appId;
}

std::string BiServerConfig::appId() const {
    std::lock_guard<std::mutex> lock(m_appIdMutex);
    return m_appId;
}

std::string BiServerConfig::extractHost(const std::string& url) {
    const size_t colon = url.find(':');
    size_t start = colon == std::string::npos ? 0 : colon + 1;
    while (start < url.size() && url[start] == '/') ++start;
    const size_t end = url.find('/', start);
    return url.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string BiServerConfig::hostFor(const std::string& environment) const {
    if (useStageHost) return BI_ANALYTICS_HOST_STAGE;
    const auto it = environmentHosts.find(environment);
    if (it != environmentHosts.end()) return it->second;
    return BI_ANALYTICS_HOST_DEFAULT;
}

bool BiServerConfig::refresh(BiLogStore& store, const std::string& environment) {
    const std::int64_t start = now();
    bool cached = false;
    std::string text;
    if (nextRefreshEpoch == 0) {
        // The cached times come from a file and may be anything: a time far
        // in the future counts as far in the future, never as wrapped around.
        const std::int64_t expire = store.expireEpoch();
        if (expire > start) {
            text = store.serverConfigText();
            const std::int64_t countdown = store.validCountdown();
            nextRefreshEpoch = countdown < expire - start ? start + countdown : expire;
            cached = true;
        }
    }
    if (cached) {
        if (applyConfigText(store, text, false)) return true;
        // Limits that were never applied must not be used: ask the server now.
        nextRefreshEpoch = 0;
    } else if (start < nextRefreshEpoch) {
        const std::int64_t left = nextRefreshEpoch - start;
        if (left < store.validCountdown()) store.setValidCountdown(left);
        return true;
    }
    const std::string path = "/init/" + std::to_string(store.countLogs()) + "/";
    const std::string answer =
        postForResponse(BI_ANALYTICS_HOST_DEFAULT, path, environment.data(), environment.size());
    if (answer.empty()) return false;
    return applyConfigText(store, answer, true);
}

bool BiServerConfig::applyConfigText(BiLogStore& store, const std::string& text, bool fromServer) {
    Json::Value root;
    std::string errors;
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    bool parsed = false;
    try {
        parsed = reader->parse(text.data(), text.data() + text.size(), &root, &errors);
    } catch (const std::exception& e) {
        // The reader throws instead of reporting for some texts (nesting
        // deeper than its stack limit); such a text is as unusable as any.
        errors = e.what();
    }
    if (!parsed) {
        std::cerr << "Failed to parse server config: " << errors << std::endl;
        return false;
    }
    compress = boolMember(root, "compress", kDefaultCompress);

    environmentHosts.clear();
    if (const Json::Value* urls = member(root, "url"); urls != nullptr && urls->isObject()) {
        for (const std::string& name : urls->getMemberNames()) {
            const std::string host = extractHost(textOf((*urls)[name]));
            if (!host.empty()) environmentHosts[name] = host;
        }
    }

    const int expireTime = intMember(root, "expire_time", kDefaultExpireTime, kExpireTimeBounds);
    if (fromServer) {
        nextRefreshEpoch = now() + expireTime;
        store.setServerConfigText(text);
        store.setValidCountdown(expireTime);
        store.setExpireEpoch(nextRefreshEpoch);
    }

    const int version = intMember(root, "version", kDefaultVersion, kAnyNumber);
    if (const Json::Value* devIds = member(root, "dev_app_id");
        devIds != nullptr && devIds->isArray()) {
        const std::string ownId = appId();
        for (Json::ArrayIndex i = 0; i < devIds->size(); ++i) {
            if ((*devIds)[i].isString() && (*devIds)[i].asString() == ownId) {
                useStageHost = true;
                break;
            }
        }
    }
    if (version < 1) useStageHost = true;

    packageSize = intMember(root, "package_size", kDefaultPackageSize, kPackageSizeBounds);
    packageLine = intMember(root, "package_line", kDefaultPackageLine, kPackageLineBounds);
    return true;
}

BiServerConfig& processServerConfig() {
    // Never destroyed: a flush task may still hold it while statics go away.
    static BiServerConfig* const config = new BiServerConfig();
    return *config;
}
