// Every page of the real window in every shipped language, on the screen the
// test runs on (900 or 1080 pixels high): no visible text may be elided, run
// outside its own box, its parent or the window, or overlap another drawn
// item. Screenshots of each page land in the build folder for review.
#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "art_image_provider.h"
#include "invoke_qml.h"
#include "log.h"
#include "startup.h"
#include "ui_language.h"

namespace {

struct Drawn {
    QQuickItem* item;
    QRectF rect;  // in window coordinates, clipped to its clipping ancestors
};

bool isText(const QQuickItem* item) { return item->inherits("QQuickText"); }

// Where the text's glyphs are, in the item's own coordinates.
QRectF inkOf(QQuickItem* text) {
    const qreal w = text->property("contentWidth").toReal();
    const qreal h = text->property("contentHeight").toReal();
    const int align = text->property("horizontalAlignment").toInt();
    const qreal x = align == Qt::AlignHCenter ? (text->width() - w) / 2
                    : align == Qt::AlignRight ? text->width() - w
                                              : 0;
    const int valign = text->property("verticalAlignment").toInt();
    const qreal y = valign == Qt::AlignVCenter ? (text->height() - h) / 2
                    : valign == Qt::AlignBottom ? text->height() - h
                                                : 0;
    return {x, y, w, h};
}

// Drawn items: texts, images with a picture, opaque rectangles. A rectangle
// that fills its parent is that parent's background: texts inside the parent
// sit on it by design.
bool isDrawn(QQuickItem* item) {
    if (isText(item)) return !item->property("text").toString().isEmpty();
    if (item->inherits("QQuickImage")) return !item->property("source").toUrl().isEmpty();
    if (item->inherits("QQuickRectangle"))
        return item->property("color").value<QColor>().alpha() > 0;
    return false;
}

bool isBackgroundOf(QQuickItem* item, QQuickItem* other) {
    QQuickItem* parent = item->parentItem();
    if (!parent || item->position() != QPointF(0, 0) || item->size() != parent->size())
        return false;
    for (QQuickItem* up = other; up; up = up->parentItem())
        if (up == parent) return true;
    return false;
}

bool related(QQuickItem* a, QQuickItem* b) {
    for (QQuickItem* up = a; up; up = up->parentItem())
        if (up == b) return true;
    for (QQuickItem* up = b; up; up = up->parentItem())
        if (up == a) return true;
    return false;
}

QString nameOf(QQuickItem* item) {
    QString path;
    for (QQuickItem* up = item; up; up = up->parentItem())
        if (!up->objectName().isEmpty()) path = up->objectName() + (path.isEmpty() ? "" : "/") + path;
    return QStringLiteral("%1 \"%2\"").arg(path, item->property("text").toString().left(60));
}

void collect(QQuickItem* item, const QRectF& clip, QList<Drawn>* out) {
    if (!item->isVisible() || item->opacity() <= 0) return;
    const QRectF scene = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    QRectF innerClip = item->clip() ? clip.intersected(scene) : clip;
    if (isDrawn(item)) {
        const QRectF own = isText(item) ? item->mapRectToScene(inkOf(item)) : scene;
        const QRectF shown = own.intersected(clip);
        if (!shown.isEmpty()) out->append({item, shown});
    }
    for (QQuickItem* child : item->childItems()) collect(child, innerClip, out);
}

}  // namespace

class TestTranslatedPages : public QObject {
    Q_OBJECT
private slots:
    void layoutHolds_data();
    void layoutHolds();

private:
    void show(const QString& state);
    QStringList faults(QQuickItem* root) const;

    std::unique_ptr<QQmlApplicationEngine> m_Engine;
    QQuickWindow* m_Window = nullptr;
};

void TestTranslatedPages::layoutHolds_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("state");
    for (const QString& language : QStringList{"en"} + shippedLanguages())
        for (const char* state : {"welcome", "checking", "good", "bad", "unknown"})
            QTest::newRow(qPrintable(language + "-" + state)) << language << QString(state);
}

void TestTranslatedPages::show(const QString& state) {
    if (state == "welcome") return;
    auto* loader = m_Window->findChild<QQuickItem*>(QStringLiteral("pageLoader"));
    if (state == "checking") {
        call(loader->property("item").value<QObject*>(), "showCheckingPanel");
        return;
    }
    // Long but real names, and the layouts that show the most text: every
    // row doubtful for a bad verdict, two for an unknown one.
    const QStringList names = {"NVIDIA GeForce GTX 1060 6GB", "Intel(R) Core(TM) i7-6700K CPU @ 4.00GHz",
                               "16.0GB", "Windows 10 Pro 64-bit"};
    const QString rank = state == "good" ? "RANK_GOOD" : state == "bad" ? "RANK_BAD" : "RANK_UNKNOWN";
    const QStringList keys = {"gpu", "cpu", "memory", "os"};
    for (int i = 0; i < keys.size(); ++i)
        call(m_Window, "setRank",
             {keys[i], names[i], state == "unknown" && i % 2 ? QString("RANK_GOOD") : rank});
    call(m_Window, "setRank", {"overall", "", rank});
    call(m_Window, "finishedChecking");
    loader->setProperty("source", QUrl(QStringLiteral("qrc:/pResult.qml")));
}

QStringList TestTranslatedPages::faults(QQuickItem* root) const {
    QList<Drawn> drawn;
    const QRectF window(0, 0, m_Window->width(), m_Window->height());
    collect(root, window, &drawn);
    QStringList found;
    const qreal slack = 0.5;
    for (const Drawn& text : drawn) {
        QQuickItem* item = text.item;
        if (!isText(item)) continue;
        if (item->property("truncated").toBool()) found << "elided: " + nameOf(item);
        const QRectF ink = inkOf(item);
        if (ink.width() > item->width() + slack || ink.height() > item->height() + slack)
            found << "runs out of its box: " + nameOf(item);
        QQuickItem* parent = item->parentItem();
        const QRectF inParent = item->mapRectToItem(parent, ink);
        if ((parent->width() > 0 && (inParent.left() < -slack ||
                                     inParent.right() > parent->width() + slack)) ||
            (parent->height() > 0 && (inParent.top() < -slack ||
                                      inParent.bottom() > parent->height() + slack)))
            found << "runs out of its parent: " + nameOf(item);
        if (!window.adjusted(-slack, -slack, slack, slack).contains(text.rect))
            found << "runs out of the window: " + nameOf(item);
        for (const Drawn& other : drawn) {
            if (other.item == item || related(item, other.item) || isBackgroundOf(other.item, item))
                continue;
            const QRectF both = text.rect.intersected(other.rect);
            if (both.width() > slack && both.height() > slack)
                found << "overlaps " + nameOf(other.item) + ": " + nameOf(item);
        }
    }
    found.removeDuplicates();
    return found;
}

void TestTranslatedPages::layoutHolds() {
    QFETCH(QString, language);
    QFETCH(QString, state);
    QCOMPARE(installTranslations(language), language);
    m_Engine = std::make_unique<QQmlApplicationEngine>();
    installArtImageProvider(*m_Engine);
    m_Engine->load(QUrl(QStringLiteral("qrc:/main.qml")));
    QCOMPARE(m_Engine->rootObjects().size(), 1);
    m_Window = qobject_cast<QQuickWindow*>(m_Engine->rootObjects().first());
    QVERIFY(QTest::qWaitForWindowExposed(m_Window));
    show(state);
    QTest::qWait(100);  // the result page's rows and the scroll view settle

    const int height = QGuiApplication::primaryScreen()->size().height();
    const QString dir = QStringLiteral(ORVO_SCREENSHOT_DIR "/languages-%1").arg(height);
    QDir().mkpath(dir);
    QVERIFY(m_Window->grabWindow().save(QStringLiteral("%1/%2-%3.png").arg(dir, language, state)));

    // While checking, only the overlay is in view; the page under it shows
    // faintly through.
    QQuickItem* root = m_Window->contentItem();
    if (state == "checking")
        root = m_Window->findChild<QQuickItem*>(QStringLiteral("pageLoader"))
                   ->property("item")
                   .value<QObject*>()
                   ->findChild<QQuickItem*>(QStringLiteral("checkingOverlay"));
    QVERIFY(root);
    const QStringList found = faults(root);
    m_Engine.reset();
    QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
}

int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir(dir.path()).mkdir("run") || !QDir::setCurrent(dir.path() + "/run"))
        return 3;
    openLogFile();
    qInstallMessageHandler(logMessageHandler);
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    registerFontAliases();
    TestTranslatedPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_translated_pages.moc"
