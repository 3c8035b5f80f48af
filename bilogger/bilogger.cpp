#include "bilogger.h"

#include <json/value.h>

#include <chrono>
#include <iostream>
#include <thread>
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
    // After release() the record writer drops the task without a word. The
    // hand-over never waits for the database, whatever holds it.
    submit(recordWriter, new BiTaskSend(s.environmentName, std::move(text)));
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
    // The record writer's connection is opened here too, so that a file
    // another program locks later only makes its stores wait, silently; not
    // when the file is locked already, which would only wait once more.
    if (s.initialised && uploader.store._ensureOpen()) recordWriter.store._ensureOpen();
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
    // Records sent and not yet stored count too (the host polls right after
    // sending, usually before the writer has stored anything, and a record the
    // database is too busy to take is not uploaded either). The writer counts
    // records off only after storing them, so a store that overlaps the count
    // would count them twice: then the count is taken again, for 50 ms at
    // most (a count that itself waited on a locked file is not repeated), and
    // never waits for the writer.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
    for (;;) {
        const unsigned before = recordWriter.storeSequence();
        const int notStored = recordWriter.pendingRecords();
        const int stored = uploader.store.countLogs();
        const bool settled = before % 2 == 0 && recordWriter.storeSequence() == before;
        if (settled || std::chrono::steady_clock::now() >= giveUp) return stored + notStored;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::int32_t BiLogger::lostCount() { return recordWriter.lostRecords(); }

void BiLogger::release() {
    stopWorkers();
    state().initialised = false;
}

std::int32_t BiLogger::sdkVersion() { return 1; }
