#include "startup.h"

#include <QDebug>
#include <QDir>
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
#include "language_fonts.h"
#include "log.h"
#include "ui_language.h"

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

namespace {

// A document can load while its window never reaches the screen: the
// platform refuses the window (Windows: "CreateWindowEx failed") and Qt only
// warns. Nothing would then ever end the process, so it ends here.
bool windowIsShown(QObject* root) {
    auto* window = qobject_cast<QQuickWindow*>(root);
    if (window == nullptr || window->handle() == nullptr || !window->isVisible()) {
        qCritical() << "[main] The window could not be created; ending";
        return false;
    }
    // A scene graph that fails later leaves a window that never draws.
    QObject::connect(window, &QQuickWindow::sceneGraphError, window,
                     [](QQuickWindow::SceneGraphError, const QString& message) {
                         qCritical().noquote() << "[main] The window cannot draw:" << message;
                         QCoreApplication::exit(1);
                     });
    return true;
}

}  // namespace

int runOrvoCheck(int& argc, char** argv, const QUrl& windowDocument) {
    const bool logOpened = openLogFile();
    qInstallMessageHandler(logMessageHandler);
    if (logOpened)
        qDebug() << "[main] Opened log file. Running" << kVersionText;
    else
        qWarning() << "[main] No log file. Running" << kVersionText;

    // Qt reads this attribute only while the application object is being
    // built, so it is set first and reported once the object exists.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL, true);
    // The attribute alone still needs the machine's OpenGL 2 driver wherever
    // Qt ships no software OpenGL (the Windows build is desktop OpenGL only),
    // and the machines people check often lack one: a basic display driver,
    // a virtual machine, a remote session. Qt Quick's own rasteriser needs
    // no driver at all, on every platform.
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    qDebug() << "Use software OpenGL?" << QCoreApplication::testAttribute(Qt::AA_UseSoftwareOpenGL);
    qDebug().noquote() << "[main] Program folder:"
                       << QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    registerFontAliases();
    useSystemFontsFor(installTranslations());
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
    if (!windowIsShown(root)) return 1;

    int exitCode = 0;
    {
        BIService service;
        // The analytics database lives beside the log, in the folder that
        // could be written.
        service.setStorageDirectory(logFolderInUse());
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
