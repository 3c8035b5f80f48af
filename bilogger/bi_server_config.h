// The analytics server's configuration: fetched from the production host,
// applied, cached in the database's server_config row.
//
// Thread-safety: refresh() and the fields are used by the uploader thread
// only; appId is guarded because the facade sets it from its caller's thread.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "bi_clock.h"

class BiLogStore;

class BiServerConfig {
public:
    explicit BiServerConfig(BiClock clock = biSystemSeconds);

    // Makes sure a configuration is in effect, from memory, the cache or the
    // server. False: the upload pass must stop.
    bool refresh(BiLogStore& store, const std::string& environment);
    // Applies a configuration text. fromServer stores it in the cache row.
    bool applyConfigText(BiLogStore& store, const std::string& text, bool fromServer);
    // Host that receives the records of environment.
    std::string hostFor(const std::string& environment) const;
    static std::string extractHost(const std::string& url);

    void setAppId(const std::string& appId);
    std::string appId() const;

    std::int64_t nextRefreshEpoch = 0;
    bool compress = true;
    std::map<std::string, std::string> environmentHosts;
    bool useStageHost = false;
    std::int32_t packageSize = 0;
    std::int32_t packageLine = 0;

private:
    std::int64_t now() const;

    BiClock m_clock;
    mutable std::mutex m_appIdMutex;
    std::string m_appId;
};

// The process-wide configuration, used by the uploader's flush tasks.
BiServerConfig& processServerConfig();
