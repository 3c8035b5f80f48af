// The headset connection's judgement: outputs per adapter and controller
// speeds in, a status for video and USB out.
#include <QtTest>

#include "headset_connection.h"

namespace {

// outputs: "VVVV:DDDD=TYPE,TYPE; ..." with the kernel's connector type names;
// speeds: one controller per root hub speed in Mbit/s; "-": nothing readable.
// expected: video status, USB status, the adapters with HDMI or DisplayPort.
struct Row {
    const char* name;
    const char* outputs;
    const char* speeds;
    const char* ranked;  // empty: no ranked adapter
    const char* expected;
};
const Row kRows[] = {
    {"desktop, DisplayPort and HDMI", "10DE:1C03=DP,DP,HDMI-A,DVI-D", "480,5000", "10DE:1C03",
     "ok ok 10DE:1C03"},
    {"laptop, HDMI on the integrated adapter", "8086:3E9B=eDP,HDMI-A; 10DE:1F10=", "480,10000",
     "10DE:1F10", "warning ok 8086:3E9B"},
    {"laptop, USB-C DisplayPort on the discrete adapter", "8086:3E9B=eDP,HDMI-A; 10DE:1F10=DP",
     "20000", "10DE:1F10", "ok ok 8086:3E9B,10DE:1F10"},
    {"HDMI-B counts", "10DE:1C03=HDMI-B", "5000", "10DE:1C03", "ok ok 10DE:1C03"},
    {"only DVI and VGA", "10DE:1C03=DVI-D,VGA", "480", "10DE:1C03", "warning warning "},
    {"only the laptop's panels", "8086:3E9B=eDP,LVDS,DSI; 10DE:1F10=", "12,480", "10DE:1F10",
     "warning warning "},
    {"virtual machine", "1AF4:1050=Virtual", "480,5000", "1AF4:1050", "warning ok "},
    {"two alike adapters, the second with HDMI", "10DE:1C03=; 10DE:1C03=HDMI-A", "5000",
     "10DE:1C03", "ok ok 10DE:1C03"},
    {"ranked adapter unlisted", "8086:3E9B=eDP,HDMI-A", "5000", "10DE:1F10",
     "unknown ok 8086:3E9B"},
    {"no ranked adapter", "8086:3E9B=HDMI-A", "5000", "", "unknown ok 8086:3E9B"},
    {"cards without connectors", "8086:3E9B=; 10DE:1F10=", "", "10DE:1F10", "unknown unknown "},
    {"nothing readable", "-", "-", "10DE:1C03", "unknown unknown "},
    {"a speed unknown, the other USB 2.0", "", "0,480", "", "unknown warning "},
    {"no speed known", "", "0", "", "unknown unknown "},
};

PciId pciId(const QString& text) {
    return PciId{true, text.left(4).toUShort(nullptr, 16), text.mid(5, 4).toUShort(nullptr, 16)};
}

}  // namespace

class TstHeadsetConnection : public QObject {
    Q_OBJECT
private slots:
    void judgement_data();
    void judgement();
};

void TstHeadsetConnection::judgement_data() {
    QTest::addColumn<QString>("outputs");
    QTest::addColumn<QString>("speeds");
    QTest::addColumn<QString>("ranked");
    QTest::addColumn<QString>("expected");
    for (const Row& row : kRows)
        QTest::newRow(row.name) << row.outputs << row.speeds << row.ranked << row.expected;
}

void TstHeadsetConnection::judgement() {
    QFETCH(QString, outputs);
    QFETCH(QString, speeds);
    QFETCH(QString, ranked);
    DisplayOutputsProbe display;
    display.readable = outputs != "-";
    for (const QString& entry : outputs.split(';', Qt::SkipEmptyParts)) {
        DisplayAdapterOutputs adapter;
        adapter.pci = pciId(entry.trimmed());
        for (const QString& type : entry.section('=', 1).split(',', Qt::SkipEmptyParts))
            adapter.outputs.push_back({type.toStdString(), type.toStdString(),
                                       outputKindOfDrmConnector(type.toStdString()),
                                       OutputConnection::Disconnected});
        if (display.readable) display.adapters.push_back(adapter);
    }
    UsbControllersProbe usb;
    usb.readable = speeds != "-";
    for (const QString& speed : speeds.split(',', Qt::SkipEmptyParts)) {
        usb.controllers.emplace_back();
        usb.controllers.back().speedMbps = speed.toUInt();
    }
    const PciId id = pciId(ranked);
    const HeadsetConnection found =
        judgeHeadsetConnection(display, usb, {!ranked.isEmpty(), id.vendor, id.device, ranked});
    QTEST(QStringList({headsetStatusText(found.video.status), headsetStatusText(found.usb.status),
                       found.video.adaptersWithOutputs.join(',')})
              .join(' '),
          "expected");
    QCOMPARE(found.video.neededAdapter, ranked);
}

QTEST_GUILESS_MAIN(TstHeadsetConnection)
#include "tst_headset_connection.moc"
