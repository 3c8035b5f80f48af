#include "row_reason_text.h"

#include <QCoreApplication>
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

// Whole figures with the locale's grouping, others with one decimal.
QString number(double value, const QLocale& locale) {
    const double whole = std::round(value);
    if (std::fabs(value - whole) < 1e-9 && std::fabs(whole) < 1e15)
        return locale.toString(static_cast<qlonglong>(whole));
    return locale.toString(value, 'f', 1);
}

// The figure and what Orvo needs, in one line.
QString beside(const QString& figure, const QString& need) {
    //: %1 is the user's figure ("G3D Mark 6,148"), %2 what Orvo needs ("Orvo needs 7,325 (...)").
    return RowReason::tr("%1 — %2").arg(figure, need);
}

QString listedLine(const ComponentReport& c, const QString& version) {
    if (c.why.decidedBy == DecidedBy::GoodList || c.why.decidedBy == DecidedBy::GoodRevisions)
        //: %1 is the version (date) of the comparison data, like 2026.12.08.
        return RowReason::tr("Listed as suitable in the comparison data of %1").arg(version);
    //: %1 is the version (date) of the comparison data, like 2026.12.08.
    return RowReason::tr("Listed as unsuitable in the comparison data of %1").arg(version);
}

QStringList graphicsLines(const ComponentReport& c, const QLocale& locale) {
    QStringList lines;
    const RankFigure& f = c.why.figures.first();
    lines << beside(RowReason::tr("G3D Mark %1").arg(number(f.value, locale)),
                    //: %1 is a benchmark figure, %2 the reference cards ("GTX 970 / R9 290").
                    RowReason::tr("Orvo needs %1 (%2 class)").arg(number(f.required, locale),
                                                                  f.reference));
    if (!c.why.family.isEmpty())
        //: %1 is a family of chips ("GeForce 400/500 (Fermi)"), %2 the model whose figure stands for it.
        lines << RowReason::tr("Ranked as the family %1, by the figure of the %2")
                     .arg(c.why.family, f.product);
    return lines;
}

QStringList processorLines(const ComponentReport& c, const QLocale& locale) {
    const QList<RankFigure>& f = c.why.figures;
    //: %1 is the PassMark CPU Mark, %2 the PassMark single-thread rating.
    const QString figure = RowReason::tr("CPU Mark %1, single thread %2")
                               .arg(number(f[1].value, locale), number(f[0].value, locale));
    // A processor passes on either reference: name the one it meets, or all.
    QStringList needs;
    QStringList shortOf;
    for (int i = 0; i + 1 < f.size(); i += 2) {
        const bool single = f[i].meets(), multi = f[i + 1].meets();
        //: %1 is the CPU Mark and %2 the single-thread rating Orvo needs, %3 the processor they come from.
        const QString need = RowReason::tr("%1 and %2 (%3)").arg(
            number(f[i + 1].required, locale), number(f[i].required, locale), f[i].reference);
        if (single && multi) {
            needs = QStringList{need};
            shortOf.clear();
            break;
        }
        needs << need;
        if (!single && !multi)
            //: %1 is a reference processor.
            shortOf << RowReason::tr("%1: both figures too low").arg(f[i].reference);
        else if (!single)
            //: %1 is a reference processor.
            shortOf << RowReason::tr("%1: single thread too low").arg(f[i].reference);
        else
            //: %1 is a reference processor.
            shortOf << RowReason::tr("%1: CPU Mark too low").arg(f[i].reference);
    }
    //: %1 is one or more "figure and figure (processor)", joined by "or".
    QStringList lines{beside(figure, RowReason::tr("Orvo needs %1")
                                         .arg(needs.join(RowReason::tr(" or "))))};
    if (!shortOf.isEmpty()) lines << shortOf.join(QStringLiteral("; "));
    if (!c.why.family.isEmpty())
        lines << RowReason::tr("Ranked as the family %1, by the figure of the %2")
                     .arg(c.why.family, f.first().product);
    return lines;
}

// The machine's size with one decimal, as the row shows it; a bar as it is.
QString gigabytes(double value, const QLocale& locale, bool measured) {
    //: %1 is an amount of memory in gigabytes.
    return RowReason::tr("%1 GB").arg(measured ? locale.toString(value, 'f', 1)
                                               : number(value, locale));
}

// Other adapters found beside the representative one.
QString otherAdaptersLine(const ReportData& data) {
    QStringList others;
    for (int i = 0; i < data.adapters.size(); ++i)
        if (i != data.representativeIndex) others << data.adapters.at(i).value;
    if (others.isEmpty() || data.representativeIndex < 0) return QString();
    //: %1 lists the names of the other graphics adapters of the computer.
    return RowReason::tr("Also found: %1 (not used for the verdict)").arg(others.join(", "));
}

}  // namespace

QStringList rowReasonLines(const QString& row, const ReportData& data, const QLocale& locale) {
    const ComponentReport& c = component(row, data);
    QStringList lines;
    switch (c.why.decidedBy) {
        case DecidedBy::NotCompared:
            return lines;
        case DecidedBy::NothingFound:
            if (row == QLatin1String("gpu")) lines << RowReason::tr("no graphics adapter found");
            return lines;
        case DecidedBy::NotListed:
            //: %1 is the version (date) of the comparison data, like 2026.12.08.
            lines << RowReason::tr("not in the comparison data of %1").arg(data.comparisonVersion);
            break;
        case DecidedBy::Minimum:
            if (row == QLatin1String("memory") && !c.why.figures.isEmpty()) {
                const RankFigure& f = c.why.figures.first();
                lines << beside(gigabytes(f.value, locale, true),
                                RowReason::tr("Orvo needs %1")
                                    .arg(gigabytes(f.required, locale, false)));
            } else if (row == QLatin1String("os")) {
                lines << RowReason::tr("Orvo needs 64-bit Windows 7 SP1, Windows 8.1 or newer");
            }
            break;
        default:
            if (row == QLatin1String("gpu") && c.why.figures.size() == 1)
                lines << graphicsLines(c, locale);
            else if (row == QLatin1String("cpu") && c.why.figures.size() >= 2)
                lines << processorLines(c, locale);
            else
                lines << listedLine(c, data.comparisonVersion);
    }
    if (row == QLatin1String("gpu")) {
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
    if (advice == QLatin1String("laptop-gpu-fixed"))
        return RowReason::tr(
            "A laptop's graphics cannot be replaced: Orvo needs a computer with faster graphics.");
    if (advice == QLatin1String("replace-cpu"))
        return RowReason::tr("A faster processor would fix this; it may need a new mainboard.");
    if (advice == QLatin1String("laptop-cpu-fixed"))
        return RowReason::tr("A laptop's processor cannot be replaced: Orvo needs a faster computer.");
    if (advice == QLatin1String("add-memory")) {
        const double required = c.why.figures.isEmpty() ? 4.0 : c.why.figures.first().required;
        //: %1 is the amount Orvo needs, like "4 GB".
        return RowReason::tr("Adding memory to reach %1 would fix this.")
            .arg(gigabytes(required, locale, false));
    }
    if (advice == QLatin1String("update-os"))
        return RowReason::tr("Installing 64-bit Windows 8.1 or newer would fix this.");
    if (advice == QLatin1String("run-performance-test"))
        //: SteamVR Performance Test is the name of a program; it stays as it is.
        return RowReason::tr("The SteamVR Performance Test can tell how well it runs Orvo.");
    if (advice == QLatin1String("check-gpu-driver"))
        return RowReason::tr("Install the graphics driver and run the check again.");
    return QString();
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
