#include "language_fonts.h"

#include <QDebug>
#include <QFont>
#include <QStringList>

namespace {

// Windows' own fonts first (the newest, then those of Windows 7), then
// Linux's Noto CJK. A font of the language's own variant gives its glyph
// forms, which a generic fallback may not.
QStringList familiesFor(const QString& language) {
    if (language == QLatin1String("ja"))
        return {QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"),
                QStringLiteral("Noto Sans CJK JP")};
    if (language == QLatin1String("ko"))
        return {QStringLiteral("Malgun Gothic"), QStringLiteral("Noto Sans CJK KR")};
    if (language == QLatin1String("zh_CN"))
        return {QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Microsoft YaHei"),
                QStringLiteral("Noto Sans CJK SC")};
    if (language == QLatin1String("zh_TW"))
        return {QStringLiteral("Microsoft JhengHei UI"), QStringLiteral("Microsoft JhengHei"),
                QStringLiteral("Noto Sans CJK TC")};
    return {};
}

}  // namespace

void useSystemFontsFor(const QString& language) {
    // The embedded family, which "Fakt Med" stands for.
    const QString family = QFont::substitute(QStringLiteral("Fakt Med"));
    if (family == QLatin1String("Fakt Med")) return;  // no embedded font to stand in for
    QFont::removeSubstitutions(family);
    const QStringList families = familiesFor(language);
    if (families.isEmpty()) return;
    // Named, the font is found at once; otherwise the toolkit searches every
    // installed font for the letters when the first text is laid out.
    QFont::insertSubstitutions(family, families);
    qDebug().noquote() << QStringLiteral("[Fonts] %1 first from %2")
                              .arg(language, families.join(QStringLiteral(", ")));
}
