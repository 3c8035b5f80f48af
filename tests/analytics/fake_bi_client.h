#pragma once

#include <QMutex>
#include <QStringList>
#include <string>
#include <vector>

#include "bi_client.h"

// A scripted analytics client: records every call, answers the pending count
// from a list (the last value repeats) and can refuse records as an
// uninitialised client does.
class FakeBiClient : public BiClient {
public:
    struct Sent {
        std::string category;
        Members members;
    };

    std::vector<int> pendingScript{0};
    bool refuseRecords = false;
    int lostAfterRelease = 0;

    int initCalls = 0;
    int initVersion = 0;
    std::string initAppId;
    std::string initStoragePath;
    std::vector<std::string> environments;
    std::vector<Sent> sent;
    int flushCalls = 0;
    int pendingCalls = 0;
    int releaseCalls = 0;
    // Order of the calls, one word each, to check what comes after what.
    QStringList calls;

    bool init(int version, const std::string& appId, const std::string& storagePath) override {
        calls << "init";
        ++initCalls;
        initVersion = version;
        initAppId = appId;
        initStoragePath = storagePath;
        return true;
    }
    void setEnvironment(const std::string& name) override {
        calls << "setEnvironment";
        environments.push_back(name);
    }
    bool sendRecord(const std::string& category, const Members& members) override {
        calls << "sendRecord";
        if (refuseRecords) return false;
        sent.push_back({category, members});
        return true;
    }
    void flush() override {
        calls << "flush";
        ++flushCalls;
    }
    int pendingCount() override {
        calls << "pendingCount";
        const size_t i = static_cast<size_t>(pendingCalls++);
        return i < pendingScript.size() ? pendingScript[i] : pendingScript.back();
    }
    void release() override {
        calls << "release";
        ++releaseCalls;
    }
    int lostCount() override { return releaseCalls > 0 ? lostAfterRelease : 0; }
    int sdkVersion() override { return 1; }
};
