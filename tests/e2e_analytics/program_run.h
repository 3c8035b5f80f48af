#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A staged folder for whole runs of the program: root/run is the working
// directory (with comp/compDefault.json), root/OrvoSetupTempLog the shared
// working directory beside it, where the log file and the analytics database
// go (root/state/OrvoCheck when it cannot be written).
class StagedFolder {
public:
    explicit StagedFolder(const QString& shippedComparison);
    bool isValid() const { return m_valid; }
    QString root() const { return m_dir.path(); }
    QString runDir() const { return m_dir.path() + "/run"; }
    QString sharedDir() const { return m_dir.path() + "/OrvoSetupTempLog"; }
    QString stateHome() const { return m_dir.path() + "/state"; }
    QString userDir() const { return stateHome() + "/OrvoCheck"; }
    QString databaseFile() const { return sharedDir() + "/com.daxo.orvocheck.bilogclient"; }
    // Every *.bilogclient file in the run, shared and user folders.
    QStringList databaseFiles() const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

// One run of the built program on the current X display, driven with the
// mouse like a user (xdotool). Window coordinates are design units on a
// 900-pixel-high screen, where one unit is one pixel.
class ProgramRun {
public:
    ProgramRun(const QString& program, const StagedFolder& folder, QProcessEnvironment env);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Starts the program and waits until its window is visible.
    bool start();
    bool click(int x, int y);
    // Waits until the run's log file holds a line containing text.
    bool waitForLogLine(const QString& text, int timeoutMs = 20000);
    // Waits for the process to end, serving the event loop meanwhile.
    bool waitForExit(int timeoutMs);
    // Milliseconds from the start of the last click to the end of the
    // process (after waitForExit).
    qint64 msFromLastClickToExit() const { return m_clickToExitMs; }
    int exitCode() const;
    QString logText() const;
    QString errorText() const { return QString::fromUtf8(m_stderr); }

    static const int kStartX = 300, kStartY = 690;
    static const int kCloseX = 578, kCloseY = 22;
    static const int kConsentX = 68, kConsentY = 617;
    // "Order Orvo": x 50, bottom edge 47 above the window's bottom (740).
    static const int kOrderX = 90, kOrderY = 673;

private:
    QString logFile() const;

    QString m_program;
    const StagedFolder& m_folder;
    QProcessEnvironment m_env;
    QProcess m_process;
    QString m_window;
    QByteArray m_stderr;
    QElapsedTimer m_sinceClick;
    qint64 m_clickToExitMs = -1;
    bool m_finished = false;
};

// Rows of a client database as "environment|content", oldest first; empty
// when the file cannot be read.
QStringList storedRows(const QString& databaseFile);
