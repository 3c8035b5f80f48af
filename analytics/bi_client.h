#pragma once

#include <string>
#include <utility>
#include <vector>

// What the analytics service needs of the analytics client, as one seam: the
// program uses the process-wide BiLogger facade (defaultBiClient()), tests put
// a scripted client in its place. Texts are UTF-8.
class BiClient {
public:
    using Members = std::vector<std::pair<std::string, std::string>>;

    virtual ~BiClient() = default;

    virtual bool init(int version, const std::string& appId, const std::string& storagePath) = 0;
    virtual void setEnvironment(const std::string& name) = 0;
    // Creates a record of the category, puts the members in the order given,
    // sends it and destroys it. False when the client gave no record (it is
    // not initialised); nothing is sent then.
    virtual bool sendRecord(const std::string& category, const Members& members) = 0;
    virtual void flush() = 0;
    virtual int pendingCount() = 0;
    virtual void release() = 0;
    // Records sent in this process that the client never stored (a full
    // queue, a database that refused them or stayed locked past release()).
    virtual int lostCount() = 0;
    virtual int sdkVersion() = 0;
};

// The BiLogger facade behind the seam. Like the facade, it is process-wide.
BiClient& defaultBiClient();
