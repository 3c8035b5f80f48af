#include "bilogger.h"

#include <json/value.h>

#include <iostream>
#include <mutex>
#include <utility>

#include "bi_log_store.h"
#include "bi_server_config.h"
#include "bi_task.h"
#include "bi_worker.h"
#include "device_identity.h"
#include "record_envelope.h"
#include "user_locale.h"

namespace {

const char kNotInitialised[] = "BiLogger is not initialized. Please call init() first.";

// Process-wide state of the facade. The application ID lives in the server
// configuration, which uses it too.
struct FacadeState {
    bool initialised = false;
    std::int32_t clientVersion = 0;
    std::string environmentName = "default";
    DeviceIdentity device;
    std::string appVersion;
};

FacadeState& state() {
    static FacadeState s;
    return s;
}

// Records handed to the record writer and not yet stored count as pending:
// the host polls the count right after sending, usually before the writer has
// stored anything, and a count of 0 there reads as "nothing to upload". The
// lock makes storing a record and leaving the in-flight count one step, so a
// record is never counted twice or not at all.
struct PendingRecords {
    std::mutex mutex;
    int inFlight = 0;  // guarded by mutex
};

// Never destroyed: a worker object discards its queued tasks during static
// destruction, in an order no translation unit controls.
PendingRecords& pending() {
    static auto* records = new PendingRecords;
    return *records;
}

class PendingSendTask final : public BiTaskSend {
public:
    PendingSendTask(std::string environment, std::string content)
        : BiTaskSend(std::move(environment), std::move(content)) {
        std::lock_guard<std::mutex> lock(pending().mutex);
        ++pending().inFlight;
    }
    // Also reached without run() when a stopped writer drops the task.
    ~PendingSendTask() override { settle(); }

    void run(BiLogStore& store, const std::atomic<bool>& stopRequested) override {
        std::lock_guard<std::mutex> lock(pending().mutex);
        BiTaskSend::run(store, stopRequested);
        settleLocked();
    }

private:
    void settle() {
        std::lock_guard<std::mutex> lock(pending().mutex);
        settleLocked();
    }
    void settleLocked() {
        if (m_counted) --pending().inFlight;
        m_counted = false;
    }
    bool m_counted = true;
};

}  // namespace

BiRecord::BiRecord(std::string category)
    : m_members(std::make_unique<Json::Value>()), m_category(std::move(category)) {}

BiRecord::~BiRecord() = default;

BiRecord* BiRecord::put(std::string key, std::string value) {
    // A key ends at its first zero byte; a value keeps every byte.
    (*m_members)[key.c_str()] = Json::Value(value);
    return this;
}

BiRecord* BiRecord::send() {
    FacadeState& s = state();
    EnvelopeValues values;
    values.category = m_category;
    values.clientVersion = s.clientVersion;
    values.nowSeconds = envelopeClock()();
    values.appId = processServerConfig().appId();
    values.environment = s.environmentName;
    values.deviceSerial = s.device.deviceSerial;
    values.osManufacturer = s.device.osManufacturer;
    values.osVersion = s.device.osVersion;
    values.locale = userLocale();
    values.appVersion = s.appVersion;
    std::string text = stampEnvelope(*m_members, values);
    // After release() the record writer drops the task without a word.
    submit(recordWriter, new PendingSendTask(s.environmentName, std::move(text)));
    return this;
}

bool BiLogger::init(int version, std::string appId, std::string storagePath) {
    FacadeState& s = state();
    if (s.initialised) return true;
    s.clientVersion = version;
    processServerConfig().setAppId(appId);
    s.initialised = prepareDatabaseFile(storagePath, appId);
    // Create a missing file here, on the caller's thread, before any worker
    // runs: two connections creating the schema of a new file at the same
    // moment (the record writer storing the first record while the host
    // counts) make one of them fail and delete the file under the other.
    if (s.initialised) uploader.store._ensureOpen();
    // The envelope's machine values are asked for once per process, even when
    // the store cannot be used, so that a later init has them.
    if (s.device.deviceSerial.empty()) s.device = queryDeviceIdentity(appId);
    s.appVersion = programFileVersion();
    if (!s.initialised) std::cerr << "init fail, BiLogger will not function." << std::endl;
    return s.initialised;
}

void BiLogger::setEnvironment(std::string name) { state().environmentName = std::move(name); }

BiRecord* BiLogger::createRecord(std::string category) {
    if (!state().initialised) {
        std::cerr << kNotInitialised << std::endl;
        return nullptr;
    }
    return new BiRecord(std::move(category));
}

void BiLogger::flush() {
    if (!state().initialised) {
        std::cerr << kNotInitialised << std::endl;
        return;
    }
    submit(uploader, new BiTaskFlush(processServerConfig()));
}

std::int32_t BiLogger::pendingCount() {
    std::lock_guard<std::mutex> lock(pending().mutex);
    return uploader.store.countLogs() + pending().inFlight;
}

void BiLogger::release() {
    stopWorkers();
    state().initialised = false;
}

std::int32_t BiLogger::sdkVersion() { return 1; }
