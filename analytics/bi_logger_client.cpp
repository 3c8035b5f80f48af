#include <memory>

#include "bi_client.h"
#include "bilogger.h"

namespace {

class BiLoggerClient final : public BiClient {
public:
    // The client's init fails when it cannot open or create its database.
    bool init(int version, const std::string& appId, const std::string& storagePath) override {
        m_canStore = BiLogger::init(version, appId, storagePath);
        return m_canStore;
    }
    void setEnvironment(const std::string& name) override { BiLogger::setEnvironment(name); }
    bool sendRecord(const std::string& category, const Members& members) override {
        if (!m_canStore) return false;
        std::unique_ptr<BiRecord> record(BiLogger::createRecord(category));
        if (!record) return false;
        for (const auto& member : members) record->put(member.first, member.second);
        record->send();
        return true;
    }
    void flush() override { BiLogger::flush(); }
    int pendingCount() override { return BiLogger::pendingCount(); }
    void release() override { BiLogger::release(); }
    int lostCount() override { return BiLogger::lostCount(); }
    int sdkVersion() override { return BiLogger::sdkVersion(); }

private:
    bool m_canStore = false;
};

}  // namespace

BiClient& defaultBiClient() {
    static BiLoggerClient client;
    return client;
}
