// The diagnostic log: line format, file name and place, flushing, the fatal
// path and a directory that cannot be created. Opening the log is once per
// process, so the cases that open it run in child processes of this test.
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

#include "log.h"

namespace {

const QDateTime kWhen(QDate(2026, 12, 6), QTime(18, 35, 7, 45));

// Child modes, run in a working directory chosen by the parent.
int runChild(const QString& mode) {
    const bool opened = openLogFile();
    qInstallMessageHandler(logMessageHandler);
    std::printf("opened=%d path=%s\n", opened ? 1 : 0, qPrintable(openedLogFilePath()));
    std::fflush(stdout);
    if (mode == "write") {
        qDebug() << "[Child] first" << QStringLiteral("quoted");
        qWarning("second");
        qInfo("third");
        if (!opened) return 0;
        // Each line must already be in the file while the file is open.
        QFile file(openedLogFilePath());
        if (!file.open(QIODevice::ReadOnly)) return 3;
        const int lines = file.readAll().count('\n');
        std::printf("lines-before-exit=%d\n", lines);
        return 0;
    }
    if (mode == "fatal") {
        qDebug("before");
        qFatal("the end");
        qDebug("after");
        return 0;
    }
    return 2;
}

}  // namespace

class TestLog : public QObject {
    Q_OBJECT
private slots:
    void lineFormat_data();
    void lineFormat();
    void fileName();
    void runsInTheSameSecond_data();
    void runsInTheSameSecond();
    void linesAreWrittenAndFlushed();
    void fatalMessageIsTheLastLine();
    void directoryThatCannotBeCreated();

private:
    QProcess* startChild(const QString& mode, const QString& workDir);
};

void TestLog::lineFormat_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("warning") << int(QtWarningMsg) << QString() << 0 << "x"
                             << "[2026-12-06 18:35:07.045] x (W)";
    QTest::newRow("debug") << int(QtDebugMsg) << QString() << 0 << "[main] a b"
                           << "[2026-12-06 18:35:07.045] [main] a b (D)";
    QTest::newRow("critical") << int(QtCriticalMsg) << QString() << 0 << "c"
                              << "[2026-12-06 18:35:07.045] c (C)";
    QTest::newRow("fatal") << int(QtFatalMsg) << QString() << 0 << "f"
                           << "[2026-12-06 18:35:07.045] f (F)";
    QTest::newRow("informational") << int(QtInfoMsg) << QString() << 0 << "i"
                                   << "[2026-12-06 18:35:07.045] i (U)";
    QTest::newRow("console message with its document")
        << int(QtDebugMsg) << "qrc:/main.qml" << 156 << "Load result page"
        << "[2026-12-06 18:35:07.045] Load result page (D)(qrc:/main.qml:156)";
    QTest::newRow("file name with place markers")
        << int(QtDebugMsg) << "qrc:/%1%2.qml" << 7 << "m %1"
        << "[2026-12-06 18:35:07.045] m %1 (D)(qrc:/%1%2.qml:7)";
    QTest::newRow("line without file") << int(QtWarningMsg) << QString() << 12 << "w"
                                       << "[2026-12-06 18:35:07.045] w (W)(:12)";
    QTest::newRow("file without line") << int(QtDebugMsg) << "x.cpp" << 0 << "d"
                                       << "[2026-12-06 18:35:07.045] d (D)";
    QTest::newRow("empty text") << int(QtDebugMsg) << QString() << 0 << ""
                                << "[2026-12-06 18:35:07.045]  (D)";
}

void TestLog::lineFormat() {
    QFETCH(int, type);
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QByteArray fileBytes = file.toUtf8();
    QMessageLogContext context(file.isNull() ? nullptr : fileBytes.constData(), line, nullptr,
                               nullptr);
    QCOMPARE(formatLogLine(QtMsgType(type), context, text, kWhen), expected);
}

void TestLog::fileName() {
#ifdef Q_OS_WIN
    QCOMPARE(logDirectory(), QStringLiteral("..\\OrvoSetupTempLog"));
#else
    QCOMPARE(logDirectory(), QStringLiteral("../OrvoSetupTempLog"));
#endif
    QCOMPARE(logFilePath(QDateTime(QDate(2026, 12, 6), QTime(18, 35, 7))),
             logDirectory() + "/OrvoCheck-log-20261206-183507.txt");
    QCOMPARE(logFilePath(QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5, 999))),
             logDirectory() + "/OrvoCheck-log-20270102-030405.txt");
}

void TestLog::runsInTheSameSecond_data() {
    QTest::addColumn<QStringList>("earlier");  // files of runs already started that second
    QTest::addColumn<QString>("expected");
    const QString first = "OrvoCheck-log-20261206-183507.txt";
    QTest::newRow("first run") << QStringList() << first;
    QTest::newRow("second run") << QStringList{first} << "OrvoCheck-log-20261206-183507-2.txt";
    QTest::newRow("third run") << QStringList{first, "OrvoCheck-log-20261206-183507-2.txt"}
                               << "OrvoCheck-log-20261206-183507-3.txt";
}

void TestLog::runsInTheSameSecond() {
    QFETCH(QStringList, earlier);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString& name : earlier) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("lines of " + name.toUtf8());
    }
    QString problem;
    const std::unique_ptr<QFile> file =
        createLogFile(dir.path(), QDateTime(QDate(2026, 12, 6), QTime(18, 35, 7)), problem);
    QVERIFY2(file, qPrintable(problem));
    QCOMPARE(QFileInfo(file->fileName()).fileName(), expected);
    // Every earlier run keeps its whole log.
    for (const QString& name : earlier) {
        QFile kept(dir.filePath(name));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), "lines of " + name.toUtf8());
    }
}

QProcess* TestLog::startChild(const QString& mode, const QString& workDir) {
    auto* child = new QProcess(this);
    child->setWorkingDirectory(workDir);
    child->setProgram(QCoreApplication::applicationFilePath());
    child->setArguments({"--child", mode});
    child->start();
    return child;
}

void TestLog::linesAreWrittenAndFlushed() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("run"));
    QProcess* child = startChild("write", dir.path() + "/run");
    QVERIFY(child->waitForFinished(20000));
    QCOMPARE(child->exitStatus(), QProcess::NormalExit);
    QCOMPARE(child->exitCode(), 0);
    const QString out = QString::fromLocal8Bit(child->readAllStandardOutput());
    QVERIFY2(out.contains("opened=1"), qPrintable(out));
    QVERIFY2(out.contains("lines-before-exit=3"), qPrintable(out));

    const QStringList files = QDir(dir.path() + "/OrvoSetupTempLog").entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY2(
        QRegularExpression("^OrvoCheck-log-\\d{8}-\\d{6}\\.txt$").match(files.first()).hasMatch(),
        qPrintable(files.first()));
    QFile file(dir.path() + "/OrvoSetupTempLog/" + files.first());
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromLocal8Bit(file.readAll()).split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.last(), QString());
    const QString stamp = "^\\[\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}\\.\\d{3}\\] ";
    QVERIFY2(QRegularExpression(stamp + "\\[Child\\] first \"quoted\" \\(D\\)$")
                 .match(lines.at(0))
                 .hasMatch(),
             qPrintable(lines.at(0)));
    QVERIFY2(QRegularExpression(stamp + "second \\(W\\)$").match(lines.at(1)).hasMatch(),
             qPrintable(lines.at(1)));
    QVERIFY2(QRegularExpression(stamp + "third \\(U\\)$").match(lines.at(2)).hasMatch(),
             qPrintable(lines.at(2)));

    // The same lines went to standard error, the debugger sink.
    const QString err = QString::fromLocal8Bit(child->readAllStandardError());
    QVERIFY2(err.contains("second (W)\n"), qPrintable(err));
}

void TestLog::fatalMessageIsTheLastLine() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("run"));
    QProcess* child = startChild("fatal", dir.path() + "/run");
    QVERIFY(child->waitForFinished(20000));
    QCOMPARE(child->exitStatus(), QProcess::CrashExit);

    const QStringList files = QDir(dir.path() + "/OrvoSetupTempLog").entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QFile file(dir.path() + "/OrvoSetupTempLog/" + files.first());
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromLocal8Bit(file.readAll()).trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).endsWith("] before (D)"));
    QVERIFY(lines.at(1).endsWith("] the end (F)"));
}

void TestLog::directoryThatCannotBeCreated() {
    // A plain file where the directory should be: it can be neither used nor
    // created, whoever runs the test.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("run"));
    QFile blocker(dir.path() + "/OrvoSetupTempLog");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QProcess* child = startChild("write", dir.path() + "/run");
    QVERIFY(child->waitForFinished(20000));
    QCOMPARE(child->exitStatus(), QProcess::NormalExit);
    const QString out = QString::fromLocal8Bit(child->readAllStandardOutput());
    QVERIFY2(out.contains("opened=0 path=\n"), qPrintable(out));
    const QString err = QString::fromLocal8Bit(child->readAllStandardError());
    QVERIFY2(err.contains("] [Child] first \"quoted\" (D)\n"), qPrintable(err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"OrvoSetupTempLog", "run"}));
    QCOMPARE(QFileInfo(dir.path() + "/OrvoSetupTempLog").size(), 0);
}

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        QCoreApplication app(argc, argv);
        return runChild(QString::fromLatin1(argv[2]));
    }
    QCoreApplication app(argc, argv);
    TestLog test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_log.moc"
