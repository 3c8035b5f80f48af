#include "chassis.h"

ChassisKind chassisKindOfSmbiosType(int type) {
    switch (type) {
        case 3:   // Desktop
        case 4:   // Low Profile Desktop
        case 5:   // Pizza Box
        case 6:   // Mini Tower
        case 7:   // Tower
        case 15:  // Space-saving
        case 16:  // Lunch Box
        case 17:  // Main Server Chassis
        case 23:  // Rack Mount Chassis
            return ChassisKind::Desktop;
        // Cases without room for a graphics card: what a laptop's owner is
        // told fits them.
        case 13:  // All in One
        case 24:  // Sealed-case PC
        case 33:  // IoT Gateway
        case 34:  // Embedded PC
        case 35:  // Mini PC
        case 36:  // Stick PC
            return ChassisKind::FixedGraphics;
        case 8:   // Portable
        case 9:   // Laptop
        case 10:  // Notebook
        case 11:  // Hand Held
        case 14:  // Sub Notebook
        case 30:  // Tablet
        case 31:  // Convertible
        case 32:  // Detachable
            return ChassisKind::Laptop;
        default:
            return ChassisKind::Unknown;
    }
}

void decideChassis(ChassisInfo& info) {
    for (const int type : info.smbiosTypes) {
        const ChassisKind kind = chassisKindOfSmbiosType(type);
        if (kind != ChassisKind::Unknown) {
            info.kind = kind;
            return;
        }
        info.messages.push_back("[OrvoCheckLib] Chassis type " + std::to_string(type) +
                                " says nothing of the graphics");
    }
    info.kind = info.batteryFound ? ChassisKind::Laptop : ChassisKind::Unknown;
}
