#include "row_reason_text.h"

#include <QCoreApplication>
#include <QDebug>
#include <algorithm>
#include <cmath>

namespace {

struct RowReason {
    Q_DECLARE_TR_FUNCTIONS(RowReason)
};

const ComponentReport& component(const QString& row, const ReportData& data) {
    if (row == QLatin1String("cpu")) return data.cpu;
    if (row == QLatin1String("memory")) return data.memory;
    if (row == QLatin1String("os")) return data.os;
    return data.gpu;
}

bool isGraphics(const QString& row) { return row == QLatin1String("gpu"); }
bool isProcessor(const QString& row) { return row == QLatin1String("cpu"); }

// Sentences several rows share in English, one per row (told apart by the
// row's noun) so that each language can make them agree with it.
struct Words {
    const char* source;
    const char* comment;
};

// gpu, cpu, memory, os, then the whole computer.
int rowIndex(const QString& row) {
    static const QStringList rows = {QStringLiteral("gpu"), QStringLiteral("cpu"),
                                     QStringLiteral("memory"), QStringLiteral("os")};
    const int index = rows.indexOf(row);
    return index < 0 ? 4 : index;
}

//: Rank of a component, in the report's table.
const Words kRankWords[5][4] = {
    {QT_TRANSLATE_NOOP3("RowReason", "meets the minimum", "graphics card"),
     QT_TRANSLATE_NOOP3("RowReason", "below the minimum", "graphics card"),
     QT_TRANSLATE_NOOP3("RowReason", "unknown", "graphics card"),
     QT_TRANSLATE_NOOP3("RowReason", "not checked", "graphics card")},
    {QT_TRANSLATE_NOOP3("RowReason", "meets the minimum", "processor"),
     QT_TRANSLATE_NOOP3("RowReason", "below the minimum", "processor"),
     QT_TRANSLATE_NOOP3("RowReason", "unknown", "processor"),
     QT_TRANSLATE_NOOP3("RowReason", "not checked", "processor")},
    {QT_TRANSLATE_NOOP3("RowReason", "meets the minimum", "memory"),
     QT_TRANSLATE_NOOP3("RowReason", "below the minimum", "memory"),
     QT_TRANSLATE_NOOP3("RowReason", "unknown", "memory"),
     QT_TRANSLATE_NOOP3("RowReason", "not checked", "memory")},
    {QT_TRANSLATE_NOOP3("RowReason", "meets the minimum", "operating system"),
     QT_TRANSLATE_NOOP3("RowReason", "below the minimum", "operating system"),
     QT_TRANSLATE_NOOP3("RowReason", "unknown", "operating system"),
     QT_TRANSLATE_NOOP3("RowReason", "not checked", "operating system")},
    {QT_TRANSLATE_NOOP3("RowReason", "meets the minimum", "computer"),
     QT_TRANSLATE_NOOP3("RowReason", "below the minimum", "computer"),
     QT_TRANSLATE_NOOP3("RowReason", "unknown", "computer"),
     QT_TRANSLATE_NOOP3("RowReason", "not checked", "computer")}};

// Good list, bad list, on no list, for gpu, cpu and os (the memory has no
// list); %1 is "comparison data 2026.12.08".
const Words kListedWords[3][3] = {
    {QT_TRANSLATE_NOOP3("RowReason", "Listed as suitable (%1)", "graphics card"),
     QT_TRANSLATE_NOOP3("RowReason", "Listed as unsuitable (%1)", "graphics card"),
     QT_TRANSLATE_NOOP3("RowReason", "On no list (%1)", "graphics card")},
    {QT_TRANSLATE_NOOP3("RowReason", "Listed as suitable (%1)", "processor"),
     QT_TRANSLATE_NOOP3("RowReason", "Listed as unsuitable (%1)", "processor"),
     QT_TRANSLATE_NOOP3("RowReason", "On no list (%1)", "processor")},
    {QT_TRANSLATE_NOOP3("RowReason", "Listed as suitable (%1)", "operating system"),
     QT_TRANSLATE_NOOP3("RowReason", "Listed as unsuitable (%1)", "operating system"),
     QT_TRANSLATE_NOOP3("RowReason", "On no list (%1)", "operating system")}};

// A family decided, for gpu and cpu: every member good, every member bad.
// %1 names the family by chips or products ("GeForce RTX 30"); no figure of
// the user's own product is known.
const Words kFamilyWords[2][2] = {
    {QT_TRANSLATE_NOOP3("RowReason",
                        "Ranked with the %1 family: every member is fast enough for Orvo",
                        "graphics card"),
     QT_TRANSLATE_NOOP3("RowReason", "Ranked with the %1 family: every member is too slow for Orvo",
                        "graphics card")},
    {QT_TRANSLATE_NOOP3("RowReason",
                        "Ranked with the %1 family: every member is fast enough for Orvo",
                        "processor"),
     QT_TRANSLATE_NOOP3("RowReason", "Ranked with the %1 family: every member is too slow for Orvo",
                        "processor")}};

bool listedGood(const RankReason& why) {
    return why.decidedBy == DecidedBy::GoodList || why.decidedBy == DecidedBy::GoodRevisions;
}

// Whole figures with the locale's grouping, others with one decimal.
QString number(double value, const QLocale& locale) {
    const double whole = std::round(value);
    if (std::fabs(value - whole) < 1e-9 && std::fabs(whole) < 1e15)
        return locale.toString(static_cast<qlonglong>(whole));
    return locale.toString(value, 'f', 1);
}

// Lists joined as the language joins them.
QString namesList(const QStringList& names) {
    //: Joins a list of names ("Intel UHD Graphics 630, AMD Radeon RX 580"); keep the spaces your
    //: language puts around it.
    return names.join(RowReason::tr(", "));
}
QString reasonsList(const QStringList& reasons) {
    //: Joins two short reasons ("Intel Core i5-4590: both figures too low; AMD FX-8350: CPU Mark
    //: too low"); keep the spaces your language puts around it.
    return reasons.join(RowReason::tr("; "));
}

// The comparison data's version is a name, not a date.
QString dataVersion(const QString& version) {
    //: %1 is the version of the comparison data, like 2026.12.08; it is a name, not a date: keep it
    //: as it is.
    return RowReason::tr("comparison data %1").arg(version);
}

// The figure and what Orvo needs, in one line.
QString beside(const QString& figure, const QString& need) {
    //: %1 is the user's figure ("G3D Mark 6,148"), %2 what Orvo needs ("Orvo needs 7,325 (...)").
    return RowReason::tr("%1 — %2").arg(figure, need);
}

// Product names as one short text: where the ID stays ambiguous, the words
// the names share are said once ("GeForce RTX 3050 / 3060 Laptop").
QString productNames(const QStringList& products) {
    // The window keeps names together with no-break spaces.
    const QChar space = products.value(0).contains(QChar(0x00A0)) ? QChar(0x00A0) : QChar(' ');
    QStringList shown;
    const QStringList first = products.value(0).split(space);
    for (const QString& product : products) {
        QStringList words = product.split(space);
        int shared = 0;
        while (!shown.isEmpty() && shared + 1 < words.size() && shared < first.size() &&
               words.at(shared) == first.at(shared))
            ++shared;
        shown << words.mid(shared).join(space);
    }
    return shown.join(QStringLiteral(" / "));
}

// The value of one measure: one figure, or the range of the products the
// computer's ID can be.
struct MeasureValue {
    QString text;
    QStringList products;
};
MeasureValue measureValue(const QList<RankFigure>& figures, const QString& measure,
                          const QLocale& locale) {
    double low = 0.0, high = 0.0;
    QStringList products;
    bool any = false;
    for (const RankFigure& f : figures) {
        if (f.measure != measure) continue;
        low = any ? std::min(low, f.value) : f.value;
        high = any ? std::max(high, f.value) : f.value;
        any = true;
        if (!products.contains(f.product)) products << f.product;
    }
    if (!any || low == high) return {number(low, locale), products};
    //: A range of benchmark figures, %1 the lowest, %2 the highest.
    return {RowReason::tr("%1–%2").arg(number(low, locale), number(high, locale)), products};
}

// Which family decided, in words, never with another product's figure.
QString familyLine(const QString& row, const ComponentReport& c) {
    const Words& words = kFamilyWords[isGraphics(row) ? 0 : 1][listedGood(c.why) ? 0 : 1];
    return RowReason::tr(words.source, words.comment).arg(c.why.family);
}

QString listedLine(const QString& row, const ComponentReport& c, const QString& version) {
    const int which = c.why.decidedBy == DecidedBy::NotListed ? 2 : listedGood(c.why) ? 0 : 1;
    const Words& words = kListedWords[std::min(rowIndex(row), 2)][which];
    return RowReason::tr(words.source, words.comment).arg(dataVersion(version));
}

// The product's own figures, without a bar: the row's value in the figures
// sentence, or beside a family's decision what the user's part scores.
QString ownFigures(bool graphics, const ComponentReport& c, const QLocale& locale) {
    const MeasureValue main =
        measureValue(c.why.figures, graphics ? QStringLiteral("g3d") : QStringLiteral("multi-thread"),
                     locale);
    if (main.products.isEmpty()) return QString();
    QString figure;
    if (graphics) {
        //: %1 is the G3D Mark of the user's card, or a range of them.
        figure = RowReason::tr("G3D Mark %1").arg(main.text);
    } else {
        const MeasureValue single =
            measureValue(c.why.figures, QStringLiteral("single-thread"), locale);
        figure = single.products.isEmpty()
                     //: %1 is the PassMark CPU Mark of the user's processor.
                     ? RowReason::tr("CPU Mark %1").arg(main.text)
                     //: %1 is the PassMark CPU Mark, %2 the PassMark single-thread rating.
                     : RowReason::tr("CPU Mark %1, single thread %2").arg(main.text, single.text);
    }
    // Only an ambiguous ID names its products; a single one is the row's own value.
    if (main.products.size() > 1) figure += QStringLiteral(" (%1)").arg(productNames(main.products));
    return figure;
}

QString graphicsLine(const ComponentReport& c, const QLocale& locale) {
    const RankFigure& f = c.why.figures.first();
    //: %1 is a benchmark figure, %2 the reference cards ("GTX 970 / R9 290").
    return beside(
        ownFigures(true, c, locale),
        RowReason::tr("Orvo needs %1 (%2 class)").arg(number(f.required, locale), f.reference));
}

QStringList processorLines(const ComponentReport& c, const QLocale& locale) {
    const QList<RankFigure>& f = c.why.figures;
    const QString figure = ownFigures(false, c, locale);
    // A processor passes on either reference: name the one it meets, or all.
    QStringList needs;
    QStringList shortOf;
    for (int i = 0; i + 1 < f.size(); i += 2) {
        const bool singleMeets = f[i].meets(), multiMeets = f[i + 1].meets();
        //: %1 is the CPU Mark and %2 the single-thread rating Orvo needs, %3 the processor they
        //: come from.
        const QString need = RowReason::tr("%1 and %2 (%3)")
                                 .arg(number(f[i + 1].required, locale),
                                      number(f[i].required, locale), f[i].reference);
        if (singleMeets && multiMeets) {
            needs = QStringList{need};
            shortOf.clear();
            break;
        }
        needs << need;
        if (!singleMeets && !multiMeets)
            //: %1 is a reference processor.
            shortOf << RowReason::tr("%1: both figures too low").arg(f[i].reference);
        else if (!singleMeets)
            //: %1 is a reference processor.
            shortOf << RowReason::tr("%1: single thread too low").arg(f[i].reference);
        else
            //: %1 is a reference processor.
            shortOf << RowReason::tr("%1: CPU Mark too low").arg(f[i].reference);
    }
    //: %1 is one or more "figure and figure (processor)", joined by "or".
    QStringList lines{
        beside(figure, RowReason::tr("Orvo needs %1").arg(needs.join(RowReason::tr(" or "))))};
    if (!shortOf.isEmpty()) lines << reasonsList(shortOf);
    return lines;
}

// A bar as it is ("4 GB"); what the machine has with one decimal.
QString barAmount(double value, const QLocale& locale) {
    //: %1 is an amount of memory in gigabytes.
    return RowReason::tr("%1 GB").arg(number(value, locale));
}

// Other adapters found beside the representative one.
QString otherAdaptersLine(const ReportData& data) {
    QStringList others;
    for (int i = 0; i < data.adapters.size(); ++i)
        if (i != data.representativeIndex) others << data.adapters.at(i).value;
    if (others.isEmpty() || data.representativeIndex < 0) return QString();
    //: %1 lists the names of the other graphics adapters of the computer.
    return RowReason::tr("Also found: %1 (not used for the verdict)").arg(namesList(others));
}

QStringList rankedLines(const QString& row, const ComponentReport& c, const ReportData& data,
                        const QLocale& locale) {
    // Where a family decided, the product's own figures (if any) stand beside
    // the family's sentence; the witness's never do.
    if (!c.why.family.isEmpty() && (isGraphics(row) || isProcessor(row))) {
        QStringList lines;
        const QString own = ownFigures(isGraphics(row), c, locale);
        if (!own.isEmpty()) lines << own;
        return lines << familyLine(row, c);
    }
    if (isGraphics(row) && !c.why.figures.isEmpty()) return {graphicsLine(c, locale)};
    // The processor's sentence pairs both figures per reference; with one of
    // them unknown the row says only where it is listed.
    const auto measured = [&c](const char* measure) {
        return std::any_of(c.why.figures.cbegin(), c.why.figures.cend(),
                           [measure](const RankFigure& f) { return f.measure == QLatin1String(measure); });
    };
    if (isProcessor(row) && measured("single-thread") && measured("multi-thread"))
        return processorLines(c, locale);
    return {listedLine(row, c, data.comparisonVersion)};
}

}  // namespace

QStringList rowReasonLines(const QString& row, const ReportData& data, const QLocale& locale) {
    const ComponentReport& c = component(row, data);
    QStringList lines;
    switch (c.why.decidedBy) {
        case DecidedBy::NotCompared:
            return lines;
        case DecidedBy::NothingFound:
            if (isGraphics(row)) lines << RowReason::tr("no graphics adapter found");
            return lines;
        case DecidedBy::NotListed:
            lines << listedLine(row, c, data.comparisonVersion);
            break;
        case DecidedBy::Minimum:
            if (row == QLatin1String("memory") && !c.why.figures.isEmpty()) {
                const RankFigure& f = c.why.figures.first();
                lines << beside(memoryAmountText(f.value, locale),
                                RowReason::tr("Orvo needs %1").arg(barAmount(f.required, locale)));
            } else if (row == QLatin1String("os")) {
                lines << RowReason::tr("Orvo needs 64-bit Windows 7 SP1, Windows 8.1 or newer");
            }
            break;
        default:
            lines << rankedLines(row, c, data, locale);
    }
    if (isGraphics(row)) {
        const QString others = otherAdaptersLine(data);
        if (!others.isEmpty()) lines << others;
    }
    return lines;
}

QString rowAdviceLine(const QString& row, const ReportData& data, const QLocale& locale) {
    const ComponentReport& c = component(row, data);
    const QString& advice = c.advice;
    if (advice == QLatin1String("replace-gpu"))
        return RowReason::tr("A faster graphics card would fix this.");
    // Laptops, all-in-ones and mini PCs alike: nothing inside can be swapped.
    if (advice == QLatin1String("laptop-gpu-fixed"))
        return RowReason::tr(
            "The graphics of this computer cannot be replaced: Orvo needs a computer with faster "
            "graphics.");
    if (advice == QLatin1String("replace-cpu"))
        return RowReason::tr("A faster processor would fix this; it may need a new mainboard.");
    if (advice == QLatin1String("laptop-cpu-fixed"))
        return RowReason::tr(
            "The processor of this computer cannot be replaced: Orvo needs a faster computer.");
    if (advice == QLatin1String("add-memory")) {
        const double required = c.why.figures.isEmpty() ? 4.0 : c.why.figures.first().required;
        //: %1 is the amount Orvo needs, like "4 GB".
        return RowReason::tr("Adding memory to reach %1 would fix this.")
            .arg(barAmount(required, locale));
    }
    if (advice == QLatin1String("update-os"))
        return RowReason::tr("Installing 64-bit Windows 8.1 or newer would fix this.");
    if (advice == QLatin1String("use-listed-os")) {
        if (c.why.listedReleases.isEmpty())
            return RowReason::tr("This release is not in the comparison data.");
        //: %1 lists the releases of the same system that the comparison data holds ("Ubuntu 22.04,
        //: Ubuntu 24.04").
        return RowReason::tr("This release is not in the comparison data, which lists %1.")
            .arg(namesList(c.why.listedReleases));
    }
    if (advice == QLatin1String("run-performance-test"))
        //: SteamVR Performance Test is the name of a program; it stays as it is.
        return RowReason::tr("The SteamVR Performance Test can tell how well it runs Orvo.");
    if (advice == QLatin1String("check-gpu-driver"))
        return RowReason::tr("Install the graphics driver and run the check again.");
    if (!advice.isEmpty() && advice != QLatin1String("none") &&
        advice != QLatin1String("retry-comparison"))
        qDebug() << "[RowReason] no sentence for the advice" << advice;
    return QString();
}

QString memoryAmountText(double gigabytes, const QLocale& locale) {
    //: %1 is an amount of memory in gigabytes.
    return RowReason::tr("%1 GB").arg(locale.toString(gigabytes, 'f', 1));
}

QString rowValueText(const QString& row, const ReportData& data, const QLocale& locale) {
    const ComponentReport& c = component(row, data);
    if (row != QLatin1String("memory") || c.value.isEmpty()) return c.value;
    // The engine's text is "16.0GB", written the same in every language.
    bool ok = false;
    const double gigabytes = QString(c.value).remove(QStringLiteral("GB")).toDouble(&ok);
    if (!ok) {
        qDebug() << "[RowReason] memory value kept as it is:" << c.value;
        return c.value;
    }
    return memoryAmountText(gigabytes, locale);
}

QString rankWords(const QString& row, const QString& rank) {
    const int which = rank == QLatin1String("RANK_GOOD")      ? 0
                      : rank == QLatin1String("RANK_BAD")     ? 1
                      : rank == QLatin1String("RANK_UNKNOWN") ? 2
                                                              : 3;
    const Words& words = kRankWords[rowIndex(row)][which];
    return RowReason::tr(words.source, words.comment);
}

QString comparisonUnreadableLine() {
    return RowReason::tr(
        "The comparison data could not be read. Check the internet connection and start "
        "OrvoCheck again; if that does not help, reinstall OrvoCheck.");
}

QLocale localeForLanguage(const QString& code) {
    if (code.isEmpty() || code == QLatin1String("en"))
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return QLocale(code);
}
