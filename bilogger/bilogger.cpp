#include "bilogger.h"

#include <json/value.h>
#include <sqlite3.h>

#include <chrono>
#include <iostream>
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
// What init may wait in all for another program's lock on the file.
constexpr auto kInitWait = std::chrono::milliseconds(100 * kBiBusyRetries);

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
    // The hand-over never waits for the database, whatever holds it. A
    // record kept from before release(), or one no thread can take, is
    // refused, and said so.
    if (!submit(recordWriter, new BiTaskSend(s.environmentName, std::move(text)))) {
        recordWriter.counts().sent();
        recordWriter.counts().dropped(1);
        std::cerr << "1 analytics record(s) lost, not stored: the record writer is not running"
                  << std::endl;
    }
    return this;
}

namespace {

// Opens both connections within `until`, so that a file another program
// locks later only makes the stores wait, silently. False when the database
// cannot be used at all; a file that another program holds locked now is
// kept and its records wait in memory.
bool openStores(BiSteadyTime until) {
    for (BiLogStore* store : {&uploader.store, &recordWriter.store}) {
        if (!store->_ensureOpen(until)) {
            const int why = store->openError() & 0xFF;
            return why == SQLITE_BUSY || why == SQLITE_LOCKED;
        }
        if (!store->isWritable()) {
            std::cerr << "Error opening SQLite3 database: the file is read-only: [" << store->path()
                      << "]" << std::endl;
            return false;
        }
    }
    return true;
}

}  // namespace

bool BiLogger::init(int version, std::string appId, std::string storagePath) {
    FacadeState& s = state();
    if (s.initialised) return true;
    // After release() the workers take work again, like at the first init.
    restartWorker(recordWriter);
    restartWorker(uploader);
    s.clientVersion = version;
    processServerConfig().setAppId(appId);
    // Waiting for another program's lock, from the file check to the last
    // opening, takes what one statement may wait, not that once per step.
    const BiSteadyTime until = std::chrono::steady_clock::now() + kInitWait;
    // The file is created here, on the caller's thread, before any worker
    // runs: two connections creating the schema of a new file at the same
    // moment make one of them fail and delete the file under the other.
    // The counts go first: a damaged file replaced at the opening counts
    // its records lost.
    recordWriter.counts().restart();
    uploader.store.setCounts(&recordWriter.counts());
    recordWriter.store.setCounts(&recordWriter.counts());
    s.initialised = prepareDatabaseFile(storagePath, appId, BiRetryLimit{kBiBusyRetries, until}) &&
                    openStores(until);
    uploader.store.establishCount();
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
    // Records sent and not yet stored count too: the host polls right after
    // sending, usually before the writer has stored anything, and a record
    // the database is too busy to take is not uploaded either. The counts
    // are kept as records move, so this never waits for the database.
    uploader.store.establishCount();
    return static_cast<std::int32_t>(recordWriter.counts().total());
}

std::int32_t BiLogger::lostCount() { return recordWriter.counts().lost(); }

void BiLogger::release() {
    stopWorkers();
    state().initialised = false;
}

std::int32_t BiLogger::sdkVersion() { return 1; }
