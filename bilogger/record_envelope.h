#pragma once

#include <json/value.h>

#include <cstdint>
#include <string>

#include "bi_clock.h"

// The members the client adds to every record when it is sent, and the
// record's text form.
struct EnvelopeValues {
    std::string category;
    std::int32_t clientVersion = 0;
    std::int64_t nowSeconds = 0;
    std::string appId;
    std::string environment;
    std::string deviceSerial;
    std::string osManufacturer;
    std::string osVersion;
    std::string locale;
    std::string appVersion;
};

// Sets the ten envelope members on members (turning a null value into an
// object and replacing host members of the same keys) and returns the compact
// JSON text: keys in ascending byte order, no white space, one line feed.
std::string stampEnvelope(Json::Value& members, const EnvelopeValues& values);

// The time source of the envelope's "timestamp"; the system clock unless a
// test replaced it. Not synchronised: set it before records are sent.
BiClock& envelopeClock();
