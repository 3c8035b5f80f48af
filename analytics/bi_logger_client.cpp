#include <memory>

#include "bi_client.h"
#include "bilogger.h"

namespace {

class BiLoggerClient final : public BiClient {
public:
    bool init(int version, const std::string& appId, const std::string& storagePath) override {
        return BiLogger::init(version, appId, storagePath);
    }
    void setEnvironment(const std::string& name) override { BiLogger::setEnvironment(name); }
    bool sendRecord(const std::string& category, const Members& members) override {
        std::unique_ptr<BiRecord> record(BiLogger::createRecord(category));
        if (!record) return false;
        for (const auto& member : members) record->put(member.first, member.second);
        record->send();
        return true;
    }
    void flush() override { BiLogger::flush(); }
    int pendingCount() override { return BiLogger::pendingCount(); }
    void release() override { BiLogger::release(); }
    int sdkVersion() override { return BiLogger::sdkVersion(); }
};

}  // namespace

BiClient& defaultBiClient() {
    static BiLoggerClient client;
    return client;
}
