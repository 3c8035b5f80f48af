// The report library: table and JSON texts, exit codes, where the comparison
// file comes from, and waiting for a comparison that ends now or later.
#include <QtTest>

#include "exit_code.h"
#include "http_test_server.h"
#include "installed_layout.h"
#include "signed_list.h"
#include "orvochecklib.h"
#include "report_format.h"
#include "report_run.h"
#include "row_reason_text.h"
#include "ui_language.h"

Q_DECLARE_METATYPE(ReportData)

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

// The sample with one row replaced.
ReportData withRow(const QString& row, const ComponentReport& c) {
    ReportData d = sampleData(QStringLiteral("RANK_BAD"));
    (row == "gpu" ? d.gpu : row == "cpu" ? d.cpu : row == "memory" ? d.memory : d.os) = c;
    return d;
}

RankReason reason(DecidedBy by, QList<RankFigure> figures = {}) {
    RankReason r;
    r.decidedBy = by;
    r.figures = std::move(figures);
    return r;
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
    void rowTextsAgreeWithTheirRow_data();
    void rowTextsAgreeWithTheirRow();
    void jsonHoldsEveryComponent();
    void sourceFollowsTheProgramOrTheGivenFile();
    void installedProgramUsesThePackageAndUserFolders_data();
    void installedProgramUsesThePackageAndUserFolders();
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

void TestReportFormat::rowTextsAgreeWithTheirRow_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<ReportData>("data");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("absent");
    const QString bar = "GTX 970 / R9 290", g3d = "g3d";
    const RankReason bad = reason(DecidedBy::BadList);
    RankReason family = reason(DecidedBy::GoodList);
    family.family = "GeForce RTX 30";
    family.witness = {{g3d, "", 7718, 7325, bar, "GeForce RTX 2050"}};
    RankReason unlisted = reason(DecidedBy::NotListed);
    unlisted.listedReleases = QStringList{"Ubuntu 22.04", "Debian 12"};
    const QString i5 = "Intel Core i5-4590", fx = "AMD FX-8350", own = "Intel Core i3-2100";
    const RankReason slow = reason(DecidedBy::BadList, {{"single-thread", "", 1400, 1881, i5, own},
                                                        {"multi-thread", "", 3000, 4815, i5, own},
                                                        {"single-thread", "", 1400, 1419, fx, own},
                                                        {"multi-thread", "", 3000, 5390, fx, own}});
    QTest::newRow("ambiguous ID: its products' range")
        << "en"
        << withRow("gpu", {"NVIDIA GeForce RTX 3060 Laptop GPU", "RANK_GOOD",
                           reason(DecidedBy::GoodList,
                                  {{g3d, "", 14500, 7325, bar, "GeForce RTX 3060 Laptop"},
                                   {g3d, "", 11900, 7325, bar, "GeForce RTX 3050"}})})
        << QStringList{"G3D Mark 11,900–14,500 (GeForce RTX 3060 Laptop / 3050) — Orvo needs "
                       "7,325 (GTX 970 / R9 290 class)"}
        << QStringList{};
    QTest::newRow("a family decided: in words, never the witness's figure")
        << "en" << withRow("gpu", {"NVIDIA GeForce RTX 3090", "RANK_GOOD", family})
        << QStringList{"Ranked with the GeForce RTX 30 family: every member is fast enough for Orvo"}
        << QStringList{"7,718", "RTX 2050", "G3D"};
    RankReason ownBesideFamily = family;
    ownBesideFamily.family = "Core Ultra";
    ownBesideFamily.figures = {{"multi-thread", "", 62910, 4815, i5, "Intel Core i9-14900K"}};
    QTest::newRow("a family decided: the product's own figure beside it, without a bar")
        << "en" << withRow("cpu", {"Intel(R) Core(TM) i9-14900K", "RANK_GOOD", ownBesideFamily})
        << QStringList{"CPU Mark 62,910\n", "Ranked with the Core Ultra family"}
        << QStringList{"7,718", "single thread"};
    QTest::newRow("French graphics card: feminine, data version as a name")
        << "fr" << withRow("gpu", {"Radeon HD 5450", "RANK_UNKNOWN", bad})
        << QStringList{"inconnue", "Listée comme inadaptée (données de comparaison 2099.01.02)"}
        << QStringList{"du 2099"};
    QTest::newRow("Russian OS: feminine")
        << "ru" << withRow("os", {"Ubuntu 24.10", "RANK_UNKNOWN", reason(DecidedBy::NotListed)})
        << QStringList{"неизвестна", "Не указана ни в одном списке (данные сравнения 2099.01.02)"}
        << QStringList{"от 2099"};
    QTest::newRow("Polish processor: masculine, reasons joined")
        << "pl" << withRow("cpu", {"Intel(R) Core(TM) i3-2100", "RANK_UNCHECKED", slow})
        << QStringList{"niesprawdzony", "Intel Core i5-4590: ", "; AMD FX-8350: "}
        << QStringList{"niesprawdzona"};
    QTest::newRow("French memory: value and line in one notation")
        << "fr"
        << withRow("memory", {"15.6GB", "RANK_GOOD",
                              reason(DecidedBy::Minimum, {{"memory-gb", "", 15.6, 4, "4 GB", ""}})})
        << QStringList{"15,6 Go\n", "15,6 Go — "} << QStringList{"15.6", "GB"};
    ReportData adapters = withRow("gpu", {"GeForce GTX 970", "RANK_GOOD", reason(DecidedBy::GoodList)});
    adapters.adapters = {adapters.gpu, {"Intel HD 4600", "RANK_BAD"}, {"Radeon R5", "RANK_BAD"}};
    adapters.representativeIndex = 0;
    QTest::newRow("Japanese names joined as Japanese joins them")
        << "ja" << adapters << QStringList{"Intel HD 4600、Radeon R5"} << QStringList{", "};
    QTest::newRow("unlisted Linux release: the listed ones, never Windows")
        << "en" << withRow("os", {"Ubuntu 24.10", "RANK_UNKNOWN", unlisted, "use-listed-os"})
        << QStringList{"This release is not in the comparison data, which lists Ubuntu 22.04, "
                       "Debian 12."}
        << QStringList{"Installing", "Windows 7"};
    QTest::newRow("all-in-one or mini PC: no laptop in the advice")
        << "en" << withRow("gpu", {"Radeon R4", "RANK_BAD", bad, "laptop-gpu-fixed"})
        << QStringList{"The graphics of this computer cannot be replaced"}
        << QStringList{"A laptop's"};
}

// Through the console table, which shows the same lines as the window.
void TestReportFormat::rowTextsAgreeWithTheirRow() {
    QFETCH(QString, language);
    QFETCH(ReportData, data);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, absent);
    QCOMPARE(installTranslations(language), language);
    const QString table = formatReportTable(data, localeForLanguage(language));
    installTranslations(QStringLiteral("en"));
    for (const QString& text : shown)
        QVERIFY2(table.contains(text), qPrintable(text + "\n" + table));
    for (const QString& text : absent) QVERIFY2(!table.contains(text), qPrintable(text + "\n" + table));
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

void TestReportFormat::installedProgramUsesThePackageAndUserFolders_data() {
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("cacheHome");  // "<t>": a temporary folder, also HOME
    QTest::addColumn<QString>("savePath");
    QTest::addColumn<QString>("defaultPath");
    const QString bin = installedProgramDir(), shipped = installedShippedFile();
    QTest::newRow("installed") << bin << "<t>/c" << "<t>/c/OrvoCheck/comp.json" << shipped;
    QTest::newRow("no cache variable") << bin << "" << "<t>/.cache/OrvoCheck/comp.json" << shipped;
    QTest::newRow("relative cache variable ignored")
        << bin << "rel" << "<t>/.cache/OrvoCheck/comp.json" << shipped;
    QTest::newRow("named with a detour") << bin + "/../bin/" << "<t>/c" << "<t>/c/OrvoCheck/comp.json"
                                         << shipped;
    QTest::newRow("a folder beside it keeps the working directory")
        << bin + "2" << "<t>/c" << "comp/comp.json" << "comp/compDefault.json";
}

void TestReportFormat::installedProgramUsesThePackageAndUserFolders() {
    QFETCH(QString, programDir);
    QFETCH(QString, cacheHome);
    QFETCH(QString, savePath);
    QFETCH(QString, defaultPath);
    if (installedProgramDir().isEmpty()) QSKIP("no package for this platform");
    WorkingDir wd;  // its shipped file is only for the program that is not installed
    wd.write("comp/compDefault.json", compFile("here"));
    QTemporaryDir t;
    const QByteArray oldHome = qgetenv("HOME"), oldCache = qgetenv("XDG_CACHE_HOME");
    qputenv("HOME", t.path().toUtf8());
    qputenv("XDG_CACHE_HOME", cacheHome.replace("<t>", t.path()).toUtf8());
    const CompareSource s = compareSourceFor(QString(), "http://h/x", programDir);
    qputenv("HOME", oldHome);
    qputenv("XDG_CACHE_HOME", oldCache);
    QCOMPARE(s.savePath, savePath.replace("<t>", t.path()));
    QCOMPARE(s.defaultPath, defaultPath);
    // The download replaces the file, which needs its folder.
    QVERIFY(QFileInfo(QFileInfo(s.savePath).path()).isDir());
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
