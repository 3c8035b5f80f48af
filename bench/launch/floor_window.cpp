// The smallest program of the same kind as OrvoCheck: a Qt Quick Controls 1
// window on the same scene-graph backend, nothing else. Built twice: with an
// empty window (the floor) and with the program's own window documents.
#include <QGuiApplication>
#ifdef ORVO_BENCH_WINDOW_ASSETS
#include "art_image_provider.h"
#endif
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL, true);
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
#ifdef ORVO_BENCH_WINDOW_ASSETS
    installArtImageProvider(engine);
#endif
    engine.load(QUrl(QStringLiteral(ORVO_BENCH_DOCUMENT)));
    if (engine.rootObjects().isEmpty()) return 1;
    return app.exec();
}
