// The comparison download against a real HTTP server on 127.0.0.1.
#include <QDir>
#include <QFile>
#include <QtTest>

#include "checker_test_support.h"
#include "http_test_server.h"
#include "log_capture.h"

namespace {

const QString kSavePath = QStringLiteral("comp/comp.json");

// After every download the counters are back at 0 and no timer runs.
void verifyIdle(LoaderRun& run) {
    run.inspect([](const TestWebLoader& loader) {
        QCOMPARE(loader.fileDownSize(), 0);
        QCOMPARE(loader.lastDownSize(), 0);
        QVERIFY(!loader.stallTimerActive());
        QVERIFY(!loader.totalTimerActive());
    });
}

QStringList compFolderEntries() {
    return QDir(QStringLiteral("comp")).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

}  // namespace

class WebLoaderTest : public QObject {
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

    void successSavesTheBodyAndReportsTrue() {
        const QByteArray body = toJsonBytes(validComparison());
        const QByteArray signature(64, 's');
        HttpTestServer server(HttpResponsePlan::withFiles(
            {{QStringLiteral("/OrvoCheckComp/comp.json"), body},
             {QStringLiteral("/OrvoCheckComp/comp.json.sig"), signature}}));
        const QByteArray earlier(4096, 'o');  // an older, longer download
        QVERIFY(writeFile(kSavePath, earlier));
        // Whoever still reads the earlier file sees it whole: the new one is
        // renamed into place, never written over it.
        QFile earlierReader(kSavePath);
        QVERIFY(earlierReader.open(QIODevice::ReadOnly));

        LoaderRun run(server.url(), kSavePath);
        run.inspect([](const TestWebLoader& loader) {
            QVERIFY(loader.stallTimerActive());
            QCOMPARE(loader.stallInterval(), 7000);
            QVERIFY(loader.stallTimerRepeats());
        });
        QTRY_COMPARE_WITH_TIMEOUT(run.emissions(), 1, 10000);
        QVERIFY(run.result());
        QCOMPARE(readFile(kSavePath), body);
        QCOMPARE(earlierReader.readAll(), earlier);
        QCOMPARE(compFolderEntries(), QStringList{QStringLiteral("comp.json")});
        QCOMPARE(server.requestLines(),
                 QStringList({QStringLiteral("GET /OrvoCheckComp/comp.json HTTP/1.1"),
                              QStringLiteral("GET /OrvoCheckComp/comp.json.sig HTTP/1.1")}));
        run.inspect([&](const TestWebLoader& loader) {
            QCOMPARE(loader.body(), body);
            QCOMPARE(loader.signature(), signature);
        });

        const QStringList lines = m_Log->linesFrom(run.thread());
        QVERIFY(LogCapture::indexOf(lines, QStringLiteral("[WebLoader] Total size: ")) >= 0);
        QVERIFY(lines.contains(QStringLiteral("[WebLoader] Json file downloaded successfully, "
                                              "saved to \"comp/comp.json\"")));
        QCOMPARE(lines.last(), QStringLiteral("[WebLoader] Signature downloaded, 64 bytes"));
        QCOMPARE(lines.filter(QStringLiteral("m_LastDownSize")).size(), 0);
        verifyIdle(run);
        QTest::qWait(50);
        QCOMPARE(run.emissions(), 1);
    }

    void failuresWriteNothing_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("earlierFile");
        QTest::addColumn<QString>("error");
        QTest::newRow("404 with an error page") << 404 << false << "ContentNotFoundError";
        QTest::newRow("404 keeps an earlier download") << 404 << true << "ContentNotFoundError";
        QTest::newRow("500") << 500 << false << "InternalServerError";
        QTest::newRow("connection refused") << 0 << true << "ConnectionRefusedError";
        QTest::newRow("not a web address") << -1 << true << "ProtocolUnknownError";
    }
    void failuresWriteNothing() {
        QFETCH(int, status);
        QFETCH(bool, earlierFile);
        QFETCH(QString, error);
        const QByteArray earlier = toJsonBytes(validComparison(QStringLiteral("earlier")));
        if (earlierFile) QVERIFY(writeFile(kSavePath, earlier));

        QScopedPointer<HttpTestServer> server;
        QString url = QStringLiteral("http://127.0.0.1:%1/OrvoCheckComp/comp.json")
                          .arg(HttpTestServer::closedPort());
        if (status < 0) url = QStringLiteral("comp.example/OrvoCheckComp/comp.json");
        if (status > 0) {
            server.reset(
                new HttpTestServer(HttpResponsePlan::full(status, "<html>Not here</html>")));
            url = server->url();
        }

        LoaderRun run(url, kSavePath);
        QTRY_COMPARE_WITH_TIMEOUT(run.emissions(), 1, 10000);
        QVERIFY(!run.result());
        QCOMPARE(readFile(kSavePath), earlierFile ? earlier : QByteArray());
        QCOMPARE(compFolderEntries().size(), earlierFile ? 1 : 0);
        QCOMPARE(m_Log->linesFrom(run.thread()).last(),
                 QStringLiteral("[WebLoader] Json file download failed, error:  "
                                "QNetworkReply::") +
                     error);
        verifyIdle(run);
    }

    void aBodyThatIsNotJsonIsStillSaved() {
        HttpTestServer server(HttpResponsePlan::full(200, "<html>maintenance</html>"));
        LoaderRun run(server.url(), kSavePath);
        QTRY_COMPARE_WITH_TIMEOUT(run.emissions(), 1, 10000);
        QVERIFY(run.result());
        QCOMPARE(readFile(kSavePath), QByteArray("<html>maintenance</html>"));
    }

    // The engine then checks against the body in memory (tst_comparison_file).
    void aSaveThatFailsIsStillASuccess() {
        HttpTestServer server(HttpResponsePlan::full(200, toJsonBytes(validComparison())));
        LoaderRun run(server.url(), QStringLiteral("missing-folder/comp.json"));
        QTRY_COMPARE_WITH_TIMEOUT(run.emissions(), 1, 10000);
        QVERIFY(run.result());
        QVERIFY(!QFile::exists(QStringLiteral("missing-folder/comp.json")));
        QVERIFY(LogCapture::indexOf(m_Log->linesFrom(run.thread()),
                                    QStringLiteral("[WebLoader] Json file downloaded but could not "
                                                   "be saved to \"missing-folder/comp.json\"")) >= 0);
        verifyIdle(run);
    }

    // Both stalls run side by side on their own threads to keep the wait at
    // two stall periods.
    void stalledTransfersAreAbortedAtTheFirstTickWithoutGrowth() {
        const QByteArray body = toJsonBytes(validComparison());
        HttpTestServer silent(HttpResponsePlan::silent());
        HttpTestServer partial(HttpResponsePlan::stallAfter(body, 100));
        QVERIFY(writeFile(kSavePath, "earlier"));

        LoaderRun silentRun(silent.url(), kSavePath);
        LoaderRun partialRun(partial.url(), kSavePath);

        // Bounds between the ticks: the first tick aborts (the timer may fire
        // a little early), the second would be too late.
        QTRY_COMPARE_WITH_TIMEOUT(silentRun.emissions(), 1, 13000);
        QVERIFY(!silentRun.result());
        QVERIFY2(silentRun.elapsedMs() >= 6500 && silentRun.elapsedMs() < 13000,
                 qPrintable(QString::number(silentRun.elapsedMs())));
        // Aborting makes the network layer report progress once more.
        const QStringList silentLines = m_Log->linesFrom(silentRun.thread());
        QCOMPARE(silentLines.filter(QStringLiteral("[WebLoader] Total size: ")).size(),
                 silentLines.size() - 3);
        QCOMPARE(silentLines.filter(QRegularExpression(QStringLiteral("^(?!.*Total size)"))),
                 QStringList({QStringLiteral("[WebLoader] m_LastDownSize:  0 , m_FileDownSize:  0"),
                              QStringLiteral("[WebLoader] Http url download request time out, and "
                                             "abort request!!!"),
                              QStringLiteral("[WebLoader] Json file download failed, error:  "
                                             "QNetworkReply::OperationCanceledError")}));
        verifyIdle(silentRun);

        QTRY_COMPARE_WITH_TIMEOUT(partialRun.emissions(), 1, 15000);
        QVERIFY(!partialRun.result());
        QVERIFY2(partialRun.elapsedMs() >= 13000 && partialRun.elapsedMs() < 20000,
                 qPrintable(QString::number(partialRun.elapsedMs())));
        const QStringList lines = m_Log->linesFrom(partialRun.thread());
        const int first = LogCapture::indexOf(
            lines, QStringLiteral("[WebLoader] m_LastDownSize:  0 , m_FileDownSize:  100"));
        const int second = LogCapture::indexOf(
            lines, QStringLiteral("[WebLoader] m_LastDownSize:  100 , m_FileDownSize:  100"));
        QVERIFY(first >= 0);
        QCOMPARE(second, first + 1);
        QVERIFY(lines.at(second + 1).contains(QStringLiteral("request time out")));
        QVERIFY(LogCapture::indexOf(lines, QStringLiteral("OperationCanceledError"), second) >
                second + 1);
        verifyIdle(partialRun);
        QCOMPARE(readFile(kSavePath), QByteArray("earlier"));
    }

    void aTrickleIsCutOffByTheTotalTimeLimit() {
        HttpTestServer server(HttpResponsePlan::trickle(QByteArray(1000, ' '), 50));
        LoaderRun run(server.url(), kSavePath, 1500);
        QTRY_COMPARE_WITH_TIMEOUT(run.emissions(), 1, 10000);
        QVERIFY(!run.result());
        QVERIFY2(run.elapsedMs() >= 1400 && run.elapsedMs() < 6500,
                 qPrintable(QString::number(run.elapsedMs())));
        QVERIFY(!QFile::exists(kSavePath));
        const QStringList lines = m_Log->linesFrom(run.thread());
        const int cut = LogCapture::indexOf(
            lines, QStringLiteral("[WebLoader] Http url download took longer than 1500 ms, and "
                                  "abort request!!!"));
        QVERIFY(cut >= 0);
        QVERIFY(LogCapture::indexOf(lines, QStringLiteral("OperationCanceledError"), cut) > cut);
        QCOMPARE(lines.filter(QStringLiteral("m_LastDownSize")).size(), 0);
        verifyIdle(run);
    }

    void anOversizedBodyIsCutOffAtTheDefaultCap_data() {
        QTest::addColumn<bool>("endless");
        QTest::newRow("endless body") << true;
        QTest::newRow("announced 9 MiB") << false;
    }
    void anOversizedBodyIsCutOffAtTheDefaultCap() {
        QFETCH(bool, endless);
        HttpTestServer server(endless ? HttpResponsePlan::endless()
                                      : HttpResponsePlan::full(200, QByteArray(9 << 20, ' ')));
        // No time limit a loaded machine could reach first: only the size
        // may end the transfer, and it is held to one read chunk past the cap.
        LoaderRun run(server.url(), kSavePath, 600000);
        QTRY_COMPARE_WITH_TIMEOUT(run.emissions(), 1, 600000);
        QVERIFY(!run.result());
        QVERIFY(!QFile::exists(kSavePath));
        const QStringList lines = m_Log->linesFrom(run.thread());
        const int cut = LogCapture::indexOf(
            lines, QStringLiteral("[WebLoader] Http url download is larger than 8388608 bytes, "
                                  "and abort request!!!"));
        QVERIFY(cut >= 0);
        // One cut, within a chunk taken and one in the reply past the cap, or
        // at once on the announced length.
        QCOMPARE(lines.filter(QStringLiteral("abort request!!! Received:")).size(), 1);
        qint64 held = 0;
        for (const QString& line : lines)
            held = qMax(held, line.section(QRegularExpression("download size: +|Received: "), 1)
                                  .section(' ', 0, 0)
                                  .toLongLong());
        QVERIFY2(endless ? held > (8 << 20) && held <= (8 << 20) + 2 * WebLoader::kReadChunkBytes
                         : held < (9 << 20) && lines.at(cut).endsWith("announced: 9437184"),
                 qPrintable(lines.at(cut)));
        verifyIdle(run);
    }

    void aBodyOfExactlyTheCapIsAccepted() {
        const QByteArray body(4096, ' ');
        HttpTestServer server(HttpResponsePlan::full(200, body));
        LoaderRun run(server.url(), kSavePath, WebLoader::kDefaultTotalTimeLimitMs, body.size());
        QTRY_COMPARE_WITH_TIMEOUT(run.emissions(), 1, 10000);
        QVERIFY(run.result());
        QCOMPARE(readFile(kSavePath), body);
    }

    void theDefaultCapsLetTheVerdictAppearWithinAMinute() {
        WebLoader loader;
        QCOMPARE(loader.maxBodyBytes(), qint64(8 * 1024 * 1024));
        QVERIFY(loader.totalTimeLimitMs() > 0 && loader.totalTimeLimitMs() <= 30000);
    }

private:
    QScopedPointer<TempWorkDir> m_WorkDir;
    QScopedPointer<LogCapture> m_Log;
};

QTEST_GUILESS_MAIN(WebLoaderTest)
#include "tst_webloader.moc"
