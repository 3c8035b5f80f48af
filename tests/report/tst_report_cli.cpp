// orvocheck-report as a process: report text, JSON and exit codes on fixture
// machines (good, bad, unknown, no usable comparison file), the download with
// its fallback, and the command line.
#include <QtTest>

#include "fixture_tree.h"
#include "http_test_server.h"
#include "signed_list.h"
#include "orvochecklib.h"

namespace {

const QString kProgram = QStringLiteral(ORVO_REPORT_PROGRAM);

struct Machine {
    quint16 gpuVendor;
    quint16 gpuDevice;
    QByteArray memTotalKb;
    quint16 secondDevice = 0;  // another NVIDIA adapter, none when 0
    QByteArray chassisType;    // SMBIOS chassis type, none when empty
};

// This machine's processor and OS names as the probes see them (CPUID and
// the OS name do not come from the fixture tree), so that comparison files
// can rank them.
struct HostNames {
    QString cpu;
    QString os;
};

HostNames hostNames() {
    OrvoCheckLib lib;
    lib.probeSystem();
    return {lib.getCPUName(), lib.getOSName()};
}

QByteArray comparisonFile(const QString& version, const HostNames& host, bool hostGood) {
    QJsonObject root;
    root["Version"] = version;
    const QJsonArray hostOs{host.os}, hostCpu{host.cpu};
    const QJsonArray otherOs{QStringLiteral("Windows 5.1")};
    const QJsonArray otherCpu{QStringLiteral("Intel(R) Core(TM)2 Duo CPU E8400 @ 3.00GHz")};
    root["OS"] = QJsonObject{{"Good list", hostGood ? hostOs : otherOs},
                             {"Bad list", hostGood ? otherOs : hostOs}};
    root["CPU"] = QJsonObject{{"Good list", hostGood ? hostCpu : otherCpu},
                              {"Bad list", hostGood ? otherCpu : hostCpu}};
    root["GPU"] = QJsonObject{{"Good list", QJsonArray{QJsonArray{"10DE", "13C2"}}},
                              {"Bad list", QJsonArray{QJsonArray{"10DE", "1401"}}}};
    root["Memory"] = QJsonObject{{"Good min", 4}};
    return QJsonDocument(root).toJson();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the program in workDir on the fixture machine. Waits with an event
// loop, not a blocking wait, so that in-process servers keep answering.
// wrapper: a program and its arguments that run the report (an emulator).
Run runReport(const FixtureTree& tree, const QString& workDir, const QStringList& args,
              const QString& contentUrl = QString(), const QStringList& wrapper = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ORVOCHECK_SYSFS_ROOT", tree.sysfsRoot());
    env.insert("ORVOCHECK_PROCFS_ROOT", tree.procfsRoot());
    env.insert("ORVOCHECK_CONTENT_URL", contentUrl);
    env.insert("ORVOCHECK_LIST_KEY", testListKeyHex());
    env.insert("ORVOCHECK_LANGUAGE", "en");  // whatever this machine's language
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    QSignalSpy finished(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    if (wrapper.isEmpty())
        process.start(kProgram, args);
    else
        process.start(wrapper.first(), wrapper.mid(1) + QStringList{kProgram} + args);
    Run run;
    if (!finished.wait(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

void buildMachine(FixtureTree& tree, const Machine& m) {
    FixtureTree::PciFunction gpu;
    gpu.address = QStringLiteral("0000:01:00.0");
    gpu.vendor = m.gpuVendor;
    gpu.device = m.gpuDevice;
    gpu.classCode = 0x030000;
    tree.addPciFunction(gpu);
    tree.addConfigSpace(gpu);
    tree.writeMeminfo("MemTotal:       " + m.memTotalKb + " kB\n");
    if (m.secondDevice != 0) {
        gpu.address = QStringLiteral("0000:02:00.0");
        gpu.device = m.secondDevice;
        tree.addPciFunction(gpu);
        tree.addConfigSpace(gpu);
    }
    if (!m.chassisType.isEmpty())
        tree.writeFile("sys/class/dmi/id/chassis_type", m.chassisType + "\n");
}

// The figures fixture (figures from tools/compgen/data: gpu_figures.tsv,
// cpu_bench.tsv, gpu_rules.tsv's Fermi family), as it is, without its
// "Figures", or with this machine's processor in place of a bad-list entry
// so that its figures stand for it.
QByteArray figuresFile(const QString& variant, const HostNames& host, bool withFigures) {
    QFile file(QStringLiteral(ORVO_FIGURES_COMP));
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    if (!withFigures) root.remove("Figures");
    if (variant == "host i5-4430") {
        QJsonObject cpu = root["CPU"].toObject();
        QJsonArray bad = cpu["Bad list"].toArray();
        bad[1] = host.cpu;
        cpu["Bad list"] = bad;
        root["CPU"] = cpu;
    }
    // All good, so that only the headset part could change the verdict.
    const QList<std::pair<const char*, QJsonValue>> good = {
        {"CPU", host.cpu}, {"OS", host.os}, {"GPU", QJsonArray{"10DE", "1C03"}},
        {"GPU", QJsonArray{"10DE", "1F10"}}};
    // The headset machines' USB chips are judged by the shipped list.
    QFile shipped(QStringLiteral(ORVO_SHIPPED_COMP));
    if (variant.startsWith("headset") && shipped.open(QIODevice::ReadOnly))
        root["USB"] = QJsonDocument::fromJson(shipped.readAll()).object().value("USB");
    for (const auto& entry : variant.startsWith("headset") ? good : decltype(good)()) {
        QJsonObject lists = root[entry.first].toObject();
        QJsonArray list = lists["Good list"].toArray();
        list.append(entry.second);
        lists["Good list"] = list;
        root[entry.first] = lists;
    }
    return QJsonDocument(root).toJson();
}

// A member of a JSON document by a dotted path ("gpu.why.figures.0.value");
// an array reads as its size.
QString jsonAt(QJsonValue value, const QString& path) {
    for (const QString& part : path.split('.')) {
        bool isIndex = false;
        const int index = part.toInt(&isIndex);
        value = isIndex ? value.toArray().at(index) : value.toObject().value(part);
    }
    if (value.isDouble()) return QString::number(value.toDouble());
    if (value.isBool()) return value.toBool() ? "true" : "false";
    if (value.isArray()) return QString::number(value.toArray().size());
    return value.toString();
}

}  // namespace

class TestReportCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void machines_data();
    void machines();
    void reasons_data();
    void reasons();
    void noUsableComparisonFile_data();
    void noUsableComparisonFile();
    void downloadWithFallback_data();
    void downloadWithFallback();
    void commandLine_data();
    void commandLine();
    void ownProducts_data();
    void ownProducts();

private:
    HostNames m_host;
};

void TestReportCli::initTestCase() {
    qRegisterMetaType<QProcess::ExitStatus>();
    QVERIFY2(QFileInfo(kProgram).isExecutable(), qPrintable(kProgram));
    // The probes in this process must see the same (empty) tree as the child.
    FixtureTree tree;
    RootsOverride roots(tree);
    m_host = hostNames();
}

void TestReportCli::machines_data() {
    QTest::addColumn<quint16>("vendor");
    QTest::addColumn<quint16>("device");
    QTest::addColumn<QByteArray>("memKb");
    QTest::addColumn<bool>("hostGood");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("gpuRank");
    QTest::addColumn<QString>("memoryRank");
    // 16318412 kB is just over 15.5 GiB; 2000000 kB under 2 GiB.
    QTest::newRow("good") << quint16(0x10de) << quint16(0x13c2) << QByteArray("16318412") << true
                          << 0 << "RANK_GOOD"
                          << "RANK_GOOD";
    QTest::newRow("bad") << quint16(0x10de) << quint16(0x1401) << QByteArray("2000000") << false
                         << 1 << "RANK_BAD"
                         << "RANK_BAD";
    QTest::newRow("unknown adapter") << quint16(0x1234) << quint16(0x1111) << QByteArray("16318412")
                                     << true << 2 << "RANK_UNKNOWN"
                                     << "RANK_GOOD";
}

void TestReportCli::machines() {
    QFETCH(quint16, vendor);
    QFETCH(quint16, device);
    QFETCH(QByteArray, memKb);
    QFETCH(bool, hostGood);
    QFETCH(int, exitCode);
    QFETCH(QString, gpuRank);
    QFETCH(QString, memoryRank);
    FixtureTree tree;
    buildMachine(tree, {vendor, device, memKb, 0, {}});
    QTemporaryDir work;
    const QString comp = work.filePath("given.json");
    writeFile(comp, comparisonFile("fixture-1", m_host, hostGood));
    const QString overall = QStringList{"RANK_GOOD", "RANK_BAD", "RANK_UNKNOWN"}.at(exitCode);

    const Run text = runReport(tree, work.path(), {"--comp", comp});
    QCOMPARE(text.exitCode, exitCode);
    const QString table = QString::fromUtf8(text.out);
    QVERIFY2(table.contains("Comparison file version: fixture-1\n"), qPrintable(table));
    const QString words =
        QStringList{"meets the minimum", "below the minimum", "unknown"}.at(exitCode);
    QVERIFY(table.contains(QRegularExpression("\nGraphics +" + words + " +\\S")));
    QVERIFY(table.contains(QRegularExpression("\nMemory +[a-z ]+ +\\d+\\.\\d GB\n")));
    QVERIFY(table.contains("\nVerdict: " + words + "\n"));
    QVERIFY2(text.err.isEmpty(), text.err.constData());  // the trace only with --verbose

    const Run json = runReport(tree, work.path(), {"--json", "--comp", comp});
    QCOMPARE(json.exitCode, exitCode);
    const QJsonObject o = QJsonDocument::fromJson(json.out).object();
    QCOMPARE(o.value("overall").toString(), overall);
    QCOMPARE(o.value("exitCode").toInt(), exitCode);
    QCOMPARE(o.value("gpu").toObject().value("rank").toString(), gpuRank);
    QCOMPARE(o.value("memory").toObject().value("rank").toString(), memoryRank);
    QCOMPARE(o.value("cpu").toObject().value("value").toString(), m_host.cpu);
    QCOMPARE(o.value("os").toObject().value("value").toString(), m_host.os);
    QCOMPARE(o.value("adapters").toArray().size(), 1);

    // --language changes the table's words, never the JSON.
    const Run german = runReport(tree, work.path(), {"--comp", comp, "--language", "de-AT"});
    QVERIFY2(QString::fromUtf8(german.out).contains("\nErgebnis: "), german.out.constData());
    QCOMPARE(runReport(tree, work.path(), {"--json", "--language", "de", "--comp", comp}).out,
             json.out);
}

void TestReportCli::reasons_data() {
    QTest::addColumn<quint16>("device");
    QTest::addColumn<QByteArray>("memKb");
    QTest::addColumn<quint16>("secondDevice");
    QTest::addColumn<QByteArray>("chassis");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("json");  // "path=value"
    QTest::addColumn<QStringList>("text");  // lines the table holds
    const QByteArray gb3 = "3145728", gb16 = "16777216";
    QTest::newRow("GTX 960, 3 GB, desktop")
        << quint16(0x1401) << gb3 << quint16(0) << QByteArray("3") << "figures"
        << "en"
        << QStringList{"gpu.why.decidedBy=bad list", "gpu.why.figures.0.measure=g3d",
                       "gpu.why.figures.0.value=6148", "gpu.why.figures.0.required=7325",
                       "gpu.why.figures.0.reference=GTX 970 / R9 290",
                       "gpu.why.figures.0.product=GeForce GTX 960", "gpu.why.advice=replace-gpu",
                       "memory.why.decidedBy=minimum", "memory.why.figures.0.value=3",
                       "memory.why.figures.0.required=4", "memory.why.advice=add-memory",
                       "cpu.why.decidedBy=not listed", "cpu.why.figures=0"}
        << QStringList{"G3D Mark 6,148 — Orvo needs 7,325 (GTX 970 / R9 290 class)",
                       "3.0 GB — Orvo needs 4 GB", "On no list (comparison data 2026.12.08)",
                       "A faster graphics card would fix this.",
                       "Adding memory to reach 4 GB would fix this."};
    QTest::newRow("GTX 960, 3 GB, laptop, German")
        << quint16(0x1401) << gb3 << quint16(0) << QByteArray("10") << "figures"
        << "de" << QStringList{"gpu.why.advice=laptop-gpu-fixed", "memory.why.figures.0.value=3"}
        << QStringList{"G3D Mark 6.148 — ", " 7.325 (", "3,0 GB — "};
    for (const char* type : {"13", "24", "35"})
        QTest::newRow(qPrintable(QStringLiteral("chassis type %1: no room for a card").arg(type)))
            << quint16(0x1401) << gb16 << quint16(0) << QByteArray(type) << "figures"
            << "en" << QStringList{"gpu.why.advice=laptop-gpu-fixed"} << QStringList();
    QTest::newRow("battery without chassis type: laptop")
        << quint16(0x1401) << gb16 << quint16(0) << QByteArray() << "battery"
        << "en" << QStringList{"gpu.why.advice=laptop-gpu-fixed", "memory.why.advice=none"}
        << QStringList{"The graphics of this computer cannot be replaced"};
    QTest::newRow("GTX 470 by its family")
        << quint16(0x06cd) << gb16 << quint16(0) << QByteArray("3") << "figures"
        << "en"
        << QStringList{"gpu.why.figures=0", "gpu.why.family=GeForce 400/500",
                       "gpu.why.witness.product=GeForce GTX 580", "gpu.why.witness.value=4630",
                       "adapters.0.value=NVIDIA GeForce GTX 470"}
        << QStringList{"Ranked with the GeForce 400/500 family: every member is too slow for Orvo",
                       "16.0 GB — Orvo needs 4 GB"};
    QTest::newRow("processor short of one figure of one reference, both of the other")
        << quint16(0x13c2) << gb16 << quint16(0) << QByteArray("3") << "host i5-4430"
        << "en"
        << QStringList{"cpu.why.decidedBy=bad list", "cpu.why.figures=4",
                       "cpu.why.figures.0.value=1809", "cpu.why.figures.0.meets=false",
                       "cpu.why.figures.2.reference=AMD FX-8350", "cpu.why.figures.2.meets=true",
                       "cpu.why.figures.3.value=4661", "cpu.why.figures.3.required=5390",
                       "cpu.why.advice=replace-cpu", "gpu.why.decidedBy=good list",
                       "gpu.why.advice=none"}
        << QStringList{"CPU Mark 4,661, single thread 1,809 — Orvo needs 4,815 and 1,881 "
                       "(Intel Core i5-4590) or 5,390 and 1,419 (AMD FX-8350)",
                       "Intel Core i5-4590: both figures too low; AMD FX-8350: CPU Mark too low"};
    QTest::newRow("two adapters: the good one ranked, the other named")
        << quint16(0x1401) << gb16 << quint16(0x13c2) << QByteArray("3") << "figures"
        << "en" << QStringList{"gpu.why.decidedBy=good list", "gpu.why.figures.0.value=9636"}
        << QStringList{"G3D Mark 9,636 — Orvo needs 7,325", "Also found: "};
    // The headset machines: the verdict stays that of the four rows (all good).
    const QStringList good{"overall=RANK_GOOD", "exitCode=0"};
    const QString in(30, ' ');  // the sentence under its line, in the table's last column
    QTest::newRow("headset: desktop GTX 1060, DP and HDMI, 5 Gbit/s")
        << quint16(0) << gb16 << quint16(0) << QByteArray("3") << "headset desktop"
        << "en"
        << good + QStringList{"headset.video.status=ok", "headset.video.adapters.0.deviceId=1C03",
                              "headset.video.adapters.0.outputs.0.kind=DisplayPort",
                              "headset.video.adapters.0.outputs.0.connection=connected",
                              "headset.usb.status=ok", "headset.usb.controllers.0.speedMbps=5000"}
        << QStringList{"\nHeadset connection\nVideo      ok\n" + in + "Connect the headset to a "
                       "DisplayPort or HDMI port of the NVIDIA GeForce GTX 1060",
                       "\nUSB        ok\n" + in + "Connect the headset to a USB 3 (SuperSpeed) port"};
    QTest::newRow("headset: laptop, HDMI on the UHD 630, RTX 2070 without ports")
        << quint16(0) << gb16 << quint16(0) << QByteArray("10") << "headset hybrid laptop"
        << "en"
        << good + QStringList{"headset.video.status=warning",
                              "headset.video.reason=outputsOnOtherAdapter",
                              "headset.video.adaptersWithOutputs=1", "headset.usb.status=ok"}
        << QStringList{"\nVideo      check\n" + in + "HDMI is wired to the Intel",
                       "UHD Graphics 630", "but Orvo needs the NVIDIA GeForce RTX 2070"};
    QTest::newRow("headset: only a 480 Mbit/s root hub")
        << quint16(0x13c2) << gb16 << quint16(0) << QByteArray("3") << "headset usb2 only"
        << "en"
        << good + QStringList{"headset.usb.status=warning", "headset.usb.controllers.0.speedMbps=480",
                              "headset.usb.controllers.0.interface=EHCI"}
        << QStringList{"\nUSB        check\n" + in + "Only USB 2.0 ports were found"};
    QTest::newRow("headset: nothing known")
        << quint16(0x13c2) << gb16 << quint16(0) << QByteArray("3") << "headset nothing known"
        << "en"
        << good + QStringList{"headset.video.status=unknown", "headset.usb.status=unknown",
                              "headset.usb.controllers=0"}
        << QStringList{"\nVideo      unknown\n" + in + "The video ports could not be read.",
                       "\nUSB        unknown\n" + in + "The USB ports could not be read."};
    const QByteArray desktop("3"), laptop("10");
    QTest::newRow("headset: SuperSpeed only from an ASMedia ASM1042")
        << quint16(0x13c2) << gb16 << quint16(0) << desktop << "headset asmedia only"
        << "en"
        << good + QStringList{"headset.usb.status=warning", "headset.usb.reason=knownTroubleOnly",
                              "headset.usb.controllers.1.knownTrouble=ASMedia ASM1042"}
        << QStringList{"\nUSB        check\n" + in +
                       "The only USB 3 ports are on the ASMedia ASM1042"};
    QTest::newRow("headset: Intel and ASMedia side by side")
        << quint16(0x13c2) << gb16 << quint16(0) << desktop << "headset intel and asmedia"
        << "en" << good + QStringList{"headset.usb.status=ok", "headset.usb.troubleControllers=1"}
        << QStringList{"\nUSB        ok\n", "Avoid the ports of the ASMedia ASM1042 controller"};
    QTest::newRow("headset: Intel SuperSpeed ports all not used")
        << quint16(0x13c2) << gb16 << quint16(0) << desktop << "headset unused superspeed"
        << "en"
        << good + QStringList{"headset.usb.status=warning", "headset.usb.reason=noSuperSpeed",
                              "headset.usb.controllers.0.superSpeedPortsInUse=0"}
        << QStringList{"\nUSB        check\n"};
    QTest::newRow("headset: nvidia without modesetting, Intel graphics with HDMI")
        << quint16(0) << gb16 << quint16(0) << desktop << "headset nvidia no modeset"
        << "en"
        << good + QStringList{"headset.video.status=unknown", "headset.video.reason=outputsNotTold",
                              "headset.video.adapters.1.outputsTold=false"}
        << QStringList{"\nVideo      unknown\n" + in + "The driver of the NVIDIA GeForce GTX 1060"};
    QTest::newRow("headset: laptop, mains offline, battery discharging")
        << quint16(0x13c2) << gb16 << quint16(0) << laptop << "headset laptop on battery"
        << "en"
        << good + QStringList{"headset.power.status=warning", "headset.power.reason=onBattery"}
        << QStringList{"\nPower      check\n" + in + "The computer runs on battery"};
    QTest::newRow("headset: the laptop on mains, performance profile")
        << quint16(0x13c2) << gb16 << quint16(0) << laptop << "headset laptop on mains"
        << "en" << good + QStringList{"headset.power.status=ok", "headset.power.plan=performance"}
        << QStringList{"\nPower      ok\n"};
    QTest::newRow("headset: desktop, only a mouse's battery")
        << quint16(0x13c2) << gb16 << quint16(0) << desktop << "headset desktop mouse battery"
        << "en" << good + QStringList{"headset.power.status=ok", "headset.power.reason=noBattery"}
        << QStringList{"\nPower      ok\n"};
    QTest::newRow("headset: laptop charging over USB-C, no mains listed")
        << quint16(0x13c2) << gb16 << quint16(0) << laptop << "headset laptop usb-c"
        << "en" << good + QStringList{"headset.power.status=ok", "headset.power.reason=pluggedIn"}
        << QStringList{"\nPower      ok\n"};
}

// Each row also runs on the file without its figures: the same ranks and
// exit code, no benchmark figures.
void TestReportCli::reasons() {
    QFETCH(quint16, device);
    QFETCH(QByteArray, memKb);
    QFETCH(quint16, secondDevice);
    QFETCH(QByteArray, chassis);
    QFETCH(QString, variant);
    QFETCH(QString, language);
    QFETCH(QStringList, json);
    QFETCH(QStringList, text);
    FixtureTree tree;
    // In the order of HeadsetMachine.
    const int headset = QStringList{"headset desktop",
                                    "headset hybrid laptop",
                                    "headset usb2 only",
                                    "headset nothing known",
                                    "headset asmedia only",
                                    "headset intel and asmedia",
                                    "headset unused superspeed",
                                    "headset nvidia no modeset",
                                    "headset laptop on battery",
                                    "headset laptop on mains",
                                    "headset desktop mouse battery",
                                    "headset laptop usb-c"}
                            .indexOf(variant);
    // The headset machines bring their own adapters; the others get one here.
    if (device != 0)
        buildMachine(tree, {0x10de, device, memKb, secondDevice, chassis});
    else
        tree.writeMeminfo("MemTotal:       " + memKb + " kB\n");
    if (headset >= 0) {
        addHeadsetMachine(tree, HeadsetMachine(headset));
        tree.writeFile("sys/class/dmi/id/chassis_type", chassis + "\n");
    }
    if (variant == "battery") {
        tree.writeFile("sys/class/power_supply/BAT0/type", "Battery\n");
        tree.writeFile("sys/class/power_supply/hidpp_battery_0/type", "Battery\n");
        tree.writeFile("sys/class/power_supply/hidpp_battery_0/scope", "Device\n");
    }
    QTemporaryDir work;
    const QString comp = work.filePath("figures.json"), lists = work.filePath("lists.json");
    writeFile(comp, figuresFile(variant, m_host, true));
    writeFile(lists, figuresFile(variant, m_host, false));

    const Run withFigures = runReport(tree, work.path(), {"--json", "--comp", comp});
    const QJsonObject o = QJsonDocument::fromJson(withFigures.out).object();
    for (const QString& check : json) {
        const QString path = check.section('=', 0, 0), expected = check.section('=', 1);
        QCOMPARE(jsonAt(o, path), expected);
    }
    const Run table = runReport(tree, work.path(), {"--comp", comp, "--language", language});
    QCOMPARE(table.exitCode, withFigures.exitCode);
    for (const QString& line : text)
        QVERIFY2(QString::fromUtf8(table.out).contains(line), table.out.constData());

    const Run listsOnly = runReport(tree, work.path(), {"--json", "--comp", lists});
    QCOMPARE(listsOnly.exitCode, withFigures.exitCode);
    const QJsonObject l = QJsonDocument::fromJson(listsOnly.out).object();
    for (const char* row : {"cpu", "gpu", "memory", "os"}) {
        QCOMPARE(jsonAt(l, QString(row) + ".rank"), jsonAt(o, QString(row) + ".rank"));
        QCOMPARE(jsonAt(l, QString(row) + ".why.decidedBy"),
                 jsonAt(o, QString(row) + ".why.decidedBy"));
    }
    QCOMPARE(jsonAt(l, "cpu.why.figures") + jsonAt(l, "gpu.why.figures"), QStringLiteral("00"));
}

void TestReportCli::noUsableComparisonFile_data() {
    QTest::addColumn<QByteArray>("contents");  // empty: no file at all
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray() << " does not exist.";
    QTest::newRow("not JSON") << QByteArray("{\"Version\": ") << " could not be used;";
    QTest::newRow("lower-case version")
        << QByteArray(
               R"({"version": "1", "OS": {"Good list": ["a"], "Bad list": ["b"]},
            "CPU": {"Good list": ["c"]}, "GPU": {"Good list": [["1", "2"]]},
            "Memory": {"Good min": 4}})")
        << " could not be used;";
    // The figures are checked apart from the lists: a broken member still
    // breaks the file, as any broken JSON does.
    QTest::newRow("broken figures")
        << QByteArray(
               R"({"Version": "1", "OS": {"Good list": ["a"], "Bad list": ["b"]},
            "CPU": {"Good list": ["c"]}, "GPU": {"Good list": [["1", "2"]]},
            "Memory": {"Good min": 4}, "Figures": {"CPU": {"Good list": [1 2]}}})")
        << " could not be used;";
    QTest::newRow("empty OS bad list")
        << QByteArray(
               R"({"Version": "1", "OS": {"Good list": ["a"], "Bad list": []},
            "CPU": {"Good list": ["c"]}, "GPU": {"Good list": [["1", "2"]]},
            "Memory": {"Good min": 4}})")
        << " could not be used;";
}

void TestReportCli::noUsableComparisonFile() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    FixtureTree tree;
    buildMachine(tree, {0x10de, 0x13c2, "16318412", 0, {}});
    QTemporaryDir work;
    const QString comp = work.filePath("broken.json");
    if (!contents.isEmpty()) writeFile(comp, contents);

    const Run text = runReport(tree, work.path(), {"--comp", comp});
    QCOMPARE(text.exitCode, 3);
    const QString table = QString::fromUtf8(text.out);
    QVERIFY2(table.contains("\nVerdict: not checked\nCompare error! The comparison file " + comp +
                            reason),
             qPrintable(table));
    const Run json = runReport(tree, work.path(), {"--json", "--comp", comp});
    QCOMPARE(json.exitCode, 3);
    const QJsonObject o = QJsonDocument::fromJson(json.out).object();
    for (const char* key : {"os", "memory", "cpu", "gpu"})
        QCOMPARE(o.value(key).toObject().value("rank").toString(),
                 QStringLiteral("RANK_UNCHECKED"));
    // What was found is still reported.
    // 15.6 GB of MemTotal, and no memory blocks: the 16 GB installed.
    QCOMPARE(o.value("memory").toObject().value("value").toString(), QStringLiteral("16.0GB"));
    QCOMPARE(o.value("adapters").toArray().size(), 1);
    // The adapter was found, only not compared: the table names it.
    const QString adapter =
        o.value("adapters").toArray().at(0).toObject().value("value").toString();
    QVERIFY2(!adapter.isEmpty() &&
                 table.contains(QRegularExpression("\nGraphics +not checked +" +
                                                   QRegularExpression::escape(adapter) + "\n")),
             qPrintable(table));
    // The reason shows with --verbose.
    const Run verbose = runReport(tree, work.path(), {"--verbose", "--comp", comp});
    QCOMPARE(verbose.exitCode, 3);
    QVERIFY(verbose.err.contains("[OrvoCheckLib]") || verbose.err.contains("Fatal"));
}

void TestReportCli::downloadWithFallback_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("shippedPresent");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("downloaded file ranks good") << 200 << true << "served" << 0;
    QTest::newRow("failed download uses the shipped file") << 500 << true << "shipped" << 1;
    QTest::newRow("no file at all") << 500 << false << "" << 3;
}

void TestReportCli::downloadWithFallback() {
    QFETCH(int, status);
    QFETCH(bool, shippedPresent);
    QFETCH(QString, version);
    QFETCH(int, exitCode);
    FixtureTree tree;
    buildMachine(tree, {0x10de, 0x13c2, "16318412", 0, {}});
    QTemporaryDir work;
    QDir(work.path()).mkpath("comp");
    if (shippedPresent)
        writeFile(work.filePath("comp/compDefault.json"), comparisonFile("shipped", m_host, false));
    const QByteArray served = comparisonFile("served", m_host, true);
    HttpTestServer server(status == 200 ? signedListPlan(served)
                                        : HttpResponsePlan::full(status, served));

    const Run run = runReport(tree, work.path(), {"--json"}, server.url());
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(QJsonDocument::fromJson(run.out).object().value("comparisonVersion").toString(),
             version);
    QCOMPARE(server.requestLines().first(), QStringLiteral("GET /OrvoCheckComp/comp.json HTTP/1.1"));
    QCOMPARE(server.requestLines().size(), status == 200 ? 2 : 1);
    // Saved where the program saves it.
    QCOMPARE(QFileInfo::exists(work.filePath("comp/comp.json")), status == 200);
}

void TestReportCli::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stdoutHas");
    QTest::addColumn<QString>("stderrHas");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Exit codes: 0 good, 1 bad"
                          << "";
    QTest::newRow("help names the environment, which the manual page shows")
        << QStringList{"--help"} << 0
        << "ORVOCHECK_CONTENT_URL  where the comparison file is downloaded from" << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "orvocheck-report OrvoCheck_"
                             << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 64 << ""
                                    << "bogus";
    QTest::newRow("comp without file") << QStringList{"--comp"} << 64 << ""
                                       << "comp";
    QTest::newRow("stray argument") << QStringList{"extra"} << 64 << ""
                                    << "extra";
    QTest::newRow("unknown language: said, then English")
        << QStringList{"--language", "xx", "--comp", "missing.json"} << 3 << "Compare error!"
        << "no report in the language 'xx'; the languages are en, de, es, fr, it, ja, ko, pl, "
           "pt_BR, ru, tr, zh_CN, zh_TW. Going on in English.";
}

void TestReportCli::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, stdoutHas);
    QFETCH(QString, stderrHas);
    FixtureTree tree;
    QTemporaryDir work;
    const Run run = runReport(tree, work.path(), args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(run.out).contains(stdoutHas), run.out.constData());
    QVERIFY2(QString::fromUtf8(run.err).contains(stderrHas), run.err.constData());
}

QTEST_GUILESS_MAIN(TestReportCli)
#include "tst_report_cli.moc"

void TestReportCli::ownProducts_data() {
    QTest::addColumn<quint16>("vendor");
    QTest::addColumn<quint16>("device");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("modelId");  // the processor's brand; empty: this machine's
    QTest::addColumn<QString>("product");
    QTest::addColumn<double>("published");  // the product's published G3D Mark or CPU Mark
    // The other products the ID can be, shown with theirs while no revision
    // tells them apart.
    QTest::addColumn<QStringList>("alsoShown");
    // G3D Mark: videocardbenchmark.net's list of 2026-08-22, as its public copy
    // lainbo/cpu-mark (src/assets/staticData/gpuData.json, commit 48c7b97) holds it.
    const auto gpu = [](const char* row, quint16 vendor, quint16 device, int revision,
                        const char* product, double g3d, const QStringList& others = {},
                        const QString& brand = QString()) {
        QTest::newRow(row) << vendor << device << revision << "gpu" << brand << product << g3d
                           << others;
    };
    gpu("RTX 3090, 10de:2204", 0x10de, 0x2204, 0xa1, "GeForce RTX 3090", 26495);
    gpu("RTX 4060, 10de:2882", 0x10de, 0x2882, 0xa1, "GeForce RTX 4060", 19488);
    // The comparison data holds no revision of 1002:7480, nor Debian 12's
    // amdgpu.ids this product: every product of the ID is shown.
    gpu("RX 7600, 1002:7480 rev cf", 0x1002, 0x7480, 0xcf, "Radeon RX 7600", 16446,
        {"Radeon RX 7600 XT", "Radeon RX 7600M XT", "Radeon RX 7600S", "Radeon RX 7700S",
         "Radeon PRO W7600"});
    // Processor graphics are benchmarked by processor: the brand picks the row.
    gpu("Renoir of a Ryzen 7 4800HS, 1002:1636", 0x1002, 0x1636, 0xc6, "Radeon Ryzen 7 4800HS",
        2994, {}, "AMD Ryzen 7 4800HS with Radeon Graphics");
    gpu("Radeon R4, 1002:130b", 0x1002, 0x130b, 0x00, "Radeon R4", 350);
    gpu("GeForce 210, 10de:0a65", 0x10de, 0x0a65, 0xa2, "GeForce 210", 144);
    gpu("HD Graphics 4000, 8086:0166", 0x8086, 0x0166, 0x09, "HD Graphics 4000", 340);
    // CPU Mark: cpubenchmark.net (PassMark); the 7800X3D's from
    // tools/compgen/data/cpu_bench.tsv (lainbo/cpu-mark, June 2023).
    const auto cpu = [](const char* brand, const char* product, double cpuMark) {
        QTest::newRow(product) << quint16(0x10de) << quint16(0x13c2) << 0xa1 << "cpu" << brand
                               << product << cpuMark << QStringList();
    };
    cpu("Intel(R) Core(TM) i9-14900K", "Intel Core i9-14900K", 58500);
    cpu("Intel(R) Core(TM) Ultra 7 265K", "Intel Core Ultra 7 265K", 58700);
    cpu("Intel(R) Core(TM) Ultra 7 155H", "Intel Core Ultra 7 155H", 25000);
    cpu("AMD Ryzen 7 7800X3D 8-Core Processor", "AMD Ryzen 7 7800X3D", 35140);
}

// The row shows the computer's own product: its name, and its own figure
// within 15 % of the published one, or no figure and the family that decided.
void TestReportCli::ownProducts() {
    QFETCH(quint16, vendor);
    QFETCH(quint16, device);
    QFETCH(int, revision);
    QFETCH(QString, row);
    QFETCH(QString, modelId);
    QFETCH(QString, product);
    QFETCH(double, published);
    QFETCH(QStringList, alsoShown);
    FixtureTree tree;
    FixtureTree::PciFunction adapter;
    adapter.address = QStringLiteral("0000:01:00.0");
    adapter.vendor = vendor;
    adapter.device = device;
    adapter.revision = std::uint8_t(revision);
    adapter.classCode = 0x030000;
    tree.addPciFunction(adapter);
    tree.addConfigSpace(adapter);
    tree.writeMeminfo("MemTotal:       16318412 kB\n");
#if defined(__SANITIZE_ADDRESS__)
    // qemu-user cannot map the shadow memory of an address-sanitized program;
    // the plain build runs these rows.
    if (!modelId.isEmpty()) QSKIP("an address-sanitized program does not run under qemu-user");
#endif
    QTemporaryDir work;
    const QStringList qemu{"qemu-x86_64", "-cpu", "max,model-id=" + modelId};
    const Run run = runReport(tree, work.path(), {"--json", "--comp", ORVO_SHIPPED_COMP},
                              QString(), modelId.isEmpty() ? QStringList() : qemu);
    QVERIFY2(run.exitCode >= 0 && run.exitCode <= 2, run.err.constData());
    const QJsonObject o = QJsonDocument::fromJson(run.out).object();
    const bool graphics = row == "gpu";
    const QString shown = jsonAt(o, row + ".value");
    QVERIFY2(shown.contains(graphics ? product : modelId), qPrintable(shown));
    if (graphics) QCOMPARE(jsonAt(o, "adapters.0.value"), shown);
    const QJsonArray figures =
        o.value(row).toObject().value("why").toObject().value("figures").toArray();
    QStringList products;
    for (const QJsonValue& figure : figures) {
        const QString named = figure.toObject().value("product").toString();
        // A processor row shows the brand, "(R)" and "(TM)" included.
        QVERIFY2(graphics ? shown.contains(named) : named == product, qPrintable(named));
        if (!products.contains(named)) products << named;
    }
    if (!products.isEmpty())
        QCOMPARE(QSet<QString>(products.begin(), products.end()),
                 QSet<QString>(alsoShown.begin(), alsoShown.end()) << product);
    const QString measure = graphics ? "g3d" : "multi-thread";
    const auto own = std::find_if(figures.begin(), figures.end(), [&](const QJsonValue& f) {
        return f.toObject().value("measure").toString() == measure &&
               f.toObject().value("product").toString() == product;
    });
    if (own == figures.end()) {
        QVERIFY2(!jsonAt(o, row + ".why.family").isEmpty(), run.out.constData());
        QVERIFY(!jsonAt(o, row + ".why.witness.product").isEmpty());
        QVERIFY(jsonAt(o, row + ".why.witness.product") != product);
    } else {
        const double value = own->toObject().value("value").toDouble();
        QVERIFY2(qAbs(value - published) <= 0.15 * published, qPrintable(QString::number(value)));
    }
}
