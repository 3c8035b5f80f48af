// Reading, validating and choosing the comparison file, with and without a
// download from a real HTTP server on 127.0.0.1.
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

#include "checker_test_support.h"
#include "content_url.h"
#include "http_test_server.h"
#include "log_capture.h"
#include "signed_list.h"

namespace {

const QString kSavePath = QStringLiteral("comp/comp.json");
const QString kDefaultPath = QStringLiteral("comp/compDefault.json");
const TestAdapter kGtx960{QStringLiteral("NVIDIA GeForce GTX 960"), QStringLiteral("10DE"),
                          QStringLiteral("1401")};

using Edit = std::function<void(QJsonObject&)>;

// Sets root[component][member] = value, creating nothing else.
void setMember(QJsonObject& root, const QString& component, const QString& member,
               const QJsonValue& value) {
    QJsonObject object = root.value(component).toObject();
    object.insert(member, value);
    root.insert(component, object);
}
void removeMember(QJsonObject& root, const QString& component, const QString& member) {
    QJsonObject object = root.value(component).toObject();
    object.remove(member);
    root.insert(component, object);
}

void setGoodMachine(TestEngine& engine) {
    engine.setMachine(QString::fromUtf8(fixture::kGoodOS), true,
                      QString::fromUtf8(fixture::kGoodCPU), 16.0, {fixture::kGoodGPU});
}

void verifyAllUnchecked(const OrvoCheckLib& engine) {
    const QString unchecked = QStringLiteral("RANK_UNCHECKED");
    QCOMPARE(engine.getOSRank(), unchecked);
    QCOMPARE(engine.getCPURank(), unchecked);
    QCOMPARE(engine.getGPURank(0), unchecked);
    QCOMPARE(engine.getRepGPURank(), unchecked);
    QCOMPARE(engine.getRepGPUName(), QString());
    QCOMPARE(engine.getMemoryRank(), unchecked);
    QCOMPARE(engine.getOverallRank(), unchecked);
}

const char* const kValidationMessages[] = {
    "ERROR! Fail to read version", "ERROR! Failed to read OS list",
    "ERROR! Failed to read CPU list", "ERROR! Failed to read GPU list",
    "ERROR! Failed to read memory condition"};

using TextEdit = std::function<QByteArray(QByteArray)>;

// validComparison() with figures of every kind behind its lists: a product
// of its own, and a family with its witness apart.
QByteArray figuresComparison() { return readFile(QStringLiteral(ORVO_FIGURES_COMPARISON)); }

// The text with a member put first in its top-level object.
TextEdit withMember(const QByteArray& member) {
    return [member](QByteArray text) { return text.insert(text.indexOf('{') + 1, member + ','); };
}
TextEdit replacing(const QByteArray& from, const QByteArray& to) {
    return [from, to](QByteArray text) { return text.replace(from, to); };
}
const TextEdit kAsItIs = [](QByteArray text) { return text; };

}  // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(TextEdit)

class ComparisonFileTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_WorkDir.reset(new TempWorkDir);
        QVERIFY(m_WorkDir->isValid());
        m_Log.reset(new LogCapture);
    }
    void cleanup() {
        m_Log.reset();
        m_WorkDir.reset();
    }

    void validation_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("message");  // empty: the file is valid
        QTest::addColumn<QString>("version");  // m_JsonVersion afterwards

        const QString version = QStringLiteral("ERROR! Fail to read version");
        const QString os = QStringLiteral("ERROR! Failed to read OS list");
        const QString cpu = QStringLiteral("ERROR! Failed to read CPU list");
        const QString gpu = QStringLiteral("ERROR! Failed to read GPU list");
        const QString memory = QStringLiteral("ERROR! Failed to read memory condition");
        const QString v = QStringLiteral("test-1");
        const QString good = QStringLiteral("Good list");
        const QString bad = QStringLiteral("Bad list");
        const QString min = QStringLiteral("Good min");

        QTest::newRow("valid") << Edit([](QJsonObject&) {}) << QString() << v;
        QTest::newRow("version missing")
            << Edit([](QJsonObject& r) { r.remove("Version"); }) << version << QString();
        QTest::newRow("version empty")
            << Edit([](QJsonObject& r) { r["Version"] = ""; }) << version << QString();
        QTest::newRow("version as a number")
            << Edit([](QJsonObject& r) { r["Version"] = 3; }) << version << QString();
        QTest::newRow("version in lower case")
            << Edit([](QJsonObject& r) { r["version"] = r.take("Version"); }) << version
            << QString();
        QTest::newRow("OS good list empty")
            << Edit([=](QJsonObject& r) { setMember(r, "OS", good, QJsonArray()); }) << os << v;
        QTest::newRow("OS bad list empty")
            << Edit([=](QJsonObject& r) { setMember(r, "OS", bad, QJsonArray()); }) << os << v;
        QTest::newRow("OS bad list missing")
            << Edit([=](QJsonObject& r) { removeMember(r, "OS", bad); }) << os << v;
        QTest::newRow("OS good list a string")
            << Edit([=](QJsonObject& r) { setMember(r, "OS", good, "Windows 10"); }) << os << v;
        QTest::newRow("OS an array")
            << Edit([](QJsonObject& r) { r["OS"] = QJsonArray{r["OS"].toObject()}; }) << os << v;
        QTest::newRow("OS and CPU both broken: only the first is reported")
            << Edit([=](QJsonObject& r) {
                   r.remove("OS");
                   r.remove("CPU");
               })
            << os << v;
        QTest::newRow("CPU good list empty")
            << Edit([=](QJsonObject& r) { setMember(r, "CPU", good, QJsonArray()); }) << cpu << v;
        QTest::newRow("CPU good list missing")
            << Edit([=](QJsonObject& r) { removeMember(r, "CPU", good); }) << cpu << v;
        QTest::newRow("CPU bad list empty")
            << Edit([=](QJsonObject& r) { setMember(r, "CPU", bad, QJsonArray()); }) << QString()
            << v;
        QTest::newRow("CPU bad list missing")
            << Edit([=](QJsonObject& r) { removeMember(r, "CPU", bad); }) << QString() << v;
        QTest::newRow("GPU good list empty")
            << Edit([=](QJsonObject& r) { setMember(r, "GPU", good, QJsonArray()); }) << gpu << v;
        QTest::newRow("GPU missing") << Edit([](QJsonObject& r) { r.remove("GPU"); }) << gpu << v;
        QTest::newRow("GPU bad list empty")
            << Edit([=](QJsonObject& r) { setMember(r, "GPU", bad, QJsonArray()); }) << QString()
            << v;
        QTest::newRow("GPU bad list missing")
            << Edit([=](QJsonObject& r) { removeMember(r, "GPU", bad); }) << QString() << v;
        QTest::newRow("good min as the text 4")
            << Edit([=](QJsonObject& r) { setMember(r, "Memory", min, "4"); }) << memory << v;
        QTest::newRow("good min 0")
            << Edit([=](QJsonObject& r) { setMember(r, "Memory", min, 0); }) << memory << v;
        QTest::newRow("good min negative")
            << Edit([=](QJsonObject& r) { setMember(r, "Memory", min, -2); }) << memory << v;
        QTest::newRow("good min missing")
            << Edit([](QJsonObject& r) { r.remove("Memory"); }) << memory << v;
        QTest::newRow("good min 4")
            << Edit([=](QJsonObject& r) { setMember(r, "Memory", min, 4); }) << QString() << v;
        QTest::newRow("good min 3.5")
            << Edit([=](QJsonObject& r) { setMember(r, "Memory", min, 3.5); }) << QString() << v;
        QTest::newRow("unknown keys are ignored") << Edit([](QJsonObject& r) {
            r["Extra"] = QJsonObject{{"Good list", QJsonArray()}};
        }) << QString() << v;
    }
    void validation() {
        QFETCH(Edit, edit);
        QFETCH(QString, message);
        QFETCH(QString, version);

        QJsonObject document = validComparison();
        edit(document);
        QVERIFY(writeFile(kSavePath, toJsonBytes(document)));
        TestEngine engine;
        setGoodMachine(engine);

        QCOMPARE(engine.compareWithFile(kSavePath), message.isEmpty());
        QCOMPARE(engine.getJsonVersion(), version);
        QStringList errors;
        for (const char* text : kValidationMessages)
            errors += m_Log->linesContaining(QString::fromLatin1(text));
        if (message.isEmpty()) {
            QCOMPARE(errors, QStringList());
            QCOMPARE(engine.getOverallRank(), QStringLiteral("RANK_GOOD"));
        } else {
            QCOMPARE(errors, QStringList{message});
            verifyAllUnchecked(engine);
        }
    }

    void validationMessagesUseTheirSeverity() {
        QJsonObject document = validComparison();
        document.remove("OS");
        QVERIFY(writeFile(kSavePath, toJsonBytes(document)));
        TestEngine engine;
        QTest::ignoreMessage(QtWarningMsg, "ERROR! Failed to read OS list");
        m_Log.reset();  // let the test framework see the message
        QVERIFY(!engine.compareWithFile(kSavePath));
        QVERIFY(writeFile(kSavePath, "{\"OS\": {}}"));
        QTest::ignoreMessage(QtDebugMsg, "ERROR! Fail to read version");
        QVERIFY(!engine.compareWithFile(kSavePath));
    }

    // One parser reads the whole file: the same document gives the same
    // ranks and figures whatever else it holds, however its keys are spelt.
    void parserCases_data() {
        QTest::addColumn<TextEdit>("before");
        QTest::addColumn<TextEdit>("after");
        QTest::addColumn<bool>("evaluated");
        const QByteArray emoji = R"("Note": "\ud83d\ude00")";
        QTest::newRow("an escaped emoji elsewhere") << kAsItIs << withMember(emoji) << true;
        // Numbers a double cannot hold are refused by the toolkit's parser,
        // wherever they stand: the same for either file.
        QTest::newRow("1e-400 in the figures, with and without an escaped emoji")
            << replacing(R"("value": 8)", R"("value": 1e-400)")
            << TextEdit([emoji](QByteArray text) {
                   return withMember(emoji)(text.replace(R"("value": 8)", R"("value": 1e-400)"));
               })
            << false;
        QTest::newRow("arrays nested 300 deep elsewhere")
            << kAsItIs << withMember("\"Deep\": " + QByteArray(300, '[') + QByteArray(300, ']'))
            << true;
        QTest::newRow("a lone \\ud800 elsewhere")
            << kAsItIs << withMember(R"("Lone": "\ud800")") << true;
        QTest::newRow("\"G\\u0050U\" is \"GPU\"")
            << kAsItIs << replacing(R"("GPU")", R"("G\u0050U")") << true;
        QTest::newRow("\"Fig\\u0075res\" is \"Figures\"")
            << kAsItIs << replacing(R"("Figures")", R"("Fig\u0075res")") << true;
        QTest::newRow("1e400 in a display-only member, with and without an escaped emoji")
            << replacing(R"("value": 8)", R"("value": 1e400)")
            << TextEdit([emoji](QByteArray text) {
                   return withMember(emoji)(text.replace(R"("value": 8)", R"("value": 1e400)"));
               })
            << false;
        QTest::newRow("Windows line ends") << kAsItIs << replacing("\n", "\r\n") << true;
    }
    void parserCases() {
        QFETCH(TextEdit, before);
        QFETCH(TextEdit, after);
        QFETCH(bool, evaluated);
        const auto check = [](const QByteArray& text) {
            TestEngine engine;
            engine.setMachine(QString::fromUtf8(fixture::kGoodOS), true,
                              QString::fromUtf8(fixture::kGoodCPU), 16.0,
                              {fixture::kBadGPU, fixture::kGoodGPU});
            const bool done = writeFile(kSavePath, text) && engine.compareWithFile(kSavePath);
            return checkOutcome(engine, done);
        };
        const QString base = check(figuresComparison());
        QVERIFY2(base.contains("GeForce GTX 1080") && base.contains("Radeon HD 7750") &&
                     base.contains("Intel Core i7-8700K"),
                 qPrintable(base));
        const QString first = check(before(figuresComparison()));
        QCOMPARE(first.startsWith(evaluated ? "1\n" : "0\n"), true);
        if (evaluated) QCOMPARE(first, base);
        QCOMPARE(check(after(figuresComparison())), first);
    }

    void unreadableFiles_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("line");
        QTest::newRow("missing") << kSavePath << QByteArray()
                                 << "Fatal: \"comp/comp.json\" doesn't exist!";
        QTest::newRow("a folder") << QStringLiteral("comp") << QByteArray()
                                  << "Fatal! Failed to open \"comp\"";
        QTest::newRow("cut short") << kSavePath << QByteArray("{\"Version\": \"x\", ")
                                   << "Fatal! Failed to parse json file:";
        QTest::newRow("empty") << kSavePath << QByteArray("")
                               << "Fatal! Failed to parse json file:";
        QTest::newRow("an error page")
            << kSavePath << QByteArray("<html>503</html>") << "Fatal! Failed to parse json file:";
    }
    void unreadableFiles() {
        QFETCH(QString, path);
        QFETCH(QByteArray, content);
        QFETCH(QString, line);
        if (path == kSavePath && !content.isNull()) QVERIFY(writeFile(path, content));

        TestEngine engine;
        QVERIFY(writeFile(kDefaultPath, toJsonBytes(validComparison("kept"))));
        QVERIFY(engine.readJsonFile(kDefaultPath));
        m_Log->clear();

        QVERIFY(!engine.readJsonFile(path));
        QCOMPARE(engine.jsonRoot().value("Version").toString(), QStringLiteral("kept"));
        const QStringList lines = m_Log->lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith(line), qPrintable(lines.first()));
        if (line.startsWith(QStringLiteral("Fatal! Failed to parse")))
            QVERIFY(lines.first().contains(QStringLiteral(" , offset: ")));
        QVERIFY(!engine.compareWithFile(path));
        verifyAllUnchecked(engine);
    }

    // The file is read as text: carriage returns vanish wherever they stand,
    // even inside a name, where JSON would not allow them.
    void carriageReturnsAreDropped() {
        QByteArray bytes = toJsonBytes(validComparison()).replace('\n', "\r\n");
        bytes.replace("Intel(R) Core(TM) i7", "Intel(R)\r Core(TM) i7");
        QVERIFY(bytes.contains("(R)\r Core"));
        QVERIFY(writeFile(kSavePath, bytes));
        TestEngine engine;
        setGoodMachine(engine);
        QVERIFY(engine.compareWithFile(kSavePath));
        QCOMPARE(engine.getCPURank(), QStringLiteral("RANK_GOOD"));
    }

    // Read as text, the file ends at its first zero byte: what follows is
    // never parsed.
    void aZeroByteEndsTheText() {
        QVERIFY(writeFile(kSavePath, toJsonBytes(validComparison()) + '\0' + "<html>"));
        TestEngine engine;
        setGoodMachine(engine);
        QVERIFY(engine.compareWithFile(kSavePath));
        QCOMPARE(engine.getCPURank(), QStringLiteral("RANK_GOOD"));
    }

    void aTopLevelArrayParsesButFailsOnTheVersion() {
        QVERIFY(writeFile(kSavePath, "[" + toJsonBytes(validComparison()) + "]"));
        TestEngine engine;
        QVERIFY(engine.readJsonFile(kSavePath));
        QVERIFY(engine.jsonRoot().isEmpty());
        QVERIFY(!engine.compareWithFile(kSavePath));
        QCOMPARE(m_Log->linesContaining("ERROR! Fail to read version").size(), 1);
    }

    void theTraceNamesTheFileBeforeItsVersion() {
        QVERIFY(writeFile(kSavePath, toJsonBytes(validComparison())));
        TestEngine engine;
        QVERIFY(engine.compareWithFile(kSavePath));
        const QStringList lines = m_Log->lines();
        QCOMPARE(lines.at(0), QStringLiteral("[OrvoCheckLib] Json path:  \"comp/comp.json\""));
        QCOMPARE(lines.at(1), QStringLiteral("[OrvoCheckLib] Json version:  \"test-1\""));
    }

    // No URL or no save path: the shipped file is read at once, on the
    // calling thread, and the end is signalled before startCompare returns.
    void withoutADownloadTheShippedFileIsReadOnTheCallingThread_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("savePath");
        QTest::newRow("empty URL") << QString() << kSavePath;
        QTest::newRow("empty save path") << QStringLiteral("http://127.0.0.1:9/x") << QString();
    }
    void withoutADownloadTheShippedFileIsReadOnTheCallingThread() {
        QFETCH(QString, url);
        QFETCH(QString, savePath);
        QVERIFY(writeFile(kDefaultPath, toJsonBytes(validComparison("shipped"))));
        TestEngine engine;
        setGoodMachine(engine);
        WorkerThread worker;
        std::atomic<int> finished{0};
        QThread* finishedOn = nullptr;
        connect(
            &engine, &OrvoCheckLib::compareFinished, &engine,
            [&] {
                finishedOn = QThread::currentThread();
                ++finished;
            },
            Qt::DirectConnection);
        int finishedWhenReturned = -1;
        worker.run([&] {
            engine.startCompare(url, savePath, kDefaultPath);
            finishedWhenReturned = finished;
        });
        QCOMPARE(finishedWhenReturned, 1);
        QCOMPARE(finishedOn, worker.thread());
        QCOMPARE(engine.getJsonVersion(), QStringLiteral("shipped"));
        QCOMPARE(engine.getOverallRank(), QStringLiteral("RANK_GOOD"));
        QCOMPARE(m_Log->linesContaining("Download online json file").size(), 0);
        QCOMPARE(m_Log->linesContaining("[OrvoCheckLib] Json path:").size(), 1);
        QTest::qWait(20);
        QCOMPARE(int(finished), 1);
    }

    void withoutAnyUsableFileEveryRankStaysUnchecked() {
        TestEngine engine;
        setGoodMachine(engine);
        QSignalSpy finished(&engine, &OrvoCheckLib::compareFinished);
        engine.startCompare(QString(), kSavePath, kDefaultPath);
        QCOMPARE(finished.count(), 1);
        verifyAllUnchecked(engine);
        QCOMPARE(engine.getJsonVersion(), QString());
    }

    // A download from the coordinator's worker thread: the outcome is
    // evaluated, and the end signalled, on the engine's own thread. A list is
    // used only with its signature by a trusted key and when not older than
    // the shipped one.
    void downloadsAndFallBack_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("signedBody");  // whose signature is served; empty: none
        QTest::addColumn<QByteArray>("shipped");     // the shipped file; empty: none
        QTest::addColumn<QString>("usedPath");       // "Json path:" of the ranks, or empty
        QTest::addColumn<QString>("version");        // afterwards
        QTest::addColumn<QString>("expectLine");     // a line that must appear
        QTest::addColumn<bool>("unsaveable");        // comp/comp.json cannot be written
        QTest::addColumn<QString>("gpuRank");        // of the machine's adapter, when ranked

        QJsonObject noOsBad = validComparison("downloaded");
        removeMember(noOsBad, "OS", "Bad list");
        const QByteArray valid = toJsonBytes(validComparison("downloaded"));
        const QByteArray shipped = toJsonBytes(validComparison("shipped"));
        const QString good = QStringLiteral("RANK_GOOD");

        QTest::newRow("download used") << 200 << valid << valid << shipped << kSavePath
                                       << "downloaded" << "Json file downloaded successfully"
                                       << false << good;
        QTest::newRow("HTTP error: shipped used")
            << 404 << QByteArray("<html>gone</html>") << QByteArray() << shipped << kDefaultPath
            << "shipped" << "ContentNotFoundError" << false << good;
        QTest::newRow("not JSON: shipped used")
            << 200 << QByteArray("<html>maintenance</html>") << QByteArray("<html>maintenance</html>")
            << shipped << kDefaultPath << "shipped" << "Fatal! Failed to parse json file:" << false
            << good;
        QTest::newRow("invalid download: shipped used")
            << 200 << toJsonBytes(noOsBad) << toJsonBytes(noOsBad) << shipped << kDefaultPath
            << "shipped" << "ERROR! Failed to read OS list" << false << good;
        QTest::newRow("both fail: version of the download survives")
            << 200 << toJsonBytes(noOsBad) << toJsonBytes(noOsBad) << QByteArray() << QString()
            << "downloaded" << "Fatal: \"comp/compDefault.json\" doesn't exist!" << false
            << QString();
        QTest::newRow("both fail, nothing read")
            << 500 << QByteArray() << QByteArray() << QByteArray() << QString() << QString()
            << "Fatal: \"comp/compDefault.json\" doesn't exist!" << false << QString();
        QTest::newRow("cannot be saved: the download used from memory")
            << 200 << valid << valid << shipped << kSavePath + " (not saved)" << "downloaded"
            << "this check uses it from memory" << true << good;

        // The shipped list ranks the GTX 960 bad; a forger makes it good.
        const QByteArray real = readFile(QStringLiteral(ORVO_SHIPPED_LIST));
        const QString realVersion = QJsonDocument::fromJson(real).object().value("Version").toString();
        QJsonObject newer = QJsonDocument::fromJson(real).object();
        newer.insert(QStringLiteral("Version"), QStringLiteral("9999.01.01"));
        const QByteArray newerBytes = toJsonBytes(newer);
        QJsonObject gpu = newer.value("GPU").toObject();
        QJsonArray goodList = gpu.value("Good list").toArray();
        goodList.append(QJsonArray{kGtx960.vendorId, kGtx960.deviceId});
        gpu.insert(QStringLiteral("Good list"), goodList);
        newer.insert(QStringLiteral("GPU"), gpu);
        const QByteArray forged = toJsonBytes(newer);
        QJsonObject older = newer;
        older.insert(QStringLiteral("Version"), QStringLiteral("2001.01.01"));
        const QByteArray olderBytes = toJsonBytes(older);
        const QString bad = QStringLiteral("RANK_BAD");

        QTest::newRow("GTX 960 made good, signature of the list before")
            << 200 << forged << newerBytes << real << kDefaultPath << realVersion
            << "[OrvoCheckLib] Downloaded list not used: signature does not verify" << false << bad;
        QTest::newRow("GTX 960 made good, no signature")
            << 200 << forged << QByteArray() << real << kDefaultPath << realVersion
            << "[OrvoCheckLib] Downloaded list not used: signature missing" << false << bad;
        QTest::newRow("GTX 960 made good by the key holder")
            << 200 << forged << forged << real << kSavePath << "9999.01.01"
            << "[OrvoCheckLib] Downloaded list signature verified, version \"9999.01.01\"" << false
            << good;
        QTest::newRow("signed but older than the shipped list")
            << 200 << olderBytes << olderBytes << real << kDefaultPath << realVersion
            << "[OrvoCheckLib] Downloaded list not used: version \"2001.01.01\" older than the "
               "shipped list \"" + realVersion + "\"" << false << bad;
    }
    void downloadsAndFallBack() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, signedBody);
        QFETCH(QByteArray, shipped);
        QFETCH(QString, usedPath);
        QFETCH(QString, version);
        QFETCH(QString, expectLine);
        QFETCH(bool, unsaveable);
        QFETCH(QString, gpuRank);

        // A folder where the file belongs: no one, root included, can save it.
        if (unsaveable) QVERIFY(QDir().mkpath(kSavePath));
        if (!shipped.isEmpty()) QVERIFY(writeFile(kDefaultPath, shipped));
        QMap<QString, QByteArray> files;
        if (status == 200) files.insert(QStringLiteral("/OrvoCheckComp/comp.json"), body);
        if (!signedBody.isEmpty()) {
            const QByteArray signature = signatureByTestKey(signedBody);
            QCOMPARE(signature.size(), 64);
            files.insert(QStringLiteral("/OrvoCheckComp/comp.json.sig"), signature);
        }
        HttpTestServer server(status == 200 ? HttpResponsePlan::withFiles(files)
                                            : HttpResponsePlan::full(status, body));
        qputenv("ORVOCHECK_LIST_KEY", testListKeyHex());
        TestEngine engine;
        const bool realList = shipped.size() > 100000;
        if (realList)
            engine.setMachine(QString::fromUtf8(fixture::kGoodOS), true,
                              QString::fromUtf8(fixture::kGoodCPU), 16.0, {kGtx960});
        else
            setGoodMachine(engine);
        std::atomic<int> finished{0};
        QThread* finishedOn = nullptr;
        connect(
            &engine, &OrvoCheckLib::compareFinished, &engine,
            [&] {
                finishedOn = QThread::currentThread();
                ++finished;
            },
            Qt::DirectConnection);

        WorkerThread worker;
        worker.run([&] { engine.startCompare(server.url(), kSavePath, kDefaultPath); });
        QTRY_COMPARE_WITH_TIMEOUT(int(finished), 1, 20000);
        QCOMPARE(finishedOn, QThread::currentThread());
        // The signature is asked for beside every list that arrived.
        QCOMPARE(server.requestLines().size(), status == 200 ? 2 : 1);

        const QStringList lines = m_Log->lines();
        QCOMPARE(lines.first(), QStringLiteral("[OrvoCheckLib] Download online json file"));
        QVERIFY2(LogCapture::indexOf(lines, expectLine) >= 0, qPrintable(expectLine));
        QCOMPARE(engine.getJsonVersion(), version);
        const QStringList used = m_Log->linesContaining("[OrvoCheckLib] Json path:");
        if (usedPath.isEmpty()) {
            verifyAllUnchecked(engine);
        } else {
            QCOMPARE(used.last(), "[OrvoCheckLib] Json path:  \"" + usedPath + "\"");
            QCOMPARE(engine.getRepGPURank(), gpuRank);
            if (!realList) QCOMPARE(engine.getOverallRank(), QStringLiteral("RANK_GOOD"));
            // The evaluation ran where the end was signalled.
            QVERIFY(LogCapture::indexOf(m_Log->linesFrom(QThread::currentThread()),
                                        QStringLiteral("[OrvoCheckLib] Overall rank:")) >= 0);
        }
        QTest::qWait(50);
        QCOMPARE(int(finished), 1);
        qunsetenv("ORVOCHECK_LIST_KEY");
    }

    void aDownloadCutOffByTheTimeLimitFallsBack() {
        QVERIFY(writeFile(kDefaultPath, toJsonBytes(validComparison("shipped"))));
        HttpTestServer server(HttpResponsePlan::trickle(QByteArray(1000, ' '), 50));
        TestEngine engine;
        setGoodMachine(engine);
        engine.setDownloadLimits(800, WebLoader::kDefaultMaxBodyBytes);
        QSignalSpy finished(&engine, &OrvoCheckLib::compareFinished);
        WorkerThread worker;
        worker.run([&] { engine.startCompare(server.url(), kSavePath, kDefaultPath); });
        QVERIFY(finished.wait(5000));
        QCOMPARE(engine.getJsonVersion(), QStringLiteral("shipped"));
        const QStringList lines = m_Log->lines();
        const int cut = LogCapture::indexOf(lines, QStringLiteral("took longer than 800 ms"));
        QVERIFY(cut >= 0);
        QVERIFY(LogCapture::indexOf(lines, QStringLiteral("OperationCanceledError"), cut) > cut);
        QVERIFY(LogCapture::indexOf(lines, QStringLiteral("Json path:  \"comp/compDefault.json\""),
                                    cut) > cut);
        QVERIFY(!QFile::exists(kSavePath));
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
    }

    // The engine may go while its download still waits on a silent server,
    // with the downloading thread still running or already ended (as at
    // shutdown, where the coordinator's thread ends before its engine).
    void destroyingTheEngineMidDownloadIsSafe_data() {
        QTest::addColumn<bool>("threadEndsFirst");
        QTest::newRow("thread running") << false;
        QTest::newRow("thread ended") << true;
    }
    void destroyingTheEngineMidDownloadIsSafe() {
        QFETCH(bool, threadEndsFirst);
        HttpTestServer server(HttpResponsePlan::silent());
        QScopedPointer<WorkerThread> worker(new WorkerThread);
        QScopedPointer<TestEngine> engine(new TestEngine);
        QSignalSpy finished(engine.data(), &OrvoCheckLib::compareFinished);
        worker->run([&] { engine->startCompare(server.url(), kSavePath, kDefaultPath); });
        QTRY_COMPARE_WITH_TIMEOUT(server.requestLines().size(), 1, 5000);
        if (threadEndsFirst) worker.reset();
        engine.reset();
        worker.reset();
        QCOMPARE(finished.count(), 0);
        QCOMPARE(m_Log->linesContaining(QStringLiteral("another thread")), QStringList());
    }

    void theDownloadAddressComesFromTheBuildUnlessOverridden_data() {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("built in") << false << QByteArray();
        QTest::newRow("overridden") << true << QByteArray("http://127.0.0.1:8080/x.json");
        QTest::newRow("empty: no download") << true << QByteArray();
    }
    void theDownloadAddressComesFromTheBuildUnlessOverridden() {
        QFETCH(bool, set);
        QFETCH(QByteArray, value);
        const char* name = "ORVOCHECK_CONTENT_URL";
        const bool wasSet = qEnvironmentVariableIsSet(name);
        const QByteArray previous = qgetenv(name);
        if (set)
            qputenv(name, value);
        else
            qunsetenv(name);
        const QString url = comparisonDownloadUrl();
        if (wasSet)
            qputenv(name, previous);
        else
            qunsetenv(name);

        if (set) {
            QCOMPARE(url, QString::fromLatin1(value));
        } else {
            QVERIFY2(url.startsWith(QStringLiteral("http://")), qPrintable(url));
            QVERIFY2(url.endsWith(QStringLiteral("/OrvoCheckComp/comp.json")), qPrintable(url));
        }
    }

private:
    QScopedPointer<TempWorkDir> m_WorkDir;
    QScopedPointer<LogCapture> m_Log;
};

QTEST_GUILESS_MAIN(ComparisonFileTest)
#include "tst_comparison_file.moc"
