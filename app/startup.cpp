#include "startup.h"

#include <QDebug>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <memory>

#include "art_image_provider.h"
#include "biservice.h"
#include "checkmanager.h"
#include "log.h"

namespace {

// Defined once by the build (ORVO_APP_VERSION_TEXT in CMake).
const char kVersionText[] = ORVO_APP_VERSION_TEXT;
const char kMainDocument[] = "qrc:/main.qml";

}  // namespace

void registerFontAliases() {
    const int id =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Fakt/Fakt-Medium.otf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        qWarning() << "[main] Medium font not found; \"Fakt Med\" keeps the default family";
        return;
    }
    QFont::insertSubstitution(QStringLiteral("Fakt Med"), families.first());
}

int runOrvoCheck(int& argc, char** argv, const QUrl& windowDocument) {
    openLogFile();
    qInstallMessageHandler(logMessageHandler);
    qDebug() << "[main] Opened log file. Running" << kVersionText;

    // Qt reads this attribute only while the application object is being
    // built, so it is set first and reported once the object exists.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL, true);
#ifndef Q_OS_WIN
    // Where the attribute means nothing, Qt Quick's own rasteriser gives the
    // same independence from the graphics driver.
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
#endif
    QGuiApplication app(argc, argv);
    qDebug() << "Use software OpenGL?" << QCoreApplication::testAttribute(Qt::AA_UseSoftwareOpenGL);
    registerFontAliases();
    QGuiApplication::setWindowIcon(programWindowIcon());

    auto engine = std::make_unique<QQmlApplicationEngine>();
    installArtImageProvider(*engine);
    const QUrl document = windowDocument.isEmpty()
                              ? QUrl(QString::fromLatin1(kMainDocument), QUrl::TolerantMode)
                              : windowDocument;
    engine->load(document);
    if (engine->rootObjects().isEmpty()) {
        qCritical() << "[main] Failed to load the window from" << document.toString();
        return 1;
    }
    QObject* root = engine->rootObjects().first();

    int exitCode = 0;
    {
        BIService service;
        CheckManager coordinator(root, &service);
        QObject::connect(root, SIGNAL(doChecking()), &coordinator, SLOT(onChecking()));
        QObject::connect(root, SIGNAL(doBI()), &coordinator, SLOT(setBIRecord()));
        QObject::connect(engine.get(), &QQmlApplicationEngine::quit, &app, &QCoreApplication::quit);
        QObject::connect(&service, &BIService::close, &app, &QCoreApplication::quit);
        exitCode = app.exec();
        // coordinator, then service, go out of scope here in that order
    }
    engine.reset();
    return exitCode;
}
