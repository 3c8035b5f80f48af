// The report library: table and JSON texts, exit codes, where the comparison
// file comes from, and waiting for a comparison that ends now or later.
#include <QtTest>

#include "exit_code.h"
#include "http_test_server.h"
#include "signed_list.h"
#include "orvochecklib.h"
#include "report_format.h"
#include "report_run.h"

namespace {

ReportData sampleData(const QString& overall) {
    ReportData d;
    d.programVersion = QStringLiteral("OrvoCheck_9.9");
    d.comparisonVersion = QStringLiteral("2099.01.02");
    d.gpu = {QStringLiteral("NVIDIA GeForce GTX 970"), QStringLiteral("RANK_GOOD")};
    d.cpu = {QStringLiteral("Intel(R) Core(TM) i5-4590 CPU @ 3.30GHz"), QStringLiteral("RANK_BAD")};
    d.memory = {QStringLiteral("16.0GB"), QStringLiteral("RANK_GOOD")};
    d.os = {QStringLiteral("Windows 10 Version 2009"), QStringLiteral("RANK_UNKNOWN")};
    d.adapters = {d.gpu};
    d.overall = overall;
    return d;
}

// Serves one comparison file from a temporary directory chosen as the
// working directory, so relative comp/ paths resolve inside it.
class WorkingDir {
public:
    WorkingDir() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~WorkingDir() { QDir::setCurrent(m_previous); }
    QString path() const { return m_dir.path(); }
    void write(const QString& relative, const QByteArray& bytes) {
        QDir(m_dir.path()).mkpath(QFileInfo(relative).path());
        QFile f(m_dir.filePath(relative));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

QByteArray compFile(const QString& version) {
    return QStringLiteral(R"({"Version": "%1",
        "OS": {"Good list": ["No such OS"], "Bad list": ["Windows 5.1"]},
        "CPU": {"Good list": ["No such CPU"]},
        "GPU": {"Good list": [["FFFF", "FFFF"]]},
        "Memory": {"Good min": 4}})")
        .arg(version)
        .toUtf8();
}

}  // namespace

class TestReportFormat : public QObject {
    Q_OBJECT
private slots:
    void exitCodes_data();
    void exitCodes();
    void tableShowsRowsDetailsAndVerdict();
    void tableListsEveryAdapterOnlyWhenThereAreSeveral();
    void tableMarksMissingValues();
    void jsonHoldsEveryComponent();
    void sourceFollowsTheProgramOrTheGivenFile();
    void runCheckWithoutDownloadFinishesAtOnce();
    void runCheckWaitsForTheDownload_data();
    void runCheckWaitsForTheDownload();
};

void TestReportFormat::exitCodes_data() {
    QTest::addColumn<QString>("overall");
    QTest::addColumn<int>("code");
    QTest::newRow("good") << "RANK_GOOD" << 0;
    QTest::newRow("bad") << "RANK_BAD" << 1;
    QTest::newRow("unknown") << "RANK_UNKNOWN" << 2;
    QTest::newRow("unchecked") << "RANK_UNCHECKED" << 3;
    QTest::newRow("empty") << "" << 3;
    QTest::newRow("lower case is no rank") << "rank_good" << 3;
}

void TestReportFormat::exitCodes() {
    QFETCH(QString, overall);
    QFETCH(int, code);
    QCOMPARE(exitCodeForOverall(overall), code);
}

void TestReportFormat::tableShowsRowsDetailsAndVerdict() {
    const QStringList lines = formatReportTable(sampleData("RANK_BAD")).split('\n');
    QCOMPARE(lines.at(0), QStringLiteral("OrvoCheck report (OrvoCheck_9.9)"));
    QCOMPARE(lines.at(1), QStringLiteral("Comparison file version: 2099.01.02"));
    const int header = lines.indexOf(QRegularExpression("^Component +Rank +Found$"));
    QVERIFY(header > 0);
    const int column = lines.at(header).indexOf("Found");
    // Rows in the window's order, values aligned under "Found".
    const QStringList titles = {"Graphics", "Processor", "Memory", "OS"};
    int at = header + 1;
    for (const QString& title : titles) {
        QVERIFY2(lines.at(at).startsWith(title + ' '), qPrintable(lines.at(at)));
        QVERIFY(lines.at(at).at(column - 1) == ' ' && lines.at(at).at(column) != ' ');
        ++at;
        // The window's explanation follows only bad and unknown rows.
        if (title == "Processor") {
            QCOMPARE(lines.at(at).trimmed(),
                     QStringLiteral("This processor may not be powerful enough to run Orvo."));
            QCOMPARE(lines.at(at).indexOf(QRegularExpression("\\S")), column);
            ++at;
        } else if (title == "OS") {
            QCOMPARE(lines.at(at).trimmed(),
                     QStringLiteral("Windows 7 SP1, Windows 8.1 or newer (64-bit) is required."));
            ++at;
        }
    }
    QVERIFY(formatReportTable(sampleData("RANK_BAD")).contains("browse the Orvo Ready (http://" ORVO_HEADSET_WEB_HOST "/ready) website."));
    QVERIFY(formatReportTable(sampleData("RANK_UNCHECKED")).contains("Compare error!"));
    QVERIFY(formatReportTable(sampleData("RANK_GOOD")).contains("should be able to run Orvo"));
    QStringList words = {"meets the minimum", "below the minimum", "unknown", "not checked"};
    for (const char* rank : {"RANK_GOOD", "RANK_BAD", "RANK_UNKNOWN", "RANK_UNCHECKED"}) {
        const QString table = formatReportTable(sampleData(rank));
        QVERIFY(table.contains("\nVerdict: " + words.takeFirst() + "\n") &&
                !table.contains("RANK_"));
    }
}

void TestReportFormat::tableListsEveryAdapterOnlyWhenThereAreSeveral() {
    ReportData d = sampleData("RANK_GOOD");
    QVERIFY(!formatReportTable(d).contains("Graphics adapters:"));
    d.adapters = {{"Intel UHD Graphics 630", "RANK_BAD"}, {"NVIDIA GeForce GTX 970", "RANK_GOOD"}};
    const QString table = formatReportTable(d);
    QVERIFY(
        table.contains("Graphics adapters:\n  1. below the minimum  Intel UHD Graphics 630\n"
                       "  2. meets the minimum  NVIDIA GeForce GTX 970\n"));
}

void TestReportFormat::tableMarksMissingValues() {
    ReportData d = sampleData("RANK_UNCHECKED");
    d.comparisonVersion.clear();
    d.gpu = {QString(), "RANK_UNCHECKED"};
    d.adapters.clear();
    const QString table = formatReportTable(d);
    QVERIFY(table.contains("Comparison file version: -\n"));
    QVERIFY(
        table.contains(QRegularExpression("\nGraphics +not checked +no graphics adapter found\n")));
}

void TestReportFormat::jsonHoldsEveryComponent() {
    ReportData d = sampleData("RANK_UNKNOWN");
    d.adapters.append({QStringLiteral("Ünïcode adapter"), QStringLiteral("RANK_UNKNOWN")});
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(formatReportJson(d), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject o = doc.object();
    QCOMPARE(o.value("program").toString(), d.programVersion);
    QCOMPARE(o.value("comparisonVersion").toString(), d.comparisonVersion);
    QCOMPARE(o.value("overall").toString(), QStringLiteral("RANK_UNKNOWN"));
    QCOMPARE(o.value("exitCode").toInt(), 2);
    const QList<QPair<QString, ComponentReport>> parts = {
        {"os", d.os}, {"memory", d.memory}, {"cpu", d.cpu}, {"gpu", d.gpu}};
    for (const auto& part : parts) {
        QCOMPARE(o.value(part.first).toObject().value("value").toString(), part.second.value);
        QCOMPARE(o.value(part.first).toObject().value("rank").toString(), part.second.rank);
    }
    const QJsonArray adapters = o.value("adapters").toArray();
    QCOMPARE(adapters.size(), 2);
    QCOMPARE(adapters.at(1).toObject().value("value").toString(),
             QStringLiteral("Ünïcode adapter"));
}

void TestReportFormat::sourceFollowsTheProgramOrTheGivenFile() {
    WorkingDir wd;
    const QString exeDir = QStringLiteral("/opt/orvo");
    // A given file: no download at all.
    CompareSource s = compareSourceFor("my.json", "http://h/OrvoCheckComp/comp.json", exeDir);
    QVERIFY(s.url.isEmpty());
    QCOMPARE(s.defaultPath, QStringLiteral("my.json"));
    // No shipped file here: the one beside the program.
    s = compareSourceFor(QString(), "http://h/x", exeDir);
    QCOMPARE(s.url, QStringLiteral("http://h/x"));
    QCOMPARE(s.savePath, QStringLiteral("/opt/orvo/comp/comp.json"));
    QCOMPARE(s.defaultPath, QStringLiteral("/opt/orvo/comp/compDefault.json"));
    // A shipped file here: the program's own relative paths.
    wd.write("comp/compDefault.json", compFile("here"));
    s = compareSourceFor(QString(), "http://h/x", exeDir);
    QCOMPARE(s.savePath, QStringLiteral("comp/comp.json"));
    QCOMPARE(s.defaultPath, QStringLiteral("comp/compDefault.json"));
}

void TestReportFormat::runCheckWithoutDownloadFinishesAtOnce() {
    WorkingDir wd;
    wd.write("given.json", compFile("given"));
    OrvoCheckLib lib;
    QSignalSpy finished(&lib, &OrvoCheckLib::compareFinished);
    runCheck(lib, compareSourceFor("given.json", "http://127.0.0.1:9/never", QString()));
    QCOMPARE(finished.count(), 1);
    const ReportData d = collectReport(lib, "v");
    QCOMPARE(d.comparisonVersion, QStringLiteral("given"));
    QCOMPARE(d.cpu.rank, QStringLiteral("RANK_UNKNOWN"));
    QVERIFY(d.memory.value.endsWith("GB"));
    QCOMPARE(d.adapters.size(), lib.getGPUNames().size());
}

void TestReportFormat::runCheckWaitsForTheDownload_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("version");
    QTest::newRow("downloaded file used") << 200 << "served";
    QTest::newRow("failed download falls back") << 404 << "shipped";
}

void TestReportFormat::runCheckWaitsForTheDownload() {
    QFETCH(int, status);
    QFETCH(QString, version);
    WorkingDir wd;
    wd.write("comp/compDefault.json", compFile("shipped"));
    HttpTestServer server(status == 200 ? signedListPlan(compFile("served"))
                                        : HttpResponsePlan::full(status, compFile("served")));
    qputenv("ORVOCHECK_LIST_KEY", testListKeyHex());
    OrvoCheckLib lib;
    QSignalSpy finished(&lib, &OrvoCheckLib::compareFinished);
    runCheck(lib, compareSourceFor(QString(), server.url(), QString()));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(collectReport(lib, "v").comparisonVersion, version);
    QCOMPARE(server.requestLines().size(), status == 200 ? 2 : 1);
}

QTEST_GUILESS_MAIN(TestReportFormat)
#include "tst_report_format.moc"
