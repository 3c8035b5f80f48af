// Qt Quick tests of the pages' documents. Each test file gets the real
// window from the program's resources as the context property "mainWindow",
// so the documents under test scale and bind exactly as in the program. Web
// pages are caught by URL handlers and listed in "openedUrls"; nothing
// leaves the machine.
#include <QDesktopServices>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QtQuickTest>

#include "art_image_provider.h"
#include "startup.h"

// Stands in for the browser.
class UrlLog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList urls READ urls NOTIFY urlsChanged)
public:
    QStringList urls() const { return m_Urls; }
    Q_INVOKABLE void clear() {
        m_Urls.clear();
        emit urlsChanged();
    }

public slots:
    void open(const QUrl& url) {
        m_Urls << url.toString();
        emit urlsChanged();
    }

signals:
    void urlsChanged();

private:
    QStringList m_Urls;
};

class Setup : public QObject {
    Q_OBJECT
public slots:
    void applicationAvailable() {
        registerFontAliases();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_Urls, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_Urls, "open");
    }

    void qmlEngineAvailable(QQmlEngine* engine) {
        m_Urls.clear();
        installArtImageProvider(*engine);
        QQmlComponent component(engine, QUrl(QStringLiteral("qrc:/main.qml")));
        QObject* window = component.create();
        if (!window) qFatal("main.qml: %s", qPrintable(component.errorString()));
        window->setParent(engine);
        engine->rootContext()->setContextProperty(QStringLiteral("mainWindow"), window);
        engine->rootContext()->setContextProperty(QStringLiteral("openedUrls"), &m_Urls);
        engine->rootContext()->setContextProperty(
            QStringLiteral("expectedUrls"),
            QVariantMap{{"privacy", "http://" ORVO_MAKER_WEB_HOST "/privacy"},
                        {"orvoReady", "http://" ORVO_HEADSET_WEB_HOST "/ready"},
                        {"readyPCs", "https://" ORVO_HEADSET_WEB_HOST "/ready/"},
                        {"product", "https://" ORVO_HEADSET_WEB_HOST "/product/"},
                        {"performance", "http://" ORVO_STORE_WEB_HOST "/app/323910"}});
    }

    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

private:
    UrlLog m_Urls;
};

int main(int argc, char** argv) {
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    QTEST_SET_MAIN_SOURCE_PATH
    Setup setup;
    return quick_test_main_with_setup(argc, argv, "pages_quick", ORVO_QUICK_TEST_DIR, &setup);
}

#include "tst_pages_quick.moc"
