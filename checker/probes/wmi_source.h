#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "probe_roots.h"

// The machine-inventory source behind the graphics and memory probes. On
// Windows it is WMI; elsewhere a back-end answers the same two kinds of
// query with the same property names and value types, so that the code
// turning the answers into records is written once.
//
//   kind "gpu"    (select * from Win32_VideoController): text properties
//                 "Name", "DeviceID", "PNPDeviceID", "DriverVersion",
//                 "VideoProcessor", "VideoModeDescription", "AdapterDACType";
//                 32-bit integer properties "VideoArchitecture", "AdapterRAM"
//                 (AdapterRAM is an unsigned byte count in a signed slot).
//   kind "memory" (select * from Win32_PhysicalMemory): "Capacity", the
//                 module's byte count as decimal text.
//   kind "enclosure" (Win32_SystemEnclosure, Windows only): "ChassisTypes",
//                 the integer array as decimal text separated by commas.
//   kind "battery" (Win32_Battery, Windows only): one object per battery.

// One property value as read. A null value reads as empty text or 0.
struct WmiValue {
    enum class Type { Null, Text, Int32 };
    Type type = Type::Null;
    std::string text;
    std::int32_t number = 0;

    static WmiValue null() { return WmiValue(); }
    static WmiValue ofText(std::string value) {
        WmiValue v;
        v.type = Type::Text;
        v.text = std::move(value);
        return v;
    }
    static WmiValue ofInt32(std::int32_t value) {
        WmiValue v;
        v.type = Type::Int32;
        v.number = value;
        return v;
    }
};

// One object of a result set. A property missing from the map could not be
// read, which is different from a null value.
using WmiObject = std::map<std::string, WmiValue>;

// A diagnostic line for the caller's trace. When hasCode is set the line is
// the text followed by the code in hexadecimal (the HRESULT of a failed call).
struct WmiMessage {
    std::string text;
    bool hasCode = false;
    std::uint32_t code = 0;
};

struct WmiResult {
    enum class Status {
        Failed,        // the connection or the query failed; see messages
        NoEnumerator,  // the query ran but handed back nothing to walk
        Enumerated     // objects holds the whole result set
    };
    Status status = Status::Failed;
    std::vector<WmiObject> objects;
    std::vector<WmiMessage> messages;
};

// Runs one query of the given kind ("gpu" or "memory"; any other kind
// enumerates nothing). The Linux back-end answers from the trees under
// roots and never opens device nodes; the query text is informative there.
// Blocking; safe to call from any thread, one call at a time per thread.
WmiResult runWmiQuery(const std::string& query, const std::string& kind, const ProbeRoots& roots);

// Whether the "gpu" answer's "Name" is the one the adapter's driver reports
// (Windows), which names the product; otherwise it is built from the
// system's PCI name list, which may name only a chip or a number.
bool adapterNamesFromDriver();
