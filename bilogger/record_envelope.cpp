#include "record_envelope.h"

#include <json/writer.h>

std::string stampEnvelope(Json::Value& members, const EnvelopeValues& values) {
    // The server's records keep the timestamp as a signed 32-bit number: the
    // low 32 bits of the seconds.
    const auto timestamp =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(values.nowSeconds & 0xFFFFFFFF));
    members["category"] = values.category;
    members["version"] = values.clientVersion;
    members["timestamp"] = timestamp;
    members["app_id"] = values.appId;
    members["environment"] = values.environment;
    members["serial_num"] = values.deviceSerial;
    members["manufacturer"] = values.osManufacturer;
    members["sdk_int"] = values.osVersion;
    members["locale"] = values.locale;
    members["app_version"] = values.appVersion;

    // The compact writer lists an object's members in its key order (byte
    // order) and ends the text with a line feed.
    Json::FastWriter writer;
    return writer.write(members);
}

BiClock& envelopeClock() {
    static BiClock clock = biSystemSeconds;
    return clock;
}
