#pragma once

#include <QDir>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTemporaryDir>
#include <QtTest>

#include "log.h"
#include "startup.h"

// The start of a window test program, as the program itself starts: a
// private working directory (so the log lands in a private sibling), the log,
// Qt Quick's software renderer and the font aliases.
template <typename Test>
int runWindowTest(int argc, char* argv[]) {
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir(dir.path()).mkdir("run") || !QDir::setCurrent(dir.path() + "/run"))
        return 3;
    openLogFile();
    qInstallMessageHandler(logMessageHandler);
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    registerFontAliases();
    Test test;
    return QTest::qExec(&test, argc, argv);
}
