#include "orvochecklib.h"

// Placeholder until the probes land: nothing is read, the defaults stay.
void OrvoCheckLib::probeSystem() {
    readCPU();
    readGPUs();
    readMemory();
    readOS();
}
void OrvoCheckLib::readCPU() {}
void OrvoCheckLib::readOS() {}
void OrvoCheckLib::readGPUs() {}
void OrvoCheckLib::readMemory() {}

QString OrvoCheckLib::collapseSpaces(const QString& text) { return text.simplified(); }
QString OrvoCheckLib::extractBetween(const QString&, const QString&, const QString&) {
    return QString();
}
