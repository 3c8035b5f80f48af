// The welcome, checking and result pages in the real window on a 900-pixel
// high screen, so design units are pixels: what is drawn where, in which
// colour, what the mouse and the keyboard do, and which web pages open. Web
// pages are caught by URL handlers for "http" and "https", so nothing leaves
// the machine. Screenshots of each state are saved for review.
#include <QAccessible>
#include <QDesktopServices>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "art_image_provider.h"
#include "invoke_qml.h"
#include "log.h"
#include "startup.h"
#include "window_test_main.h"

namespace {

bool near(QRgb pixel, const QColor& colour, int tolerance = 6) {
    return qAbs(qRed(pixel) - colour.red()) <= tolerance &&
           qAbs(qGreen(pixel) - colour.green()) <= tolerance &&
           qAbs(qBlue(pixel) - colour.blue()) <= tolerance;
}

int countColour(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 6) {
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += near(image.pixel(x, y), colour, tolerance);
    return count;
}

// A point inside the area whose pixel has the colour, or (-1, -1).
QPoint findColour(const QImage& image, const QRect& area, const QColor& colour) {
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (near(image.pixel(x, y), colour, 2)) return {x, y};
    return {-1, -1};
}

QString describe(QRgb pixel) { return QColor(pixel).name(); }

// Searches the visual tree: items made by a Repeater have no QObject parent.
QQuickItem* findVisual(QQuickItem* root, const QString& name) {
    if (!root) return nullptr;
    for (QQuickItem* child : root->childItems()) {
        if (child->objectName() == name) return child;
        if (QQuickItem* found = findVisual(child, name)) return found;
    }
    return nullptr;
}

const QString kPrivacyUrl = QStringLiteral("http://" ORVO_MAKER_WEB_HOST "/privacy");
const QString kOrvoReadyUrl = QStringLiteral("http://" ORVO_HEADSET_WEB_HOST "/ready");
const QString kReadyPcsUrl = QStringLiteral("https://" ORVO_HEADSET_WEB_HOST "/ready/");
const QString kProductUrl = QStringLiteral("https://" ORVO_HEADSET_WEB_HOST "/product/");
const QString kPerformanceUrl = QStringLiteral("http://" ORVO_STORE_WEB_HOST "/app/323910");

}  // namespace

// Stands in for the browser: records each URL and the click counters as
// they were when it was opened.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QObject* window = nullptr;
    QStringList urls;
    QList<int> countersAtOpen;

public slots:
    void open(const QUrl& url) {
        urls << url.toString();
        int sum = 0;
        if (window)
            for (const char* name :
                 {"btnOrderOrvoCount", "btnPerformanceCount", "btnOrvoReadyPCCount"})
                sum += window->property(name).toInt();
        countersAtOpen << sum;
    }
};

class TestPagesWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void welcomeLayoutAndColours();
    void recommendBoardRows();
    void consentBoxFollowsIsChecked();
    void consentTextLinkOnlyOpensThePolicy();
    void keyboardOnTheWelcomePage();
    void focusMarkLeavesTheControlAlone();
    void checkingOverlayTakesEverything();
    void animationFrames();
    void verdict_data();
    void verdict();
    void badVerdictLinkAndButton();
    void rowsColoursAndDetails();
    void rowHeights();
    void scrollBarOnlyWhenNeeded();
    void buttonsOpenPagesThenCount_data();
    void buttonsOpenPagesThenCount();
    void keyboardOnTheResultPage();
    void everyResultStopShowsTheMark_data();
    void everyResultStopShowsTheMark();
    void closeButtonFromTheKeyboard();
    void pushedValuesAreShownLiterally();
    void accessibleNamesAndRoles();
    void screenshots();

private:
    QQuickItem* item(const QString& name) const;
    QQuickItem* page() const;
    QQuickItem* closeButton() const { return m_Window->findChild<QQuickItem*>("closeButton"); }
    int sc(int n) const { return call(m_Window, "sc", {n}).toInt(); }
    QImage grab() const { return m_Window->grabWindow(); }
    QPoint centreOf(QQuickItem* target) const;
    QRect rectOf(QQuickItem* target) const;
    void showResult(const QString& overall, const QStringList& ranks = {},
                    const QStringList& names = {});
    void saveShot(const QString& name) const;
    QQuickItem* focused() const { return m_Window->activeFocusItem(); }

    std::unique_ptr<QQmlApplicationEngine> m_Engine;
    QQuickWindow* m_Window = nullptr;
    UrlCatcher m_Urls;
};

void TestPagesWindow::initTestCase() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_Urls, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_Urls, "open");
    if (m_Window == nullptr && QGuiApplication::primaryScreen()->size().height() != 900)
        QSKIP("needs a screen 900 pixels high, where design units are pixels");
}

void TestPagesWindow::cleanupTestCase() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestPagesWindow::init() {
    m_Engine = std::make_unique<QQmlApplicationEngine>();
    installArtImageProvider(*m_Engine);
    m_Engine->load(QUrl(QStringLiteral("qrc:/main.qml")));
    QCOMPARE(m_Engine->rootObjects().size(), 1);
    m_Window = qobject_cast<QQuickWindow*>(m_Engine->rootObjects().first());
    QVERIFY(m_Window);
    QVERIFY(QTest::qWaitForWindowExposed(m_Window));
    m_Window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(m_Window));
    QCOMPARE(m_Window->size(), QSize(600, 740));
    m_Urls.window = m_Window;
    m_Urls.urls.clear();
    m_Urls.countersAtOpen.clear();
}

void TestPagesWindow::cleanup() {
    m_Urls.window = nullptr;
    m_Engine.reset();
    m_Window = nullptr;
}

QQuickItem* TestPagesWindow::page() const {
    auto* loader = m_Window->findChild<QQuickItem*>(QStringLiteral("pageLoader"));
    return loader ? qobject_cast<QQuickItem*>(loader->property("item").value<QObject*>()) : nullptr;
}

QQuickItem* TestPagesWindow::item(const QString& name) const {
    QQuickItem* current = page();
    return current ? current->findChild<QQuickItem*>(name) : nullptr;
}

QPoint TestPagesWindow::centreOf(QQuickItem* target) const {
    return target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
}

QRect TestPagesWindow::rectOf(QQuickItem* target) const {
    return target->mapRectToScene(QRectF(0, 0, target->width(), target->height())).toRect();
}

void TestPagesWindow::showResult(const QString& overall, const QStringList& ranks,
                                 const QStringList& names) {
    const QStringList keys = {"gpu", "cpu", "memory", "os"};
    const QStringList defaultNames = {"NVIDIA GeForce GTX 1080",
                                      "Intel(R) Core(TM) i7-6700K CPU @ 4.00GHz", "16GB",
                                      "Windows 10 Pro"};
    for (int i = 0; i < keys.size(); ++i)
        call(m_Window, "setRank",
             {keys[i], i < names.size() ? names[i] : defaultNames[i],
              i < ranks.size() ? ranks[i] : QStringLiteral("RANK_GOOD")});
    call(m_Window, "setRank", {"overall", "", overall});
    call(m_Window, "finishedChecking");
    m_Window->findChild<QQuickItem*>(QStringLiteral("pageLoader"))
        ->setProperty("source", QUrl(QStringLiteral("qrc:/pResult.qml")));
    QTRY_COMPARE(page()->objectName(), QStringLiteral("pageResult"));
    QTest::qWait(50);  // let the scroll view lay itself out
}

void TestPagesWindow::saveShot(const QString& name) const {
    QDir().mkpath(QStringLiteral(ORVO_SCREENSHOT_DIR));
    const QString path = QStringLiteral(ORVO_SCREENSHOT_DIR "/%1.png").arg(name);
    QVERIFY(grab().save(path));
    qInfo().noquote() << "screenshot:" << path;
}

void TestPagesWindow::welcomeLayoutAndColours() {
    const QImage image = grab();
    QVERIFY2(near(image.pixel(30, 700), QColor("#f0f0f0"), 0),
             qPrintable(describe(image.pixel(30, 700))));
    QVERIFY(near(image.pixel(0, 400), QColor("#aaa9aa"), 0));
    QVERIFY(near(image.pixel(599, 400), QColor("#aaa9aa"), 0));

    auto* description = item("description");
    QVERIFY(description);
    QCOMPARE(rectOf(description).topLeft(), QPoint(60, 158));
    QCOMPARE(int(description->width()), 480);
    QCOMPARE(description->property("lineCount").toInt(), 2);
    QCOMPARE(int(description->height()), 40);  // two lines of the fixed 20-pixel height

    auto* board = item("recommendBoard");
    QCOMPARE(rectOf(board), QRect(60, 232, 480, 356));
    QVERIFY(near(image.pixel(70, 240), Qt::white, 0));
    QVERIFY(near(image.pixel(530, 580), Qt::white, 0));

    auto* start = item("startButton");
    QCOMPARE(rectOf(start), QRect(180, 740 - 30 - 40, 240, 40));
    QVERIFY2(near(image.pixel(205, 690), QColor("#00b5e2"), 0),
             qPrintable(describe(image.pixel(205, 690))));
    // Fully rounded ends: the corner of the box is window background.
    QVERIFY(near(image.pixel(181, 671), QColor("#f0f0f0"), 8));

    auto* consentText = item("consentText");
    QCOMPARE(rectOf(consentText), QRect(86, 608, 453, 32));
    // The link words are drawn in the accent colour, on the second line.
    const QPoint link = findColour(image, QRect(86, 624, 453, 16), QColor("#00b5e2"));
    QVERIFY(link.x() > 0);
    QCOMPARE(countColour(image, QRect(86, 608, 453, 16), QColor("#00b5e2"), 2), 0);
}

void TestPagesWindow::recommendBoardRows() {
    auto* board = item("recommendBoard");
    QVERIFY(board);
    const struct {
        int y;
        const char* label;
        const char* value;
    } rows[] = {
        {60, "Graphics", "NVIDIA GeForce (R) GTX 970 or AMD RadeonTM R9 290 equivalent or faster"},
        {111, "Processor", "Intel i5-4590 or AMD FX 8350 equivalent or faster"},
        {162, "Memory", "4GB or more"},
        {195, "Video Output", "HDMI 1.4 or DisplayPort 1.2 or newer"},
        {228, "USB", "1x USB 2.0 or newer"},
        {261, "OS", "Windows 7 SP1, Windows 8.1 or newer"},
    };
    for (int i = 0; i < 6; ++i) {
        auto* row = findVisual(board, QStringLiteral("boardRow%1").arg(i));
        QVERIFY(row);
        auto* label = findVisual(row, "label");
        auto* value = findVisual(row, "value");
        QCOMPARE(label->property("text").toString(), QString(rows[i].label));
        QCOMPARE(value->property("text").toString(), QString(rows[i].value));
        QCOMPARE(rectOf(label).topLeft(), QPoint(60 + 30, 232 + rows[i].y));
        QCOMPARE(rectOf(value).topLeft(), QPoint(60 + 150, 232 + rows[i].y));
        QCOMPARE(int(value->width()), 300);
        QCOMPARE(value->property("fontType").toString(), QStringLiteral("Blond"));
    }
    // The table follows the window's recommendation texts.
    m_Window->setProperty("recommendCpu", "Any processor");
    auto* cpu = findVisual(findVisual(board, "boardRow1"), "value");
    QCOMPARE(cpu->property("text").toString(), QStringLiteral("Any processor"));

    auto* heading = item("boardHeading");
    QCOMPARE(heading->property("text").toString(),
             QStringLiteral("Recommended Minimum Specifications"));
    QCOMPARE(rectOf(heading), QRect(60 + 55, 232 + 20, 370, 20));
    auto* footnote = item("boardFootnote");
    QCOMPARE(rectOf(footnote).topLeft(), QPoint(60 + 30, 232 + 300));
    QCOMPARE(int(footnote->width()), 420);
    QVERIFY(footnote->property("text").toString().startsWith(
        "For ORVO Pro, DisplayPort 1.2 is required"));
}

void TestPagesWindow::consentBoxFollowsIsChecked() {
    auto* box = item("consentBox");
    QVERIFY(box);
    QCOMPARE(rectOf(box), QRect(60, 609, 16, 16));
    QCOMPARE(box->property("source").toUrl().fileName(), QStringLiteral("checkbox_checked.svg"));
    QImage image = grab();
    QVERIFY2(near(image.pixel(61, 610), QColor("#00b5e2"), 2),
             qPrintable(describe(image.pixel(61, 610))));
    QVERIFY(countColour(image, QRect(60, 609, 16, 16), Qt::white, 40) > 8);  // the tick

    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, centreOf(box));
    QCOMPARE(m_Window->property("isChecked").toBool(), false);
    QCOMPARE(box->property("source").toUrl().fileName(), QStringLiteral("Checkbox.png"));
    QTRY_VERIFY(near(grab().pixel(68, 617), Qt::white, 0));
    image = grab();
    QCOMPARE(countColour(image, QRect(60, 609, 16, 16), QColor("#00b5e2"), 30), 0);
    QVERIFY(near(image.pixel(60, 617), QColor("#aaa9aa"), 2));

    // The box shows the window's state, whoever changes it.
    m_Window->setProperty("isChecked", true);
    QCOMPARE(box->property("source").toUrl().fileName(), QStringLiteral("checkbox_checked.svg"));
}

void TestPagesWindow::consentTextLinkOnlyOpensThePolicy() {
    auto* text = item("consentText");
    // Clicking the plain words changes nothing.
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 615));
    QCOMPARE(m_Window->property("isChecked").toBool(), true);
    QVERIFY(m_Urls.urls.isEmpty());

    const QPoint link = findColour(grab(), QRect(86, 624, 453, 16), QColor("#00b5e2"));
    QVERIFY(link.x() > 0);
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, link);
    QTRY_COMPARE(m_Urls.urls, QStringList{kPrivacyUrl});
    QCOMPARE(m_Window->property("isChecked").toBool(), true);
    QVERIFY(text->property("text").toString().contains(">Daxo Privacy Policy</a>."));
}

void TestPagesWindow::keyboardOnTheWelcomePage() {
    QSignalSpy doChecking(m_Window, SIGNAL(doChecking()));
    auto* box = item("consentBox");
    auto* link = item("privacyLink");
    auto* start = item("startButton");

    // Tab visits the close button, the consent box, the privacy link and
    // Start, in that order.
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QCOMPARE(focused(), closeButton());
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QCOMPARE(focused(), box);
    QTest::keyClick(m_Window, Qt::Key_Space);
    QCOMPARE(m_Window->property("isChecked").toBool(), false);
    QTest::keyClick(m_Window, Qt::Key_Return);
    QCOMPARE(m_Window->property("isChecked").toBool(), true);

    QTest::keyClick(m_Window, Qt::Key_Tab);
    QCOMPARE(focused(), link);
    QTest::keyClick(m_Window, Qt::Key_Enter);
    QCOMPARE(m_Urls.urls, QStringList{kPrivacyUrl});
    QCOMPARE(m_Window->property("isChecked").toBool(), true);

    QTest::keyClick(m_Window, Qt::Key_Tab);
    QCOMPARE(focused(), start);
    QTest::keyClick(m_Window, Qt::Key_Backtab);
    QCOMPARE(focused(), link);
    QTest::keyClick(m_Window, Qt::Key_Tab);

    QTest::keyClick(m_Window, Qt::Key_Space);
    QCOMPARE(doChecking.count(), 1);
    QVERIFY(item("checkingOverlay")->isVisible());

    // Under the overlay nothing takes keys: no second check, no toggling.
    QTest::keyClick(m_Window, Qt::Key_Space);
    QTest::keyClick(m_Window, Qt::Key_Return);
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QTest::keyClick(m_Window, Qt::Key_Space);
    QTest::keyClick(m_Window, Qt::Key_Backtab);
    QTest::keyClick(m_Window, Qt::Key_Space);
    QCOMPARE(doChecking.count(), 1);
    QCOMPARE(m_Window->property("isChecked").toBool(), true);
    QCOMPARE(m_Urls.urls.size(), 1);
}

void TestPagesWindow::focusMarkLeavesTheControlAlone() {
    auto* start = item("startButton");
    const QRect button = rectOf(start);
    const QRect around = button.adjusted(-6, -6, 6, 6);
    QTest::keyClick(m_Window, Qt::Key_Tab);  // marks are for keyboard users
    const QImage before = grab().copy(around);

    start->forceActiveFocus(Qt::TabFocusReason);
    QTRY_VERIFY(grab().copy(around) != before);
    const QImage after = grab().copy(around);
    // Inside the button every pixel is as it was; the mark is outside it.
    for (int y = 6 + 3; y < 6 + button.height() - 3; ++y)
        for (int x = 6 + 20; x < 6 + button.width() - 20; ++x)
            QCOMPARE(after.pixel(x, y), before.pixel(x, y));
    QVERIFY(countColour(after, QRect(0, 0, after.width(), 6), QColor("#4a4a4a"), 8) > 50);

    auto* box = item("consentBox");
    const QImage boxBefore = grab().copy(rectOf(box));
    box->forceActiveFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!start->hasActiveFocus());
    const QImage image = grab();
    QCOMPARE(image.copy(rectOf(box)), boxBefore);
    QVERIFY(near(image.pixel(60 - 2, 617), QColor("#4a4a4a"), 8));
}

void TestPagesWindow::checkingOverlayTakesEverything() {
    QSignalSpy doChecking(m_Window, SIGNAL(doChecking()));
    auto* overlay = item("checkingOverlay");
    QVERIFY(overlay && !overlay->isVisible());
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, centreOf(item("startButton")));
    QCOMPARE(doChecking.count(), 1);
    QVERIFY(overlay->isVisible());
    QCOMPARE(rectOf(overlay), QRect(1, 1, 598, 738));
    QVERIFY(overlay->property("animTimer").value<QObject*>()->property("running").toBool());

    const QImage image = grab();
    // The border stays; inside it the panel tints everything.
    QVERIFY(near(image.pixel(0, 400), QColor("#aaa9aa"), 0));
    const QColor tinted(qRound(0xd9 * 0.9 + 0xf0 * 0.1), qRound(0xd6 * 0.9 + 0xf0 * 0.1),
                        qRound(0xd6 * 0.9 + 0xf0 * 0.1));
    QVERIFY2(near(image.pixel(30, 700), tinted, 2), qPrintable(describe(image.pixel(30, 700))));
    QVERIFY(!near(image.pixel(205, 690), QColor("#00b5e2"), 20));

    auto* text = item("checkingText");
    QCOMPARE(text->property("text").toString(), QStringLiteral("Checking your computer..."));
    QCOMPARE(int(rectOf(text).top()), 1 + 321);
    QCOMPARE(qRound(text->mapToScene(QPointF(text->width() / 2, 0)).x()), 300);
    auto* frame = item("checkingFrame");
    QCOMPARE(frame->size(), QSizeF(24, 24));
    QCOMPARE(int(frame->y()), int(text->y() + text->height()) + 20);
    QCOMPARE(int(rectOf(frame).left()), 1 + (598 - 24) / 2);

    // Presses anywhere, the close button and Start included, do nothing.
    auto* close = m_Window->findChild<QQuickItem*>("closeButton");
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, centreOf(close));
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, centreOf(item("startButton")));
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, centreOf(item("consentBox")));
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, QPoint(150, 632));
    QAccessible::setActive(true);  // nor a screen reader's actions, which bypass the overlay
    for (QQuickItem* target : {close, item("privacyLink"), item("consentBox")})
        QAccessible::queryAccessibleInterface(target)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    QAccessible::setActive(false);
    QVERIFY(m_Window->isVisible());
    QCOMPARE(doChecking.count(), 1);
    QCOMPARE(m_Window->property("isChecked").toBool(), true);
    QVERIFY(m_Urls.urls.isEmpty());
    // Dragging the header does not move the window either.
    const QPoint before = m_Window->position();
    QTest::mousePress(m_Window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    QTest::mouseMove(m_Window, QPoint(140, 80));
    QTest::mouseRelease(m_Window, Qt::LeftButton, Qt::NoModifier, QPoint(140, 80));
    QTest::qWait(50);
    QCOMPARE(m_Window->position(), before);
}

void TestPagesWindow::animationFrames() {
    auto* overlay = item("checkingOverlay");
    QCOMPARE(overlay->property("imageIndex").toInt(), 0);
    auto* frame = item("checkingFrame");
    QCOMPARE(frame->property("source").toUrl().fileName(),
             QStringLiteral("Compatibility_checking_00000.png"));
    call(page(), "showCheckingPanel");
    // The frames advance by themselves, and the image follows the index.
    QTRY_VERIFY_WITH_TIMEOUT(overlay->property("imageIndex").toInt() >= 8, 5000);
    overlay->property("animTimer").value<QObject*>()->setProperty("running", false);
    const int index = overlay->property("imageIndex").toInt();
    QCOMPARE(frame->property("source").toUrl().fileName(),
             QStringLiteral("Compatibility_checking_%1.png").arg(index, 5, 10, QChar('0')));
    // After frame 58 the frames start again from 0.
    overlay->property("animTimer").value<QObject*>()->setProperty("running", true);
    QTRY_VERIFY_WITH_TIMEOUT(overlay->property("imageIndex").toInt() < index, 20000);

    // Every frame exists, 24 by 24, and the empty place starts at the bottom
    // right and moves on clockwise: bottom left, top left, top right.
    const QColor blue("#00b5e2");
    const QPoint centres[] = {{18, 18}, {6, 18}, {6, 6}, {18, 6}};
    const struct {
        int frame;
        int emptyPlace;
    } stops[] = {{0, 0}, {15, 1}, {30, 2}, {45, 3}};
    for (const auto& stop : stops) {
        const QImage image(QStringLiteral(":/images/Compatibility_checking_sequence/"
                                          "Compatibility_checking_%1.png")
                               .arg(stop.frame, 5, 10, QChar('0')));
        QCOMPARE(image.size(), QSize(24, 24));
        for (int place = 0; place < 4; ++place) {
            const QRgb pixel = image.pixel(centres[place]);
            const bool filled = qAlpha(pixel) > 200 && near(pixel, blue, 8);
            QVERIFY2(filled == (place != stop.emptyPlace),
                     qPrintable(QString("frame %1 place %2").arg(stop.frame).arg(place)));
        }
    }
    for (int i = 0; i < 59; ++i)
        QCOMPARE(QImage(QStringLiteral(":/images/Compatibility_checking_sequence/"
                                       "Compatibility_checking_%1.png")
                            .arg(i, 5, 10, QChar('0')))
                     .size(),
                 QSize(24, 24));
    QVERIFY(!QFile::exists(
        ":/images/Compatibility_checking_sequence/Compatibility_checking_00059.png"));
}

void TestPagesWindow::verdict_data() {
    QTest::addColumn<QString>("overall");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QColor>("iconColour");
    QTest::newRow("good") << "RANK_GOOD"
                          << "icon_done.png"
                          << "Your system meets the minimum recommended requirements and should be "
                             "able to run Orvo. For a more in-depth scan of your computer's "
                             "readiness for VR, run the SteamVR Performance Test."
                          << QColor("#00b5e2");
    QTest::newRow("bad")
        << "RANK_BAD"
        << "icon_failed.png"
        << "This computer doesn't meet Orvo's recommended minimum specifications. To upgrade to a "
           "fully-compatible computer system, browse the Orvo Ready website."
        << QColor("#d0011b");
    QTest::newRow("unknown")
        << "RANK_UNKNOWN"
        << "icon_error.png"
        << "Some of this computer's components may not work well with Orvo. For more detailed "
           "information about your computer's readiness for Orvo, run the SteamVR Performance Test."
        << QColor("#ff9f35");
    QTest::newRow("unchecked") << "RANK_UNCHECKED"
                               << ""
                               << "Compare error!" << QColor();
}

void TestPagesWindow::verdict() {
    QFETCH(QString, overall);
    QFETCH(QString, icon);
    QFETCH(QString, message);
    QFETCH(QColor, iconColour);
    showResult(overall);
    auto* text = item("verdictText");
    QVERIFY(text);
    QCOMPARE(page()->property("verdictPlainText").toString(), message);
    QCOMPARE(text->property("text").toString().contains(message), overall != "RANK_BAD");
    QCOMPARE(rectOf(text).topLeft(), QPoint(110, 158));
    QCOMPARE(int(text->width()), 430);

    auto* iconItem = item("verdictIcon");
    QCOMPARE(iconItem->property("source").toUrl().fileName(), icon);
    QCOMPARE(rectOf(item("verdictIconBox")), QRect(60, 158, 40, 40));
    const QImage image = grab();
    if (icon.isEmpty()) {
        QCOMPARE(countColour(image, QRect(60, 158, 40, 40), QColor("#f0f0f0"), 0), 1600);
    } else {
        QCOMPARE(rectOf(iconItem), QRect(66, 164, 28, 28));
        QVERIFY2(near(image.pixel(66 + 14, 164 + 3), iconColour, 4),
                 qPrintable(describe(image.pixel(80, 167))));
        // Transparent outside the circle: the window shows through.
        QVERIFY(near(image.pixel(61, 159), QColor("#f0f0f0"), 0));
    }
}

void TestPagesWindow::badVerdictLinkAndButton() {
    showResult("RANK_BAD", {"RANK_GOOD", "RANK_BAD"});
    auto* text = item("verdictText");
    const QString rich = text->property("text").toString();
    QVERIFY(rich.contains("href=\"" + kOrvoReadyUrl + "\""));
    QVERIFY(rich.contains("face=\"Fakt Med\""));
    QVERIFY(rich.contains("<b>Orvo Ready</b>"));

    // Drawn in the accent colour, and clicking it opens the ready-PC page.
    const QPoint link = findColour(grab(), rectOf(text), QColor("#00b5e2"));
    QVERIFY(link.x() > 0);
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, link);
    QTRY_COMPARE(m_Urls.urls, QStringList{kOrvoReadyUrl});
    QCOMPARE(m_Window->property("btnOrvoReadyPCCount").toInt(), 0);

    auto* readyPc = item("btnOrvoReadyPC");
    QVERIFY(readyPc->isVisible());
    QCOMPARE(QUrl(kReadyPcsUrl).host(), QUrl(kOrvoReadyUrl).host());
}

void TestPagesWindow::rowsColoursAndDetails() {
    showResult("RANK_BAD", {"RANK_GOOD", "RANK_BAD", "RANK_UNKNOWN", "RANK_UNCHECKED"},
               {"NVIDIA GeForce GTX 1080", "Intel Pentium G4400", "2GB", ""});
    const QImage image = grab();
    saveShot(QStringLiteral("result-rows"));
    const struct {
        const char* name;
        const char* title;
        QColor colour;
        const char* icon;
        const char* detail;
    } rows[] = {
        {"gpuSpec", "Graphics", QColor("#00b5e2"), "icon_done.png", nullptr},
        {"cpuSpec", "Processor", QColor("#dc4949"), "icon_failed.png",
         "This processor may not be powerful enough to run Orvo."},
        {"memorySpec", "Memory", QColor("#f59225"), "icon_error.png",
         "4GB or more memory is recommended."},
        {"osSpec", "OS", QColor("#000000"), "", nullptr},
    };
    int y = 238;
    for (const auto& row : rows) {
        auto* rowItem = item(row.name);
        QVERIFY(rowItem);
        QCOMPARE(rectOf(rowItem).topLeft(), QPoint(60, y));
        QCOMPARE(int(rowItem->width()), 480);
        QCOMPARE(rowItem->findChild<QQuickItem*>("title")->property("text").toString(),
                 QString(row.title));
        auto* value = rowItem->findChild<QQuickItem*>("value");
        QCOMPARE(rectOf(value).topLeft(), QPoint(60 + 180, y + 19));
        QCOMPARE(int(value->width()), 280);
        if (!value->property("text").toString().isEmpty()) {
            QVERIFY2(countColour(image, rectOf(value), row.colour, 2) > 10, row.name);
        }
        auto* iconBox = rowItem->findChild<QQuickItem*>("iconBox");
        QCOMPARE(rectOf(iconBox).left(), 60 + 150);
        QCOMPARE(rectOf(iconBox).size(), QSize(24, 24));
        auto* icon = rowItem->findChild<QQuickItem*>("icon");
        QCOMPARE(icon->property("source").toUrl().fileName(), QString(row.icon));
        QCOMPARE(icon->size(), QSizeF(17, 17));
        if (QString(row.icon).isEmpty())
            QCOMPARE(countColour(image, rectOf(iconBox), Qt::white, 0), 24 * 24);
        auto* detail = rowItem->findChild<QQuickItem*>("detail");
        QCOMPARE(detail->isVisible(), row.detail != nullptr);
        if (row.detail) {
            QCOMPARE(detail->property("text").toString(), QString(row.detail));
            QCOMPARE(rectOf(detail).top(), rectOf(value).bottom() + 1 + 12);
            QVERIFY(countColour(image, rectOf(detail), QColor("#4a4a4a"), 30) > 10);
        }
        y += int(rowItem->height()) + 5;
    }
    QCOMPARE(item("osSpec")->findChild<QQuickItem*>("detail")->property("text").toString(),
             QStringLiteral("Windows 7 SP1, Windows 8.1 or newer (64-bit) is required."));
    // Between the rows the window's background shows.
    const int gap = rectOf(item("gpuSpec")).bottom() + 2;
    QVERIFY2(near(image.pixel(300, gap), QColor("#f0f0f0"), 0),
             qPrintable(describe(image.pixel(300, gap))));
}

void TestPagesWindow::rowHeights() {
    showResult("RANK_UNKNOWN", {"RANK_GOOD", "RANK_BAD", "RANK_UNKNOWN", "RANK_UNCHECKED"});
    for (const char* name : {"gpuSpec", "cpuSpec", "memorySpec", "osSpec"}) {
        auto* rowItem = item(name);
        auto* value = rowItem->findChild<QQuickItem*>("value");
        auto* detail = rowItem->findChild<QQuickItem*>("detail");
        const qreal text =
            detail->isVisible() ? value->height() + 12 + detail->height() : value->height();
        QCOMPARE(rowItem->height(), 38 + text);
    }
    // The detail is hidden again once the rank is good, and the row shrinks.
    auto* cpu = item("cpuSpec");
    const qreal badHeight = cpu->height();
    call(m_Window, "setRank", {"cpu", "Intel Pentium G4400", "RANK_GOOD"});
    QVERIFY(cpu->height() < badHeight);
    QCOMPARE(cpu->height(), 38 + cpu->findChild<QQuickItem*>("value")->height());
    auto* column = item("specColumn");
    qreal sum = 0;
    for (const char* name : {"gpuSpec", "cpuSpec", "memorySpec", "osSpec"})
        sum += item(name)->height();
    QCOMPARE(column->height(), sum + 15);
}

void TestPagesWindow::scrollBarOnlyWhenNeeded() {
    showResult("RANK_GOOD");
    auto* scroll = item("specScroll");
    QCOMPARE(rectOf(scroll), QRect(60, 238, 495, 349));
    const QRect bar(60 + 495 - 6, 238, 6, 349);
    QCOMPARE(scroll->property("scrollBarVisible").toBool(), false);
    QCOMPARE(countColour(grab(), bar, QColor("#e0e0e0"), 2), 0);
    saveShot(QStringLiteral("result-good"));

    // A long adapter name wraps inside its value and pushes the rows down
    // until the column no longer fits.
    const QString longName = QString("Very Long Graphics Adapter Name ").repeated(80).trimmed();
    call(m_Window, "setRank", {"gpu", longName, "RANK_GOOD"});
    QTRY_COMPARE(scroll->property("scrollBarVisible").toBool(), true);
    auto* column = item("specColumn");
    QVERIFY(column->height() > 349);
    auto* gpuValue = item("gpuSpec")->findChild<QQuickItem*>("value");
    QVERIFY(gpuValue->property("lineCount").toInt() > 5);
    QCOMPARE(int(gpuValue->width()), 280);
    QTRY_COMPARE(rectOf(item("cpuSpec")).top(), 238 + int(item("gpuSpec")->height()) + 5);
    QTest::qWait(50);
    const QImage image = grab();
    saveShot(QStringLiteral("result-scrolling"));
    // The handle: 6 wide, rounded, "#e0e0e0", at the top, and never shorter
    // than 100 even though the rows are four times the area's height.
    QVERIFY(column->height() > 4 * 349);
    int handle = 0;
    for (int y = 238; y < 238 + 349; ++y)
        handle += near(image.pixel(60 + 495 - 3, y), QColor("#e0e0e0"), 2);
    QVERIFY2(handle >= 100 - 2 && handle <= 100 + 2, qPrintable(QString::number(handle)));
    QCOMPARE(countColour(image, QRect(60 + 495 - 7, 238, 1, 349), QColor("#e0e0e0"), 2), 0);
    QVERIFY(near(image.pixel(60 + 495 - 3, 240), QColor("#e0e0e0"), 2));
    QVERIFY(!near(image.pixel(60 + 495 - 6, 238), QColor("#e0e0e0"), 2));  // rounded end
    // The track is empty: the window shows under the handle's lower end.
    QVERIFY(near(image.pixel(60 + 495 - 3, 238 + 345), QColor("#f0f0f0"), 0));

    // The wheel scrolls the rows.
    auto* flickable = scroll->property("flickableItem").value<QQuickItem*>();
    QVERIFY(flickable);
    QCOMPARE(flickable->property("contentY").toReal(), 0.0);
    QWheelEvent wheel(QPointF(300, 400), m_Window->mapToGlobal(QPoint(300, 400)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_Window, &wheel);
    QTRY_VERIFY(flickable->property("contentY").toReal() > 0);

    // With the bar shown, the keyboard can scroll too.
    auto* keys = item("scrollKeys");
    QVERIFY(keys && keys->isVisible());
    closeButton()->forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QCOMPARE(focused(), keys);
    const qreal bottom = column->height() - 349;
    QTest::keyClick(m_Window, Qt::Key_End);
    QCOMPARE(flickable->property("contentY").toReal(), bottom);
    QTest::keyClick(m_Window, Qt::Key_PageDown);
    QCOMPARE(flickable->property("contentY").toReal(), bottom);
    QTest::keyClick(m_Window, Qt::Key_Up);
    QCOMPARE(flickable->property("contentY").toReal(), bottom - 20);
    QTest::keyClick(m_Window, Qt::Key_Home);
    QCOMPARE(flickable->property("contentY").toReal(), 0.0);
    QTest::keyClick(m_Window, Qt::Key_PageDown);
    QCOMPARE(flickable->property("contentY").toReal(), 349.0);
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QCOMPARE(focused(), item("btnOrderOrvo"));

    // Back to a short name: the bar goes away again.
    call(m_Window, "setRank", {"gpu", "GTX 1080", "RANK_GOOD"});
    QTRY_COMPARE(scroll->property("scrollBarVisible").toBool(), false);
    QVERIFY(!keys->isVisible());
    QCOMPARE(flickable->property("contentY").toReal(), 0.0);
}

void TestPagesWindow::buttonsOpenPagesThenCount_data() {
    QTest::addColumn<QString>("overall");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<QStringList>("counters");
    const QStringList both = {"btnOrderOrvo", "btnPerformance"};
    for (const char* rank : {"RANK_GOOD", "RANK_UNKNOWN", "RANK_UNCHECKED"})
        QTest::newRow(rank) << rank << both << QStringList{kProductUrl, kPerformanceUrl}
                            << QStringList{"btnOrderOrvoCount", "btnPerformanceCount"};
    QTest::newRow("RANK_BAD") << "RANK_BAD" << QStringList{"btnOrvoReadyPC"}
                              << QStringList{kReadyPcsUrl} << QStringList{"btnOrvoReadyPCCount"};
}

void TestPagesWindow::buttonsOpenPagesThenCount() {
    QFETCH(QString, overall);
    QFETCH(QStringList, visible);
    QFETCH(QStringList, urls);
    QFETCH(QStringList, counters);
    showResult(overall);
    const QImage image = grab();
    for (const char* name : {"btnOrderOrvo", "btnPerformance", "btnOrvoReadyPC"})
        QCOMPARE(item(name)->isVisible(), visible.contains(name));

    auto* order = item("btnOrderOrvo");
    auto* performance = item("btnPerformance");
    auto* readyPc = item("btnOrvoReadyPC");
    QCOMPARE(rectOf(order).left(), 50);
    QCOMPARE(rectOf(order).bottom() + 1, 740 - 47);
    QCOMPARE(rectOf(performance).right() + 1, 600 - 50);
    QCOMPARE(rectOf(readyPc).center().x(), 299);
    QCOMPARE(rectOf(readyPc).bottom() + 1, 740 - 47);
    for (const QString& name : visible)
        QVERIFY2(near(image.pixel(centreOf(item(name)).x(), rectOf(item(name)).top() + 3),
                      QColor("#00b5e2"), 0),
                 qPrintable(name));

    int total = 0;
    for (int round = 1; round <= 3; ++round) {
        for (int i = 0; i < visible.size(); ++i) {
            QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, centreOf(item(visible[i])));
            ++total;
            QCOMPARE(m_Window->property(counters[i].toLatin1()).toInt(), round);
            QCOMPARE(m_Urls.urls.last(), urls[i]);
            // The page was opened before the counter moved.
            QCOMPARE(m_Urls.countersAtOpen.last(), total - 1);
        }
    }
    QCOMPARE(m_Urls.urls.size(), total);
    for (const char* name : {"btnOrderOrvoCount", "btnPerformanceCount", "btnOrvoReadyPCCount"})
        if (!counters.contains(name)) QCOMPARE(m_Window->property(name).toInt(), 0);
}

void TestPagesWindow::keyboardOnTheResultPage() {
    showResult("RANK_BAD");
    // Bad verdict: the link in the message has the focus at once, then the
    // ready-PC button.
    QCOMPARE(focused(), item("readyLink"));
    QTest::keyClick(m_Window, Qt::Key_Return);
    QCOMPARE(m_Urls.urls, QStringList{kOrvoReadyUrl});
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QCOMPARE(focused(), item("btnOrvoReadyPC"));
    QTest::keyClick(m_Window, Qt::Key_Space);
    QTest::keyClick(m_Window, Qt::Key_Enter);
    QCOMPARE(m_Window->property("btnOrvoReadyPCCount").toInt(), 2);
    QCOMPARE(m_Urls.urls.last(), kReadyPcsUrl);
    // Hidden buttons are not in the tab chain.
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QCOMPARE(focused(), closeButton());

    // Any other verdict: the order button, then the performance test.
    call(m_Window, "setRank", {"overall", "", "RANK_GOOD"});
    item("btnOrderOrvo")->forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(m_Window, Qt::Key_Backtab);
    QCOMPARE(focused(), closeButton());
    QTest::keyClick(m_Window, Qt::Key_Backtab);
    QCOMPARE(focused(), item("btnPerformance"));
    QTest::keyClick(m_Window, Qt::Key_Backtab);
    QCOMPARE(focused(), item("btnOrderOrvo"));
    QTest::keyClick(m_Window, Qt::Key_Space);
    QCOMPARE(m_Window->property("btnOrderOrvoCount").toInt(), 1);
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QCOMPARE(focused(), item("btnPerformance"));
    QTest::keyClick(m_Window, Qt::Key_Return);
    QCOMPARE(m_Window->property("btnPerformanceCount").toInt(), 1);
    QCOMPARE(m_Urls.urls.mid(3), (QStringList{kProductUrl, kPerformanceUrl}));
    // A held key presses once.
    QTest::keyPress(m_Window, Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QCoreApplication::sendEvent(m_Window, &repeat);
    QTest::keyRelease(m_Window, Qt::Key_Space);
    QCOMPARE(m_Window->property("btnPerformanceCount").toInt(), 2);
}

void TestPagesWindow::everyResultStopShowsTheMark_data() {
    QTest::addColumn<QString>("overall");
    QTest::addColumn<bool>("scrolling");
    QTest::addColumn<QStringList>("stops");  // from the first focus on, in Tab order
    QTest::addColumn<bool>("mouse");         // Start clicked rather than pressed with a key
    for (const bool mouse : {false, true}) {
        const char* by = mouse ? ", mouse first" : "";
        QTest::addRow("good%s", by) << "RANK_GOOD" << false
                                    << QStringList{"btnOrderOrvo", "btnPerformance", "closeButton"}
                                    << mouse;
        QTest::addRow("good, rows scroll%s", by)
            << "RANK_GOOD" << true
            << QStringList{"btnOrderOrvo", "btnPerformance", "closeButton", "scrollKeys"} << mouse;
        QTest::addRow("bad%s", by) << "RANK_BAD" << false
                                   << QStringList{"readyLink", "btnOrvoReadyPC", "closeButton"}
                                   << mouse;
        QTest::addRow("bad, rows scroll%s", by)
            << "RANK_BAD" << true
            << QStringList{"readyLink", "scrollKeys", "btnOrvoReadyPC", "closeButton"} << mouse;
    }
}

void TestPagesWindow::everyResultStopShowsTheMark() {
    QFETCH(QString, overall);
    QFETCH(bool, scrolling);
    QFETCH(QStringList, stops);
    QFETCH(bool, mouse);
    auto markPixels = [this](QQuickItem* control) {
        const QRect box = rectOf(control);
        return countColour(grab(), QRect(box.left(), box.top() - 3, box.width(), 2),
                           QColor("#4a4a4a"), 8);
    };
    auto* start = item("startButton");
    if (mouse) {
        QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, centreOf(start));
    } else {
        start->forceActiveFocus(Qt::TabFocusReason);
        QTest::keyClick(m_Window, Qt::Key_Space);
    }
    showResult(overall, {}, {scrolling ? QString("Long Adapter Name ").repeated(40) : "GTX 1080"});
    QTRY_COMPARE(item("specScroll")->property("scrollBarVisible").toBool(), scrolling);
    if (mouse) {
        // The first control still has the focus, for screen readers, but no
        // frame greets the mouse user; the keyboard brings it back.
        QCOMPARE(focused(), item(stops.first()));
        QCOMPARE(markPixels(focused()), 0);
        QTest::keyClick(m_Window, Qt::Key_Tab);
        QTest::keyClick(m_Window, Qt::Key_Backtab);
    }
    for (int i = 0; i <= stops.size(); ++i) {
        const QString name = stops[i % stops.size()];
        QCOMPARE(focused(), name == "closeButton" ? closeButton() : item(name));
        QVERIFY2(markPixels(focused()) > rectOf(focused()).width() / 2, qPrintable(name));
        QTest::keyClick(m_Window, Qt::Key_Tab);
    }
    // A click anywhere (here the header) takes the marks away again.
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTRY_COMPARE(markPixels(focused()), 0);
}

void TestPagesWindow::closeButtonFromTheKeyboard() {
    // Pressed from the keyboard, the close button ends the run exactly as a
    // click does: hidden at once, analytics asked for because consent is kept.
    showResult("RANK_GOOD");
    QSignalSpy doBI(m_Window, SIGNAL(doBI()));
    QTest::keyClick(m_Window, Qt::Key_Backtab);
    QCOMPARE(focused(), closeButton());
    QTest::keyClick(m_Window, Qt::Key_Return);
    QVERIFY(!m_Window->isVisible());
    QCOMPARE(doBI.count(), 1);
}

void TestPagesWindow::pushedValuesAreShownLiterally() {
    const QString markup =
        QStringLiteral("<font color=\"#ff0000\"><b>GPU</b></font> &amp; <i>x</i>");
    showResult("RANK_GOOD", {},
               {markup, "<img src=\"images/icon_failed.png\">", "<br>4GB", "OS<p>2"});
    const QImage image = grab();
    auto* value = item("gpuSpec")->findChild<QQuickItem*>("value");
    QCOMPARE(value->property("text").toString(), markup);
    // Red would mean the font tag was obeyed.
    QCOMPARE(countColour(image, rectOf(value), QColor("#ff0000"), 60), 0);
    // The literal tags take room: far wider than the three letters "GPU".
    const QFontMetricsF metrics(value->property("font").value<QFont>());
    QVERIFY(value->property("contentWidth").toReal() > metrics.horizontalAdvance("GPU & x") * 3);
    // No picture from the image tag, and no line break from the break tags.
    auto* cpu = item("cpuSpec")->findChild<QQuickItem*>("value");
    QCOMPARE(
        countColour(image,
                    rectOf(item("cpuSpec")->findChild<QQuickItem*>("iconBox")).translated(40, 0),
                    QColor("#d0011b"), 20),
        0);
    QVERIFY(countColour(image, rectOf(cpu), QColor("#00b5e2"), 2) > 10);
    QCOMPARE(item("memorySpec")->findChild<QQuickItem*>("value")->property("lineCount").toInt(), 1);
    QCOMPARE(item("osSpec")->findChild<QQuickItem*>("value")->property("lineCount").toInt(), 1);
}

void TestPagesWindow::accessibleNamesAndRoles() {
    QAccessible::setActive(true);
    auto check = [](QQuickItem* target, QAccessible::Role role, const QString& name) {
        QVERIFY(target);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(target);
        QVERIFY2(face, qPrintable(target->objectName()));
        QCOMPARE(face->role(), role);
        QCOMPARE(face->text(QAccessible::Name), name);
        QVERIFY(face->state().focusable);
    };
    check(item("startButton"), QAccessible::Button, "Start");
    check(closeButton(), QAccessible::Button, "Close");
    check(item("privacyLink"), QAccessible::Link, "Daxo Privacy Policy");
    auto* box = item("consentBox");
    check(box, QAccessible::CheckBox,
          "Send system information (OS, RAM, CPU, and GPU) to Daxo to help improve Orvo "
          "Software. Review Daxo Privacy Policy.");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
    QVERIFY(face->state().checkable);
    QVERIFY(face->state().checked);
    // The screen reader's press toggles the box like a click.
    QVERIFY(face->actionInterface());
    face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(m_Window->property("isChecked").toBool(), false);
    QVERIFY(!face->state().checked);

    // Start pressed by a screen reader starts one check, like a click.
    QSignalSpy doChecking(m_Window, SIGNAL(doChecking()));
    QAccessibleInterface* start = QAccessible::queryAccessibleInterface(item("startButton"));
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(doChecking.count(), 1);
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(doChecking.count(), 1);

    showResult("RANK_BAD");
    check(item("btnOrvoReadyPC"), QAccessible::Button, "Browse Orvo-Ready PCs");
    check(item("readyLink"), QAccessible::Link, "Orvo Ready");
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(item("btnOrvoReadyPC"));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_Window->property("btnOrvoReadyPCCount").toInt(), 1);
    QCOMPARE(m_Urls.urls, QStringList{kReadyPcsUrl});
    // Rows read as one line each: title, value and, when shown, the detail.
    QAccessibleInterface* row = QAccessible::queryAccessibleInterface(item("gpuSpec"));
    QCOMPARE(row->text(QAccessible::Name), QStringLiteral("Graphics: NVIDIA GeForce GTX 1080"));
    QAccessible::setActive(false);
}

void TestPagesWindow::screenshots() {
    saveShot(QStringLiteral("welcome"));
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QTest::keyClick(m_Window, Qt::Key_Space);
    QTRY_VERIFY(!m_Window->property("isChecked").toBool());
    saveShot(QStringLiteral("welcome-consent-focused-unticked"));
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QTest::keyClick(m_Window, Qt::Key_Tab);
    QTRY_VERIFY(item("startButton")->hasActiveFocus());
    saveShot(QStringLiteral("welcome-start-focused"));
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, centreOf(item("startButton")));
    QTest::qWait(100);
    saveShot(QStringLiteral("checking"));
    m_Engine.reset();
    m_Window = nullptr;

    const struct {
        const char* name;
        const char* overall;
        QStringList ranks;
    } states[] = {
        {"result-verdict-good", "RANK_GOOD", {}},
        {"result-verdict-bad", "RANK_BAD", {"RANK_BAD", "RANK_BAD", "RANK_GOOD", "RANK_BAD"}},
        {"result-verdict-unknown",
         "RANK_UNKNOWN",
         {"RANK_UNKNOWN", "RANK_GOOD", "RANK_GOOD", "RANK_UNKNOWN"}},
        {"result-verdict-unchecked",
         "RANK_UNCHECKED",
         {"RANK_UNCHECKED", "RANK_UNCHECKED", "RANK_UNCHECKED", "RANK_UNCHECKED"}},
    };
    for (const auto& state : states) {
        init();
        showResult(state.overall, state.ranks);
        saveShot(state.name);
        cleanup();
    }
}

int main(int argc, char* argv[]) { return runWindowTest<TestPagesWindow>(argc, argv); }

#include "test_pages_window.moc"
