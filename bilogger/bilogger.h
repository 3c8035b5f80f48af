#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace Json {
class Value;
}

// The analytics client's public face. The host initialises the process-wide
// client once, builds records, sends them, asks for uploads and releases the
// client before the process ends:
//
//     BiLogger::init(1, "com.example.app", storageDir);
//     delete BiLogger::createRecord("my_category")->put("k", "v")->send();
//     BiLogger::flush();
//     BiLogger::release();
//
// Texts are UTF-8. Nothing throws: failures show in results and as lines on
// standard error.
//
// Thread-safety: the facade has no lock of its own. init, setEnvironment and
// release must not run at the same time as any other call; keep every call on
// one thread (the record writer and uploader threads do the slow work).

class BiRecord {
public:
    ~BiRecord();
    BiRecord(const BiRecord&) = delete;
    BiRecord& operator=(const BiRecord&) = delete;

    // Sets member key (up to its first zero byte) to the text value, replacing
    // an earlier value of that key.
    BiRecord* put(std::string key, std::string value);

    // Adds the envelope, serialises the record and hands the text to the
    // record writer. May be called again; each call stamps a new envelope.
    BiRecord* send();

    const std::string& category() const { return m_category; }

private:
    friend class BiLogger;
    explicit BiRecord(std::string category);

    std::unique_ptr<Json::Value> m_members;  // a null value until the first put
    std::string m_category;
};

class BiLogger {
public:
    BiLogger() = delete;

    // Starts the client; also after release(), like the first time. False
    // when the database cannot be opened or created (a file another program
    // holds locked is kept, and its records wait). A second call while
    // initialised returns true and changes nothing.
    static bool init(int version, std::string appId, std::string storagePath);
    // Environment stamped on every record sent from now on; allowed any time.
    static void setEnvironment(std::string name);
    // A new record owned by the caller, or null when not initialised.
    static BiRecord* createRecord(std::string category);
    // Asks the uploader for an upload pass over every environment.
    static void flush();
    // Records in the local store, and records sent but neither stored nor
    // lost yet. Exact, and never waits for the database; the stored part
    // reads 0 until the store could be counted (a file locked since init).
    static std::int32_t pendingCount();
    // Records sent in this process that were never stored or were removed
    // unsent: given up by a full writer (10,000 records held), refused by the
    // database (a file that cannot be written, a full disk), still locked out
    // by another program when release() gave up on them, or the oldest rows
    // of a full store (10,000 rows). Each drain of the writer says so on
    // standard error, with the number and the reason.
    static std::int32_t lostCount();
    // Stops both workers, waiting for them, and marks the client uninitialised.
    // Records the database is too busy to take are tried for 5 s more, then
    // given up as lost; no wait goes past those 5 s, except an upload request
    // already under way (the transport's own time-outs bound it).
    static void release();
    static std::int32_t sdkVersion();
};
