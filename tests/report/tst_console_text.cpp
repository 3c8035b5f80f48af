// The report's text in a console: lines wrapped at word boundaries to the
// console's width, never inside a word, in every kind of script.
#include <QtTest>

#include "console_wrap.h"

class TestConsoleText : public QObject {
    Q_OBJECT
private slots:
    void wrapsAtWordBoundaries_data();
    void wrapsAtWordBoundaries();
};

void TestConsoleText::wrapsAtWordBoundaries_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("expected");
    const QString german = QStringLiteral(
        "Dieser Prozessor ist möglicherweise nicht leistungsfähig genug für Orvo.");
    QTest::newRow("German at 40, never inside möglicherweise")
        << german << 40
        << QStringLiteral("Dieser Prozessor ist möglicherweise\n"
                          "nicht leistungsfähig genug für Orvo.");
    QTest::newRow("a line of exactly the width leaves the last column free")
        << QStringLiteral("aaaa bbbb") << 9 << QStringLiteral("aaaa\nbbbb");
    QTest::newRow("continuations keep the indentation")
        << QStringLiteral("      one two three four") << 18
        << QStringLiteral("      one two\n      three four");
    QTest::newRow("a table row keeps its columns and continues under the last")
        << QStringLiteral("Graphics  good  NVIDIA GeForce GTX 1080") << 34
        << QStringLiteral("Graphics  good  NVIDIA GeForce\n                GTX 1080");
    QTest::newRow("line breaks of the text stay, each line wrapped alone")
        << QStringLiteral("aa bb cc\n\ndd ee") << 6 << QStringLiteral("aa bb\ncc\n\ndd ee");
    QTest::newRow("a word longer than a line is cut")
        << QStringLiteral("x abcdefghij") << 5 << QStringLiteral("x\nabcd\nefgh\nij");
    // Wide characters take two cells and need no space between them.
    QTest::newRow("Chinese between any two characters")
        << QStringLiteral("这台电脑的处理器可能不够强大") << 11
        << QStringLiteral("这台电脑的\n处理器可能\n不够强大");
    QTest::newRow("Japanese with a Latin name kept whole")
        << QStringLiteral("このプロセッサーはOrvoには") << 13
        << QStringLiteral("このプロセッ\nサーはOrvoに\nは");
    QTest::newRow("no console width: unchanged") << german << 0 << german;
}

void TestConsoleText::wrapsAtWordBoundaries() {
    QFETCH(QString, text);
    QFETCH(int, columns);
    QFETCH(QString, expected);
    QCOMPARE(wrapToColumns(text, columns), expected);
}

QTEST_APPLESS_MAIN(TestConsoleText)
#include "tst_console_text.moc"
