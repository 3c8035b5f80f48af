#pragma once

#include <QJsonObject>
#include <QString>
#include <QVector>

#include "headset_ports.h"

// USB host controllers by chip, from the comparison file's "USB" member:
// "Trouble list" (chips known to drop headsets and cameras) and "Good list",
// each of [vendor, device, name] with four hexadecimal digits, device ""
// for every chip of the vendor. A file without the member knows no chip.
class UsbControllerList {
public:
    UsbControllerList() = default;
    // Writes a debug line for every entry it sets aside.
    static UsbControllerList fromComparison(const QJsonObject& root);

    // The name of the listed chip ("ASMedia ASM1042"), a device entry before
    // its vendor's; empty when the controller is on neither list or a good one.
    QString troubleName(const PciId& id) const;
    bool isGood(const PciId& id) const;
    int size() const { return m_Trouble.size() + m_Good.size(); }

private:
    struct Entry {
        quint16 vendor = 0;
        int device = -1;  // -1: every chip of the vendor
        QString name;
    };
    static const Entry* find(const QVector<Entry>& entries, const PciId& id);
    QVector<Entry> m_Trouble;
    QVector<Entry> m_Good;
};
