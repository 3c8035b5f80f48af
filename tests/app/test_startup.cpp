// Start-up and shutdown of the real wiring, run as a child process with the
// minimal platform in a private working directory.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void runEndsThroughTheDocumentsQuit();
    void windowThatIsNotShown_data();
    void windowThatIsNotShown();
    void unusableLogDirectory();
    void languageFromTheEnvironment_data();
    void languageFromTheEnvironment();

private:
    int run(const QString& document, QString* err = nullptr,
            const QMap<QString, QString>& locale = {});
    QStringList logLines();

    QTemporaryDir* m_Dir = nullptr;
};

void TestStartup::init() {
    m_Dir = new QTemporaryDir;
    QVERIFY(m_Dir->isValid());
    QVERIFY(QDir(m_Dir->path()).mkdir("run"));
}

void TestStartup::cleanup() {
    delete m_Dir;
    m_Dir = nullptr;
}

int TestStartup::run(const QString& document, QString* err, const QMap<QString, QString>& locale) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_MESSAGES", "LANG", "ORVOCHECK_LANGUAGE"})
        env.remove(name);
    // A locale with digits of its own, which file names and time stamps must not use.
    env.insert("LC_ALL", "ar_EG.UTF-8");
    for (auto it = locale.begin(); it != locale.end(); ++it)
        if (it.value().isEmpty())
            env.remove(it.key());
        else
            env.insert(it.key(), it.value());
    env.insert("QT_QPA_PLATFORM", "minimal");
    env.insert("ORVOCHECK_CONTENT_URL", "");
    env.insert("XDG_STATE_HOME", "/dev/null/state");  // no user folder either
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(m_Dir->path() + "/run");
    child.start(QStringLiteral(ORVO_STARTUP_HARNESS), {document});
    if (!child.waitForFinished(60000)) return -1;
    if (err) *err = QString::fromLocal8Bit(child.readAllStandardError());
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -2;
}

QStringList TestStartup::logLines() {
    const QDir logDir(m_Dir->path() + "/OrvoSetupTempLog");
    const QStringList files = logDir.entryList({"OrvoCheck-log-*.txt"}, QDir::Files);
    if (files.size() != 1) return {};
    QFile file(logDir.filePath(files.first()));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

void TestStartup::runEndsThroughTheDocumentsQuit() {
    QCOMPARE(run("qrc:/quitter.qml"), 0);
    const QString name = QDir(m_Dir->path() + "/OrvoSetupTempLog").entryList(QDir::Files).value(0);
    QVERIFY2(QRegularExpression("^OrvoCheck-log-[0-9]{8}-[0-9]{6}\\.txt$").match(name).hasMatch(),
             qPrintable(name));
    const QStringList lines = logLines();
    QVERIFY(lines.size() >= 3);
    const QRegularExpression first(
        "^\\[[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{3}\\] "
        "\\[main\\] Opened log file\\. Running OrvoCheck_0\\.0\\.7\\.1 \\(D\\)$");
    QVERIFY2(first.match(lines.at(0)).hasMatch(), qPrintable(lines.at(0)));
    // Only the toolkit's own messages may come between the first two lines.
    int softwareLine = -1;
    for (int i = 1; i < lines.size() && softwareLine < 0; ++i)
        if (lines.at(i).endsWith("] Use software OpenGL? true (D)")) softwareLine = i;
    QVERIFY2(softwareLine > 0, qPrintable(lines.join('\n')));
    for (int i = 1; i < softwareLine; ++i)
        QVERIFY2(!lines.at(i).contains("] ["), qPrintable(lines.at(i)));
    QVERIFY2(lines.filter(QRegularExpression("\\] quitting \\(D\\)\\(qrc:/quitter\\.qml:\\d+\\)$"))
                     .size() == 1,
             qPrintable(lines.join('\n')));
}

void TestStartup::windowThatIsNotShown_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("document that fails to load")
        << "qrc:/no-such-window.qml"
        << "] [main] Failed to load the window from \"qrc:/no-such-window.qml\" (C)";
    QTest::newRow("window never shown")
        << "qrc:/hidden.qml" << "] [main] The window could not be created; ending (C)";
}

// Either way the process ends instead of running on without a window.
void TestStartup::windowThatIsNotShown() {
    QFETCH(QString, document);
    QFETCH(QString, lastLine);
    QCOMPARE(run(document), 1);
    const QStringList lines = logLines();
    QVERIFY(!lines.isEmpty());
    QVERIFY(lines.first().endsWith("] [main] Opened log file. Running OrvoCheck_0.0.7.1 (D)"));
    QVERIFY2(lines.last().endsWith(lastLine), qPrintable(lines.last()));
}

void TestStartup::unusableLogDirectory() {
    QFile blocker(m_Dir->path() + "/OrvoSetupTempLog");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString err;
    QCOMPARE(run("qrc:/quitter.qml", &err), 0);
    QVERIFY2(err.contains("cannot be created; no log file is written (W)\n"), qPrintable(err));
    QVERIFY2(err.contains("] [main] No log file. Running OrvoCheck_0.0.7.1 (W)\n"),
             qPrintable(err));
    QCOMPARE(QFileInfo(blocker.fileName()).size(), 0);
    QCOMPARE(QDir(m_Dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"OrvoSetupTempLog", "run"}));
}

void TestStartup::languageFromTheEnvironment_data() {
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("logged");
    QTest::newRow("system") << "LANG"
                            << "de_DE.UTF-8"
                            << "Starten"
                            << "de (system: de-DE";
    QTest::newRow("unknown")
        << "ORVOCHECK_LANGUAGE"
        << "xx"
        << "Start"
        << "en (ORVOCHECK_LANGUAGE: xx; no translation for it, English instead)";
}

void TestStartup::languageFromTheEnvironment() {
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(QString, start);
    QFETCH(QString, logged);
    QMap<QString, QString> locale{{variable, value}};
    if (variable == "LANG") locale.insert("LC_ALL", QString());  // LC_ALL outranks LANG
    QCOMPARE(run("qrc:/quitter.qml", nullptr, locale), 0);
    const QStringList lines = logLines();
    QVERIFY2(
        lines.filter("] [Language] ").size() == 1 &&
            lines.filter("] [Language] " + logged).size() == 1 &&
            lines.filter("] Start button: " + QUrl::toPercentEncoding(start) + " (D)").size() == 1,
        qPrintable(lines.join('\n')));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
