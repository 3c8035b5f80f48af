// The real window documents under an X server whose screen size the test
// runner chose (see with_xvfb.sh and CMakeLists.txt): size and scale, the
// window's functions, the page flow, the close button and the controls.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "art_image_provider.h"
#include "invoke_qml.h"
#include "log.h"
#include "startup.h"

namespace {

QStringList windowDefaults() {
    return {"isCheckingFinished",
            "isChecked",
            "overallRank",
            "cpuRank",
            "gpuRank",
            "memoryRank",
            "osRank",
            "cpuName",
            "gpuName",
            "memorySize",
            "osName"};
}

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    // QTest installs its own message handler when it starts; the log's
    // handler takes over here so that the window's console lines reach the
    // log file as in the program.
    void initTestCase() { qInstallMessageHandler(logMessageHandler); }
    void init();
    void cleanup();

    void sizeFollowsTheScreen();
    void scNeverGoesBelowOne();
    void defaults_data();
    void defaults();
    void setRank_data();
    void setRank();
    void resultPageNotBeforeTheSecondTick();
    void closing_data();
    void closing();
    void closeButtonHover();
    void styledButtonStates();
    void dragMovesTheWindow();
    void fontsAndArtwork();

private:
    QQuickItem* findItem(const QString& name) const;
    QQuickItem* currentPage() const;
    QPoint centreOf(QQuickItem* item) const;

    std::unique_ptr<QQmlApplicationEngine> m_Engine;
    QQuickWindow* m_Window = nullptr;
};

void TestWindow::init() {
    m_Engine = std::make_unique<QQmlApplicationEngine>();
    installArtImageProvider(*m_Engine);
    m_Engine->load(QUrl(QStringLiteral("qrc:/main.qml")));
    QCOMPARE(m_Engine->rootObjects().size(), 1);
    m_Window = qobject_cast<QQuickWindow*>(m_Engine->rootObjects().first());
    QVERIFY(m_Window);
    QVERIFY(QTest::qWaitForWindowExposed(m_Window));
}

void TestWindow::cleanup() {
    m_Engine.reset();
    m_Window = nullptr;
}

QQuickItem* TestWindow::findItem(const QString& name) const {
    return m_Window->findChild<QQuickItem*>(name);
}

QQuickItem* TestWindow::currentPage() const {
    auto* loader = findItem("pageLoader");
    return loader ? qobject_cast<QQuickItem*>(loader->property("item").value<QObject*>()) : nullptr;
}

QPoint TestWindow::centreOf(QQuickItem* item) const {
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

void TestWindow::sizeFollowsTheScreen() {
    const QSize expected =
        qEnvironmentVariable("ORVO_EXPECTED_WINDOW").isEmpty()
            ? QSize()
            : QSize(qEnvironmentVariable("ORVO_EXPECTED_WINDOW").section('x', 0, 0).toInt(),
                    qEnvironmentVariable("ORVO_EXPECTED_WINDOW").section('x', 1, 1).toInt());
    if (!expected.isValid()) QSKIP("ORVO_EXPECTED_WINDOW not set for this screen");
    QCOMPARE(m_Window->size(), expected);
    const QSize screen = m_Window->screen()->size();
    QCOMPARE(m_Window->property("scaleHeight").toInt(), qMax(600, screen.height()));
    // The window takes no larger share of the width than of the height.
    QCOMPARE(m_Window->property("scale").toDouble(),
             qMin(qMax(600, screen.height()) / 900.0, screen.width() * 740 / (600 * 900.0)));
    if (screen.height() >= 600)
        QVERIFY(m_Window->screen()->availableGeometry().contains(m_Window->geometry()));
    QVERIFY(m_Window->flags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(m_Window->color(), QColor("#f0f0f0"));
    QVERIFY(m_Window->isVisible());
}

void TestWindow::scNeverGoesBelowOne() {
    QCOMPARE(call(m_Window, "sc", {0}).toInt(), 1);
    QCOMPARE(call(m_Window, "sc", {-5}).toInt(), 1);
    QCOMPARE(call(m_Window, "sc", {0.4}).toInt(), 1);
    // A half rounds upwards.
    m_Window->setProperty("scale", 0.5);
    QCOMPARE(call(m_Window, "sc", {3}).toInt(), 2);
    QCOMPARE(call(m_Window, "sc", {1}).toInt(), 1);
    QCOMPARE(m_Window->width(), 300);
}

void TestWindow::defaults_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("isCheckingFinished") << "isCheckingFinished" << QVariant(false);
    QTest::newRow("isChecked") << "isChecked" << QVariant(true);
    for (const char* rank : {"overallRank", "cpuRank", "gpuRank", "memoryRank", "osRank"})
        QTest::newRow(rank) << rank << QVariant("RANK_UNCHECKED");
    for (const char* name : {"cpuName", "gpuName", "memorySize", "osName"})
        QTest::newRow(name) << name << QVariant("");
    QTest::newRow("recommendGpu")
        << "recommendGpu"
        << QVariant("NVIDIA GeForce (R) GTX 970 or AMD RadeonTM R9 290 equivalent or faster");
    QTest::newRow("recommendCpu") << "recommendCpu"
                                  << QVariant("Intel i5-4590 or AMD FX 8350 equivalent or faster");
    QTest::newRow("recommendMemory") << "recommendMemory" << QVariant("4GB or more");
    QTest::newRow("recommendOS") << "recommendOS"
                                 << QVariant("Windows 7 SP1, Windows 8.1 or newer");
    QTest::newRow("recommendOS_64")
        << "recommendOS_64" << QVariant("Windows 7 SP1, Windows 8.1 or newer (64-bit)");
    for (const char* counter : {"btnOrderOrvoCount", "btnPerformanceCount", "btnOrvoReadyPCCount"})
        QTest::newRow(counter) << counter << QVariant(0);
    QTest::newRow("baseHeight") << "baseHeight" << QVariant(900);
    QTest::newRow("minScaleHeight") << "minScaleHeight" << QVariant(600);
}

void TestWindow::defaults() {
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    const QVariant actual = m_Window->property(property.toLatin1().constData());
    QVERIFY2(actual.isValid(), qPrintable(property));
    QCOMPARE(actual.toString(), value.toString());
    QCOMPARE(actual.userType() == QMetaType::Bool, value.userType() == QMetaType::Bool);
}

void TestWindow::setRank_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("changed");  // property=value pairs expected afterwards

    QTest::newRow("gpu") << "gpu" << QStringList{"gpuName=v", "gpuRank=RANK_GOOD"};
    QTest::newRow("cpu") << "cpu" << QStringList{"cpuName=v", "cpuRank=RANK_GOOD"};
    QTest::newRow("memory") << "memory" << QStringList{"memorySize=v", "memoryRank=RANK_GOOD"};
    QTest::newRow("os") << "os" << QStringList{"osName=v", "osRank=RANK_GOOD"};
    QTest::newRow("overall ignores its value") << "overall" << QStringList{"overallRank=RANK_GOOD"};
    QTest::newRow("unknown key") << "ram" << QStringList{};
    QTest::newRow("keys are case-sensitive") << "GPU" << QStringList{};
    QTest::newRow("empty key") << "" << QStringList{};
}

void TestWindow::setRank() {
    QFETCH(QString, key);
    QFETCH(QStringList, changed);
    QVariantMap before;
    for (const QString& name : windowDefaults())
        before[name] = m_Window->property(name.toLatin1().constData());

    call(m_Window, "setRank", {key, "v", "RANK_GOOD"});

    QVariantMap expected = before;
    for (const QString& pair : changed) expected[pair.section('=', 0, 0)] = pair.section('=', 1);
    for (const QString& name : windowDefaults())
        QCOMPARE(m_Window->property(name.toLatin1().constData()).toString(),
                 expected[name].toString());
}

void TestWindow::resultPageNotBeforeTheSecondTick() {
    auto* timer = m_Window->findChild<QObject*>("checkingTimer");
    QVERIFY(timer);
    QSignalSpy doChecking(m_Window, SIGNAL(doChecking()));
    QSignalSpy ticks(timer, SIGNAL(triggered()));
    QElapsedTimer clock;

    QVERIFY(currentPage());
    auto* startButton = currentPage()->findChild<QQuickItem*>("startButton");
    QVERIFY(startButton);
    const QPoint start = centreOf(startButton);
    QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, start);
    clock.start();
    QCOMPARE(doChecking.count(), 1);
    auto* overlay = currentPage()->findChild<QQuickItem*>("checkingOverlay");
    QVERIFY(overlay && overlay->isVisible());

    // The check finishes almost at once.
    QTest::qWait(300);
    call(m_Window, "setRank", {"overall", "", "RANK_GOOD"});
    call(m_Window, "finishedChecking");
    QVERIFY(m_Window->property("isCheckingFinished").toBool());

    QTRY_COMPARE_WITH_TIMEOUT(ticks.count(), 1, 3000);
    QCOMPARE(currentPage()->objectName(), QStringLiteral("pageWelcome"));
    QCOMPARE(timer->property("numTriggered").toInt(), 1);

    QTRY_COMPARE_WITH_TIMEOUT(currentPage()->objectName(), QStringLiteral("pageResult"), 3000);
    QCOMPARE(ticks.count(), 2);
    QVERIFY(clock.elapsed() >= 1900);
    QCOMPARE(timer->property("running").toBool(), false);
    QCOMPARE(timer->property("numTriggered").toInt(), 0);
    // The welcome page (and its Start button) is gone; another press is harmless.
    QCOMPARE(doChecking.count(), 1);

    // The console lines of the page flow carry their document and line.
    const QString logPath = openedLogFilePath();
    QVERIFY(!logPath.isEmpty());
    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromLocal8Bit(log.readAll());
    QVERIFY2(QRegularExpression(
                 "\\] The checking timer is triggered: 1 \\(D\\)\\(qrc:/main\\.qml:\\d+\\)\n")
                 .match(text)
                 .hasMatch(),
             qPrintable(text.right(2000)));
    QVERIFY(QRegularExpression("\\] Load result page \\(D\\)\\(qrc:/main\\.qml:\\d+\\)\n")
                .match(text)
                .hasMatch());
    QVERIFY(QRegularExpression("\\] Start button clicked \\(D\\)\\(qrc:/pWelcome\\.qml:\\d+\\)\n")
                .match(text)
                .hasMatch());
}

void TestWindow::closing_data() {
    QTest::addColumn<bool>("consent");
    QTest::addColumn<QString>("page");
    // "button": the close button; "system": a close the window system asks
    // for, as Alt+F4 or the taskbar do (QWindow::close takes the same path
    // through the platform); "checking": the same in the middle of a check.
    QTest::addColumn<QString>("how");
    for (const char* how : {"button", "system"}) {
        for (const char* page : {"pageWelcome", "pageResult"}) {
            QTest::addRow("%s, %s, consent", page, how) << true << page << how;
            QTest::addRow("%s, %s, no consent", page, how) << false << page << how;
        }
    }
    QTest::newRow("checking, system, consent") << true << "pageWelcome" << "checking";
    QTest::newRow("checking, system, no consent") << false << "pageWelcome" << "checking";
}

void TestWindow::closing() {
    QFETCH(bool, consent);
    QFETCH(QString, page);
    QFETCH(QString, how);
    if (page == "pageResult") {
        findItem("pageLoader")->setProperty("source", QUrl("qrc:/pResult.qml"));
        QTRY_VERIFY(currentPage());
        QCOMPARE(currentPage()->objectName(), page);
    }
    if (!consent) {
        // Through the consent box, as the user would.
        auto* box = currentPage()->findChild<QQuickItem*>("consentBox");
        if (box)
            QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier, centreOf(box));
        else
            m_Window->setProperty("isChecked", false);
        QCOMPARE(m_Window->property("isChecked").toBool(), false);
    }
    QSignalSpy doBI(m_Window, SIGNAL(doBI()));
    QSignalSpy quit(m_Engine.get(), &QQmlEngine::quit);
    if (how == "checking") call(m_Window, "startChecking");
    if (how == "button")
        QTest::mouseClick(m_Window, Qt::LeftButton, Qt::NoModifier,
                          centreOf(findItem("closeButton")));
    else
        QVERIFY2(!m_Window->close(), "the window system must not close the window itself");
    QVERIFY(!m_Window->isVisible());
    QTest::qWait(50);
    if (how == "checking") {
        // The results are still being written: the record waits for them.
        QCOMPARE(doBI.count() + quit.count(), 0);
        call(m_Window, "finishedChecking");
    }
    QCOMPARE(doBI.count(), consent ? 1 : 0);
    QCOMPARE(quit.count(), consent ? 0 : 1);
    // A second close (the window system again) sends nothing more.
    m_Window->close();
    QTest::qWait(50);
    QCOMPARE(doBI.count() + quit.count(), 1);
}

void TestWindow::closeButtonHover() {
    auto* button = findItem("closeButton");
    QVERIFY(button);
    QCOMPARE(button->property("source").toUrl().fileName(), QStringLiteral("button_close.png"));
    QTest::mouseMove(m_Window, QPoint(m_Window->width() / 2, 400));
    QTest::mouseMove(m_Window, centreOf(button));
    QTRY_COMPARE(button->property("source").toUrl().fileName(),
                 QStringLiteral("button_close_hover.png"));
    QTest::mouseMove(m_Window, QPoint(m_Window->width() / 2, 400));
    QTRY_COMPARE(button->property("source").toUrl().fileName(), QStringLiteral("button_close.png"));
    const int sc14 = call(m_Window, "sc", {14}).toInt();
    QCOMPARE(button->x(), m_Window->width() - sc14 - call(m_Window, "sc", {15}).toInt());
    QCOMPARE(int(button->width()), sc14);
}

void TestWindow::styledButtonStates() {
    auto* button = currentPage()->findChild<QQuickItem*>("startButton");
    QVERIFY(button);
    auto* background = button->findChild<QQuickItem*>("buttonBackground");
    QVERIFY(background);
    QCOMPARE(background->property("color").value<QColor>(), QColor("#00b5e2"));
    QCOMPARE(int(button->height()), call(m_Window, "sc", {40}).toInt());
    QCOMPARE(int(button->width()), call(m_Window, "sc", {240}).toInt());

    QTest::mouseMove(m_Window, QPoint(m_Window->width() / 2, 400));
    QTest::mouseMove(m_Window, centreOf(button));
    QTRY_COMPARE(button->property("oobeButtonState").toString(), QStringLiteral("over"));
    QCOMPARE(background->property("color").value<QColor>(), QColor("#0a8ecb"));
    QTest::mouseMove(m_Window, QPoint(m_Window->width() / 2, 400));
    QTRY_COMPARE(button->property("oobeButtonState").toString(), QStringLiteral("rest"));
    QCOMPARE(background->property("color").value<QColor>(), QColor("#00b5e2"));
    button->setProperty("oobeButtonState", "press");
    QCOMPARE(background->property("color").value<QColor>(), QColor("#0a8ecb"));
}

void TestWindow::dragMovesTheWindow() {
    const QPoint before = m_Window->position();
    const QPoint grab(100, 50);
    QTest::mousePress(m_Window, Qt::LeftButton, Qt::NoModifier, grab);
    QTest::mouseMove(m_Window, grab + QPoint(30, 20));
    QTRY_COMPARE(m_Window->position(), before + QPoint(30, 20));
    QTest::mouseRelease(m_Window, Qt::LeftButton, Qt::NoModifier, grab);
}

void TestWindow::fontsAndArtwork() {
    // Rich texts ask for "Fakt Med"; it must land on the embedded Medium face.
    // The embedded weights share one family, so the weight picks the face.
    QFont faktMed(QStringLiteral("Fakt Med"));
    QCOMPARE(QFontInfo(faktMed).family(), QStringLiteral("Roboto"));
    faktMed.setWeight(QFont::Medium);
    QCOMPARE(QFontInfo(faktMed).styleName(), QStringLiteral("Medium"));
    for (const char* name : {"Medium", "Blond", "Light"})
        QVERIFY(QFile::exists(QStringLiteral(":/fonts/Fakt/Fakt-%1.otf").arg(name)));

    const auto sc = [this](int n) { return call(m_Window, "sc", {n}).toInt(); };
    auto* logo = findItem("logo");
    QVERIFY(logo);
    QCOMPARE(logo->size(), QSizeF(sc(156), sc(38)));
    QCOMPARE(logo->x(), double(sc(222)));
    findItem("pageLoader")->setProperty("source", QUrl("qrc:/pResult.qml"));
    auto* icon = currentPage()->findChild<QQuickItem*>("verdictIcon");
    QCOMPARE(icon->size(), QSizeF(sc(28), sc(28)));

    // The logo is really drawn: it has both ink and transparency.
    const QImage image(QStringLiteral(":/images/logo_orvo.png"));
    QCOMPARE(image.size(), QSize(156, 38));
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += qAlpha(image.pixel(x, y)) > 128;
    QVERIFY(ink > 300 && ink < 156 * 38 / 2);
    QVERIFY(QImage(QStringLiteral(":/images/button_close.png")) !=
            QImage(QStringLiteral(":/images/button_close_hover.png")));
}

int main(int argc, char* argv[]) {
    // A private working directory, so the log lands in a private sibling.
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir(dir.path()).mkdir("run") || !QDir::setCurrent(dir.path() + "/run"))
        return 3;
    openLogFile();
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    registerFontAliases();
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_window.moc"
