#include "two_adapter_machine.h"

void buildTwoAdapterMachine(FixtureTree& tree, const char* productUuid, const char* kernelRelease) {
    FixtureTree::PciFunction integrated;
    integrated.address = QStringLiteral("0000:00:02.0");
    integrated.vendor = 0x8086;
    integrated.device = 0x0412;
    integrated.classCode = 0x030000;
    FixtureTree::PciFunction card;
    card.address = QStringLiteral("0000:01:00.0");
    card.vendor = 0x10de;
    card.device = 0x13c2;
    card.classCode = 0x030000;
    for (const auto& f : {integrated, card}) {
        tree.addPciFunction(f);
        tree.addConfigSpace(f);
    }
    tree.writeMeminfo("MemTotal:       16318412 kB\n");
    tree.writeFile("sys/class/dmi/id/product_uuid", QByteArray(productUuid) + "\n");
    tree.writeFile("proc/sys/kernel/osrelease", QByteArray(kernelRelease) + "\n");
}
