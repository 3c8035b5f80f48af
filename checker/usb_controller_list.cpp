#include "usb_controller_list.h"

#include <QDebug>
#include <QJsonArray>

namespace {

bool hex4(const QJsonValue& value, int& number) {
    const QString text = value.toString();
    bool ok = false;
    number = text.toInt(&ok, 16);
    return text.size() == 4 && ok;
}

}  // namespace

UsbControllerList UsbControllerList::fromComparison(const QJsonObject& root) {
    UsbControllerList list;
    const QJsonObject member = root.value(QLatin1String("USB")).toObject();
    const std::pair<const char*, QVector<Entry>*> lists[] = {{"Trouble list", &list.m_Trouble},
                                                             {"Good list", &list.m_Good}};
    for (const auto& named : lists) {
        for (const QJsonValue& value : member.value(QLatin1String(named.first)).toArray()) {
            const QJsonArray entry = value.toArray();
            Entry e;
            int vendor = 0;
            const bool anyDevice = entry.at(1).toString().isEmpty() && entry.at(1).isString();
            if (entry.size() != 3 || !hex4(entry.at(0), vendor) ||
                !(anyDevice || hex4(entry.at(1), e.device)) || !entry.at(2).isString()) {
                qDebug() << "[OrvoCheckLib] USB" << named.first << "entry ignored:" << entry;
                continue;
            }
            e.vendor = static_cast<quint16>(vendor);
            e.name = entry.at(2).toString();
            named.second->append(e);
        }
    }
    qDebug() << "[OrvoCheckLib] USB controller chips known:" << list.m_Trouble.size() << "trouble,"
             << list.m_Good.size() << "good";
    return list;
}

const UsbControllerList::Entry* UsbControllerList::find(const QVector<Entry>& entries,
                                                        const PciId& id) {
    if (!id.known) return nullptr;
    const Entry* vendorEntry = nullptr;
    for (const Entry& e : entries) {
        if (e.vendor != id.vendor) continue;
        if (e.device == id.device) return &e;
        if (e.device < 0 && vendorEntry == nullptr) vendorEntry = &e;
    }
    return vendorEntry;
}

QString UsbControllerList::troubleName(const PciId& id) const {
    // A chip listed good by its device is good even where its vendor's others are not.
    const Entry* good = find(m_Good, id);
    const Entry* trouble = find(m_Trouble, id);
    if (trouble == nullptr || (good != nullptr && good->device >= 0 && trouble->device < 0))
        return QString();
    return trouble->name;
}

bool UsbControllerList::isGood(const PciId& id) const {
    return find(m_Good, id) != nullptr && troubleName(id).isEmpty();
}
