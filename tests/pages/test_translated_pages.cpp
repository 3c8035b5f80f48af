// Every page of the real window in every shipped language, on the screen the
// test runs on (768, 900 or 1080 pixels high): no visible text may be elided,
// run out of its own box, its parent or the window, overlap another drawn
// item, or sit so close above another text that it would overlap it on
// Windows. Screenshots of each page land in the build folder for review.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "art_image_provider.h"
#include "headset_text.h"
#include "invoke_qml.h"
#include "language_fonts.h"
#include "log.h"
#include "row_reason_text.h"
#include "startup.h"
#include "window_test_main.h"
#include "ui_language.h"

namespace {

struct Drawn {
    QQuickItem* item;
    QRectF rect;  // in the window, clipped by the scroll area
};

bool isText(const QQuickItem* item) { return item->inherits("QQuickText"); }

// Where a text's glyphs are, in its own coordinates.
QRectF inkOf(QQuickItem* text) {
    const qreal w = text->property("contentWidth").toReal();
    const qreal h = text->property("contentHeight").toReal();
    const int align = text->property("horizontalAlignment").toInt();
    const qreal x = align == Qt::AlignHCenter ? (text->width() - w) / 2
                    : align == Qt::AlignRight ? text->width() - w
                                              : 0;
    const bool middle = text->property("verticalAlignment").toInt() == Qt::AlignVCenter;
    return {x, middle ? (text->height() - h) / 2 : 0, w, h};
}

bool isDrawn(QQuickItem* item) {
    if (isText(item)) return !item->property("text").toString().isEmpty();
    if (item->inherits("QQuickImage")) return !item->property("source").toUrl().isEmpty();
    return item->inherits("QQuickRectangle") && item->property("color").value<QColor>().alpha();
}

bool contains(QQuickItem* outer, QQuickItem* inner) {
    for (QQuickItem* up = inner; up; up = up->parentItem())
        if (up == outer) return true;
    return false;
}

// A rectangle that fills its parent is the background of what the parent holds.
bool isBackgroundOf(QQuickItem* item, QQuickItem* text) {
    QQuickItem* parent = item->parentItem();
    return parent && item->position().isNull() && item->size() == parent->size() &&
           contains(parent, text);
}

void collect(QQuickItem* item, const QRectF& clip, QList<Drawn>* out) {
    if (!item->isVisible() || item->opacity() <= 0) return;
    const QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    const QRectF shown = (isText(item) ? item->mapRectToScene(inkOf(item)) : box) & clip;
    if (isDrawn(item) && !shown.isEmpty()) out->append({item, shown});
    for (QQuickItem* child : item->childItems())
        collect(child, item->clip() ? clip & box : clip, out);
}

QString nameOf(QQuickItem* item) {
    return QStringLiteral("%1 \"%2\"").arg(item->objectName(), item->property("text").toString());
}

// Windows draws the same font with taller lines than Linux: it spaces lines
// by the font's Windows ascent and descent (Roboto: 2146 + 555 units), where
// FreeType takes the horizontal header's (1900 + 500). The texts are drawn
// here with lines that much taller, so a text placed at a fixed distance
// under another (the footnote under the last requirement) overlaps as it
// would on Windows, while texts that follow the height of the one above
// move along. (The system fonts of Chinese, Japanese and Korean differ
// between the two systems altogether; nothing is grown for them.)
constexpr qreal kWindowsLineHeight = (2146.0 + 555.0) / (1900.0 + 500.0);

void growLinesAsOnWindows(QQuickItem* item) {
    if (!QFont::substitutes(QFont::substitute(QStringLiteral("Fakt Med"))).isEmpty()) return;
    if (isText(item) && item->property("lineHeightMode").toInt() == 0 /* proportional */)
        item->setProperty("lineHeight",
                          item->property("lineHeight").toReal() * kWindowsLineHeight);
    for (QQuickItem* child : item->childItems()) growLinesAsOnWindows(child);
}

QStringList faults(QQuickItem* root, const QRectF& window) {
    QList<Drawn> drawn;
    collect(root, window, &drawn);
    QStringList found;
    const qreal e = 0.5;  // rounding
    for (const Drawn& text : drawn) {
        QQuickItem* item = text.item;
        if (!isText(item)) continue;
        if (item->property("truncated").toBool()) found << "elided: " + nameOf(item);
        const QRectF ink = inkOf(item);
        if (ink.width() > item->width() + e || ink.height() > item->height() + e)
            found << "out of its box: " + nameOf(item);
        // Parents without a width or height of their own bound nothing that way.
        QQuickItem* parent = item->parentItem();
        const QRectF in = item->mapRectToItem(parent, ink);
        if ((parent->width() > 0 && (in.left() < -e || in.right() > parent->width() + e)) ||
            (parent->height() > 0 && (in.top() < -e || in.bottom() > parent->height() + e)))
            found << "out of its parent: " + nameOf(item);
        if (!window.adjusted(-e, -e, e, e).contains(text.rect))
            found << "out of the window: " + nameOf(item);
        for (const Drawn& other : drawn) {
            const QRectF both = text.rect & other.rect;
            if (both.width() > e && both.height() > e && !contains(item, other.item) &&
                !contains(other.item, item) && !isBackgroundOf(other.item, item))
                found << nameOf(item) + " overlaps " + nameOf(other.item);
        }
    }
    found.removeDuplicates();
    return found;
}

// The longest reasons a row can give: a family-ranked adapter beside another
// one, a processor short of both references, memory and OS below the floor.
ReportData longestReasons(const QString& rank) {
    ReportData data;
    data.comparisonVersion = QStringLiteral("2026.12.08");
    RankReason gpu;
    gpu.decidedBy = DecidedBy::BadList;
    // An ID that stays ambiguous: the longest figure, a range with its products.
    gpu.figures = {{"g3d", "PassMark G3D Mark", 11900, 7325, "GTX 970 / R9 290", "GeForce RTX 3050"},
                   {"g3d", "PassMark G3D Mark", 14500, 7325, "GTX 970 / R9 290",
                    "GeForce RTX 3060 Laptop GPU"}};
    RankReason cpu;
    cpu.decidedBy = DecidedBy::BadList;
    const QString product = QStringLiteral("Intel Core i5-4430 @ 3.00GHz");
    cpu.figures = {{"single-thread", "", 1809, 1881, "Intel Core i5-4590", product},
                   {"multi-thread", "", 4661, 4815, "Intel Core i5-4590", product},
                   {"single-thread", "", 1809, 1419, "AMD FX-8350", product},
                   {"multi-thread", "", 4661, 5390, "AMD FX-8350", product}};
    RankReason memory;
    memory.decidedBy = DecidedBy::Minimum;
    memory.figures = {{"memory-gb", "", 3.0, 4, "4 GB", ""}};
    RankReason os;
    os.decidedBy = DecidedBy::Minimum;
    // A good row has no advice.
    const auto fix = [&rank](const char* advice) {
        return QString::fromLatin1(rank == "RANK_GOOD" ? "none" : advice);
    };
    data.gpu = {"NVIDIA GeForce RTX 3060 Laptop GPU", rank, gpu, fix("laptop-gpu-fixed")};
    data.cpu = {"Intel(R) Core(TM) i7-6700K CPU @ 4.00GHz", rank, cpu, fix("laptop-cpu-fixed")};
    data.memory = {"16.0GB", rank, memory, fix("add-memory")};
    data.os = {"Windows 10 Pro 64-bit", rank, os, fix("update-os")};
    // A family that decided, and a release on no list told which releases are.
    if (rank == "RANK_UNKNOWN") {
        data.gpu.why.figures.clear();
        data.gpu.why.family = QStringLiteral("GeForce 400/500 (Fermi)");
        os.decidedBy = DecidedBy::NotListed;
        os.listedReleases = QStringList{"Ubuntu 22.04", "Ubuntu 24.04", "Debian 12", "Fedora 40"};
        data.os = {"Ubuntu 24.10", rank, os, "use-listed-os"};
    }
    data.adapters = {{"Intel(R) UHD Graphics 630", "RANK_BAD"}, data.gpu};
    data.representativeIndex = 1;
    return data;
}

// The headset part: both warnings (the longest sentences) under a bad
// verdict, and every status once over the states.
QVariantList headsetLines(const QString& state) {
    using Video = VideoJudgement::Reason;
    using Usb = UsbJudgement::Reason;
    VideoJudgement video;
    video.neededAdapter = QStringLiteral("NVIDIA GeForce RTX 2070 with Max-Q Design");
    video.adaptersWithOutputs = QStringList{QStringLiteral("Intel(R) UHD Graphics 630")};
    UsbJudgement usb;
    const bool good = state == "RANK_GOOD", bad = state == "RANK_BAD";
    video.reason = good                      ? Video::RankedAdapterHasOutput
                   : bad                     ? Video::OutputsOnOtherAdapter
                   : state == "RANK_UNKNOWN" ? Video::NoExternalOutput
                                             : Video::NoConnectorInformation;
    usb.reason = good ? Usb::SuperSpeed : bad ? Usb::KnownTroubleOnly : Usb::NothingRead;
    usb.troubleControllers = QStringList{QStringLiteral("ASMedia ASM1042")};
    PowerJudgement power;
    power.reason = good  ? PowerJudgement::Reason::PluggedIn
                   : bad ? PowerJudgement::Reason::BatterySaver
                         : PowerJudgement::Reason::NothingRead;
    const bool videoKnown = video.reason != Video::NoConnectorInformation;
    const char* status = good ? "ok" : bad ? "warning" : "unknown";
    return {good         ? "ok"
            : videoKnown ? "warning"
                         : "unknown",
            headsetVideoLine(video),
            status,
            headsetUsbLine(usb),
            status,
            headsetPowerLine(power)};
}

}  // namespace

class TestTranslatedPages : public QObject {
    Q_OBJECT
private slots:
    void layoutHolds_data();
    void layoutHolds();
};

void TestTranslatedPages::layoutHolds_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("state");
    for (const QString& language : QStringList{"en"} + shippedLanguages())
        for (const char* state :
             {"welcome", "checking", "RANK_GOOD", "RANK_BAD", "RANK_UNKNOWN", "RANK_UNCHECKED"})
            QTest::newRow(qPrintable(language + "-" + state)) << language << QString(state);
    QTest::newRow("xx-welcome") << "xx"
                                << "welcome";  // no such translation: English
}

void TestTranslatedPages::layoutHolds() {
    QFETCH(QString, language);
    QFETCH(QString, state);
    qputenv("ORVOCHECK_LANGUAGE", language.toLatin1());
    const QString chosen = installTranslations();
    QCOMPARE(chosen, language == "xx" ? "en" : language);
    useSystemFontsFor(chosen);
    QQmlApplicationEngine engine;
    installArtImageProvider(engine);
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
    QVERIFY(window && QTest::qWaitForWindowExposed(window));
    auto* loader = window->findChild<QQuickItem*>(QStringLiteral("pageLoader"));
    auto* page = loader->property("item").value<QQuickItem*>();
    // While checking only the overlay is in view: the page shows faintly through.
    QQuickItem* root = window->contentItem();
    if (state == "checking") {
        call(page, "showCheckingPanel");
        root = page->findChild<QQuickItem*>(QStringLiteral("checkingOverlay"));
    } else if (state != "welcome") {
        // Long real names and the longest reasons; every row doubtful for a
        // bad verdict, two for an unknown one: the layouts with the most
        // text. Without a comparison the rows say what was found and one
        // line what the user can do.
        const QStringList keys = {"gpu", "cpu", "memory", "os"};
        const ReportData reasons = longestReasons(state);
        const QLocale locale = localeForLanguage(chosen);
        QStringList names;
        for (const QString& key : keys) names << rowValueText(key, reasons, locale);
        for (int i = 0; i < keys.size(); ++i)
            call(window, "setRank",
                 {keys[i], names[i], state == "RANK_UNKNOWN" && i % 2 ? "RANK_GOOD" : state});
        call(window, "setRank", {"overall", "", state});
        for (const QString& key : keys)
            if (state != "RANK_UNCHECKED")
                call(window, "setReason",
                     {key, rowReasonLines(key, reasons, locale).join('\n'),
                      rowAdviceLine(key, reasons, locale)});
        call(window, "setReason",
             {"comparison", state == "RANK_UNCHECKED" ? comparisonUnreadableLine() : "", ""});
        call(window, "setHeadset", headsetLines(state));
        call(window, "finishedChecking");
        loader->setProperty("source", QUrl(QStringLiteral("qrc:/pResult.qml")));
        // A document that does not load would leave an empty page that passes.
        QVERIFY(loader->property("item").value<QQuickItem*>());
    }
    QTest::qWait(100);  // the rows and the scroll view settle
    growLinesAsOnWindows(window->contentItem());
    QTest::qWait(50);

    const QString dir = QStringLiteral(ORVO_SCREENSHOT_DIR "/languages-%1")
                            .arg(QGuiApplication::primaryScreen()->size().height());
    QDir().mkpath(dir);
    QVERIFY(window->grabWindow().save(QStringLiteral("%1/%2-%3.png").arg(dir, language, state)));
    QStringList found = faults(root, QRectF(0, 0, window->width(), window->height()));
    // Again with the rows' column scrolled to its end, where the headset part is.
    if (auto* scroll = window->findChild<QQuickItem*>(QStringLiteral("specScroll"))) {
        auto* view = scroll->property("flickableItem").value<QQuickItem*>();
        const qreal end = view->property("contentHeight").toReal() - view->height();
        view->setProperty("contentY", qMax(0.0, end));
        QTest::qWait(50);
        QVERIFY(window->grabWindow().save(
            QStringLiteral("%1/%2-%3-end.png").arg(dir, language, state)));
        found += faults(root, QRectF(0, 0, window->width(), window->height()));
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
}

int main(int argc, char* argv[]) { return runWindowTest<TestTranslatedPages>(argc, argv); }

#include "test_translated_pages.moc"
