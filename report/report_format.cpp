#include "report_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "exit_code.h"

namespace {

// The window's texts, so that the console tells the same story.
const char kDetailGpu[] = "This graphics card may not work well with Orvo.";
const char kDetailCpu[] = "This processor may not be powerful enough to run Orvo.";
const char kDetailMemory[] = "4GB or more memory is recommended.";
const char kDetailOs[] = "Windows 7 SP1, Windows 8.1 or newer (64-bit) is required.";

QString shown(const QString& value) { return value.isEmpty() ? QStringLiteral("-") : value; }

QString verdictMessage(const ReportData& data) {
    const QString& overall = data.overall;
    if (overall == QLatin1String("RANK_GOOD")) {
        return QStringLiteral(
            "Your system meets the minimum recommended requirements and should be able to run "
            "Orvo. For a more in-depth scan of your computer's readiness for VR, run the SteamVR "
            "Performance Test.");
    }
    if (overall == QLatin1String("RANK_BAD")) {
        return QStringLiteral(
            "This computer doesn't meet Orvo's recommended minimum specifications. To upgrade to "
            "a fully-compatible computer system, browse the Orvo Ready website.");
    }
    if (overall == QLatin1String("RANK_UNKNOWN")) {
        return QStringLiteral(
            "Some of this computer's components may not work well with Orvo. For more detailed "
            "information about your computer's readiness for Orvo, run the SteamVR Performance "
            "Test.");
    }
    if (data.givenComparisonFileMissing)
        return QStringLiteral("Compare error! The comparison file %1 does not exist.")
            .arg(data.givenComparisonFile);
    if (!data.givenComparisonFile.isEmpty())
        return QStringLiteral(
                   "Compare error! The comparison file %1 could not be used; run with --verbose "
                   "to see why.")
            .arg(data.givenComparisonFile);
    return QStringLiteral(
        "Compare error! No comparison file could be used (neither the downloaded nor the "
        "shipped one); run with --verbose to see why.");
}

// The representative adapter is chosen by the comparison; without one the
// row still tells what the probes found.
QString graphicsWithoutRepresentative(const ReportData& data) {
    if (data.adapters.isEmpty()) return QStringLiteral("no graphics adapter found");
    if (data.adapters.size() == 1) return shown(data.adapters.first().value);
    return QStringLiteral("%1 adapters, listed below").arg(data.adapters.size());
}

// People read words; the rank texts stay in the JSON, which scripts read.
QString rankWords(const QString& rank) {
    if (rank == QLatin1String("RANK_GOOD")) return QStringLiteral("meets the minimum");
    if (rank == QLatin1String("RANK_BAD")) return QStringLiteral("below the minimum");
    if (rank == QLatin1String("RANK_UNKNOWN")) return QStringLiteral("unknown");
    return QStringLiteral("not checked");
}

bool isDoubtful(const QString& rank) {
    return rank == QLatin1String("RANK_BAD") || rank == QLatin1String("RANK_UNKNOWN");
}

struct Row {
    QString title;
    ComponentReport component;
    const char* detail;
    QString missing;  // shown when nothing was found
};

QJsonObject componentJson(const ComponentReport& c) {
    return QJsonObject{{QStringLiteral("value"), c.value}, {QStringLiteral("rank"), c.rank}};
}

}  // namespace

QString formatReportTable(const ReportData& data) {
    const QList<Row> rows = {
        {QStringLiteral("Graphics"), data.gpu, kDetailGpu, graphicsWithoutRepresentative(data)},
        {QStringLiteral("Processor"), data.cpu, kDetailCpu, QStringLiteral("-")},
        {QStringLiteral("Memory"), data.memory, kDetailMemory, QStringLiteral("-")},
        {QStringLiteral("OS"), data.os, kDetailOs, QStringLiteral("-")}};
    int titleWidth = QStringLiteral("Component").size();
    int rankWidth = QStringLiteral("Rank").size();
    for (const Row& row : rows) {
        titleWidth = qMax(titleWidth, row.title.size());
        rankWidth = qMax(rankWidth, rankWords(row.component.rank).size());
    }
    const QString gap = QStringLiteral("  ");
    const QString indent(titleWidth + rankWidth + 2 * gap.size(), QLatin1Char(' '));

    QStringList lines;
    lines << QStringLiteral("OrvoCheck report (%1)").arg(data.programVersion);
    lines << QStringLiteral("Comparison file version: %1").arg(shown(data.comparisonVersion));
    lines << QString();
    lines << (QStringLiteral("Component").leftJustified(titleWidth) + gap +
              QStringLiteral("Rank").leftJustified(rankWidth) + gap + QStringLiteral("Found"));
    for (const Row& row : rows) {
        const QString found = row.component.value.isEmpty() ? row.missing : row.component.value;
        lines << (row.title.leftJustified(titleWidth) + gap +
                  rankWords(row.component.rank).leftJustified(rankWidth) + gap + found);
        if (isDoubtful(row.component.rank)) lines << indent + QLatin1String(row.detail);
    }
    if (data.adapters.size() > 1) {
        lines << QString();
        lines << QStringLiteral("Graphics adapters:");
        for (int i = 0; i < data.adapters.size(); ++i) {
            const ComponentReport& a = data.adapters.at(i);
            lines
                << QStringLiteral("  %1. %2  %3").arg(i + 1).arg(rankWords(a.rank), shown(a.value));
        }
    }
    lines << QString();
    lines << QStringLiteral("Verdict: %1").arg(rankWords(data.overall));
    lines << verdictMessage(data);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray formatReportJson(const ReportData& data) {
    QJsonArray adapters;
    for (const ComponentReport& a : data.adapters) adapters.append(componentJson(a));
    const QJsonObject root{
        {QStringLiteral("program"), data.programVersion},
        {QStringLiteral("comparisonVersion"), data.comparisonVersion},
        {QStringLiteral("os"), componentJson(data.os)},
        {QStringLiteral("memory"), componentJson(data.memory)},
        {QStringLiteral("cpu"), componentJson(data.cpu)},
        {QStringLiteral("gpu"), componentJson(data.gpu)},
        {QStringLiteral("adapters"), adapters},
        {QStringLiteral("overall"), data.overall},
        {QStringLiteral("exitCode"), exitCodeForOverall(data.overall)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
