#include "program_run.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

StagedFolder::StagedFolder(const QString& shippedComparison) {
    if (!m_dir.isValid()) return;
    QDir root(m_dir.path());
    m_valid = root.mkpath("run/comp") && root.mkpath("xdg") &&
              QFile::copy(shippedComparison, runDir() + "/comp/compDefault.json") &&
              QFile::setPermissions(m_dir.path() + "/xdg", QFileDevice::ReadOwner |
                                                               QFileDevice::WriteOwner |
                                                               QFileDevice::ExeOwner);
}

QStringList StagedFolder::databaseFiles() const {
    QStringList files;
    for (const QString& dir : {runDir(), sharedDir(), userDir()}) {
        for (const QString& name : QDir(dir).entryList({"*.bilogclient"}, QDir::Files)) {
            files << dir + "/" + name;
        }
    }
    return files;
}

ProgramRun::ProgramRun(const QString& program, const StagedFolder& folder, QProcessEnvironment env)
    : m_program(program), m_folder(folder), m_env(std::move(env)) {
    m_env.insert("XDG_RUNTIME_DIR", folder.root() + "/xdg");
    m_env.insert("XDG_STATE_HOME", folder.stateHome());
    // The result page's buttons open web pages: nothing may leave the machine.
    m_env.insert("BROWSER", "true");
    m_env.insert("DEFAULT_BROWSER", "true");
    m_process.setProcessEnvironment(m_env);
    m_process.setWorkingDirectory(folder.runDir());
    QObject::connect(&m_process, &QProcess::readyReadStandardError,
                     [this] { m_stderr += m_process.readAllStandardError(); });
    QObject::connect(&m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), [this] {
        if (m_sinceClick.isValid()) m_clickToExitMs = m_sinceClick.elapsed();
        m_finished = true;
    });
}

ProgramRun::~ProgramRun() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool ProgramRun::start() {
    m_process.start(m_program, QStringList());
    if (!m_process.waitForStarted(10000)) return false;
    QProcess search;
    search.start("xdotool", {"search", "--sync", "--onlyvisible", "--pid",
                             QString::number(m_process.processId())});
    if (!search.waitForFinished(30000)) {
        search.kill();
        search.waitForFinished();
        return false;
    }
    m_window = QString::fromLatin1(search.readAllStandardOutput()).split('\n').value(0).trimmed();
    if (m_window.isEmpty()) return false;
    // Let the first frame arrive before the first click.
    QTest::qWait(1000);
    return true;
}

bool ProgramRun::click(int x, int y) {
    m_sinceClick.start();
    return QProcess::execute("xdotool", {"mousemove", "--window", m_window, QString::number(x),
                                         QString::number(y), "click", "1"}) == 0;
}

QString ProgramRun::logFile() const {
    for (const QString& dir : {m_folder.sharedDir(), m_folder.userDir()}) {
        const QStringList files =
            QDir(dir).entryList({"OrvoCheck-log-*.txt"}, QDir::Files, QDir::Name);
        if (!files.isEmpty()) return dir + "/" + files.first();
    }
    return QString();
}

QString ProgramRun::logText() const {
    QFile file(logFile());
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

bool ProgramRun::waitForLogLine(const QString& text, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (logText().contains(text)) return true;
        if (m_finished) return false;
        QTest::qWait(100);
    }
    return false;
}

bool ProgramRun::waitForExit(int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!m_finished && timer.elapsed() < timeoutMs) {
        m_process.waitForFinished(20);  // also delivers the finished signal
        QCoreApplication::processEvents();
    }
    m_stderr += m_process.readAllStandardError();
    return m_finished;
}

int ProgramRun::exitCode() const {
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

QStringList storedRows(const QString& databaseFile) {
    QStringList rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databaseFile.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "select environment, content from bi_logs order by _ID;", -1, &stmt,
                           nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto text = [stmt](int column) {
                return QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
            };
            rows << text(0) + "|" + text(1);
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}
