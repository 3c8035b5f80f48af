// The headset connection's judgement: outputs per adapter and controller
// speeds in, a status for video and USB out.
#include <QtTest>

#include "headset_connection.h"

namespace {

// "vvvv:dddd=TYPE,TYPE; ..." with the kernel's connector type names; "-"
// for a system that lists nothing.
DisplayOutputsProbe display(const QString& spec) {
    DisplayOutputsProbe probe;
    probe.readable = spec != "-";
    for (const QString& adapterSpec : spec.split(';', Qt::SkipEmptyParts)) {
        if (!probe.readable) break;
        const QStringList parts = adapterSpec.trimmed().split('=');
        DisplayAdapterOutputs adapter;
        adapter.pci = PciId{true, parts[0].left(4).toUShort(nullptr, 16),
                            parts[0].mid(5).toUShort(nullptr, 16)};
        for (const QString& type : parts.value(1).split(',', Qt::SkipEmptyParts))
            adapter.outputs.push_back(DisplayOutput{type.toStdString(), type.toStdString(),
                                                    outputKindOfDrmConnector(type.toStdString()),
                                                    OutputConnection::Disconnected});
        probe.adapters.push_back(adapter);
    }
    return probe;
}

// Root hub speeds in Mbit/s, one controller each; "-" for nothing readable.
UsbControllersProbe usb(const QString& spec) {
    UsbControllersProbe probe;
    probe.readable = spec != "-";
    for (const QString& speed : spec.split(',', Qt::SkipEmptyParts)) {
        if (!probe.readable) break;
        UsbHostController controller;
        controller.speedMbps = speed.toUInt();
        probe.controllers.push_back(controller);
    }
    return probe;
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
    QTest::addColumn<QString>("ranked");    // empty: no ranked adapter
    QTest::addColumn<QString>("expected");  // video status, usb status, adapters with outputs
    QTest::newRow("desktop, DisplayPort and HDMI") << "10DE:1C03=DP,DP,HDMI-A,DVI-D"
                                                   << "480,5000"
                                                   << "10DE:1C03"
                                                   << "ok ok 10DE:1C03";
    QTest::newRow("laptop, HDMI on the integrated adapter") << "8086:3E9B=eDP,HDMI-A; 10DE:1F10="
                                                            << "480,10000"
                                                            << "10DE:1F10"
                                                            << "warning ok 8086:3E9B";
    QTest::newRow("laptop, USB-C DisplayPort on the discrete adapter")
        << "8086:3E9B=eDP,HDMI-A; 10DE:1F10=DP"
        << "20000"
        << "10DE:1F10"
        << "ok ok 8086:3E9B,10DE:1F10";
    QTest::newRow("HDMI-B counts") << "10DE:1C03=HDMI-B"
                                   << "5000"
                                   << "10DE:1C03"
                                   << "ok ok 10DE:1C03";
    QTest::newRow("only DVI and VGA") << "10DE:1C03=DVI-D,VGA"
                                      << "480"
                                      << "10DE:1C03"
                                      << "warning warning ";
    QTest::newRow("only the laptop's panels") << "8086:3E9B=eDP,LVDS,DSI; 10DE:1F10="
                                              << "12,480"
                                              << "10DE:1F10"
                                              << "warning warning ";
    QTest::newRow("virtual machine") << "1AF4:1050=Virtual"
                                     << "480,5000"
                                     << "1AF4:1050"
                                     << "warning ok ";
    QTest::newRow("two alike adapters, the second with HDMI") << "10DE:1C03=; 10DE:1C03=HDMI-A"
                                                              << "5000"
                                                              << "10DE:1C03"
                                                              << "ok ok 10DE:1C03";
    QTest::newRow("ranked adapter unlisted") << "8086:3E9B=eDP,HDMI-A"
                                             << "5000"
                                             << "10DE:1F10"
                                             << "unknown ok 8086:3E9B";
    QTest::newRow("no ranked adapter") << "8086:3E9B=HDMI-A"
                                       << "5000"
                                       << ""
                                       << "unknown ok 8086:3E9B";
    QTest::newRow("cards without connectors") << "8086:3E9B=; 10DE:1F10="
                                              << ""
                                              << "10DE:1F10"
                                              << "unknown unknown ";
    QTest::newRow("nothing readable") << "-"
                                      << "-"
                                      << "10DE:1C03"
                                      << "unknown unknown ";
    QTest::newRow("a speed unknown, the other USB 2.0") << ""
                                                        << "0,480"
                                                        << ""
                                                        << "unknown warning ";
    QTest::newRow("no speed known") << ""
                                    << "0"
                                    << ""
                                    << "unknown unknown ";
}

void TstHeadsetConnection::judgement() {
    QFETCH(QString, outputs);
    QFETCH(QString, speeds);
    QFETCH(QString, ranked);
    RankedAdapter adapter;
    adapter.known = !ranked.isEmpty();
    adapter.vendor = ranked.left(4).toUShort(nullptr, 16);
    adapter.device = ranked.mid(5).toUShort(nullptr, 16);
    adapter.name = ranked;
    const HeadsetConnection found = judgeHeadsetConnection(display(outputs), usb(speeds), adapter);
    QTEST(QStringList({headsetStatusText(found.video.status), headsetStatusText(found.usb.status),
                       found.video.adaptersWithOutputs.join(',')})
              .join(' '),
          "expected");
    QCOMPARE(found.video.neededAdapter, ranked);
}

QTEST_GUILESS_MAIN(TstHeadsetConnection)
#include "tst_headset_connection.moc"
