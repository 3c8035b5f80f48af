#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "probe_types.h"
#include "wmi_source.h"

// Turns the inventory source's answers into the engine's records and trace,
// the same on every platform. Safe on any thread; holds no state.

// The text of a "VideoArchitecture" value; empty for values without one.
QString videoArchitectureText(qint32 value);

// "AdapterRAM" is an unsigned byte count delivered in a signed 32-bit slot:
// read it unsigned, in megabytes of 2^20 bytes.
double adapterRamMegabytes(qint32 value);

// One adapter record. Properties that could not be read keep the record's
// initial values; vendor and device IDs come from the PNP device ID.
GpuInfo gpuInfoFromObject(const WmiObject& object);

// The summed "Capacity" of the modules in gigabytes of 2^30 bytes, writing
// one "Memory bank" line per module that has the property.
double memoryGigabytesFrom(const std::vector<WmiObject>& modules);

// Runs one query against the platform's source (with the probe roots of
// the environment) and writes its diagnostic lines.
WmiResult runInventoryQuery(const QString& query, const QString& kind);
