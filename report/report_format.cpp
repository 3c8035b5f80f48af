#include "report_format.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "console_wrap.h"
#include "exit_code.h"
#include "headset_json.h"
#include "headset_text.h"
#include "report_config.h"
#include "result_text.h"
#include "row_reason_text.h"
#include "why_json.h"

namespace {

// The report's own texts.
struct Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

QString shown(const QString& value) { return value.isEmpty() ? QStringLiteral("-") : value; }

QString verdictMessage(const ReportData& data) {
    const QString verdict =
        verdictText(data.overall, QStringLiteral("Orvo Ready (" ORVO_READY_URL ")"));
    if (!verdict.isEmpty()) return verdict;
    //: %1 is the file given with --comp.
    if (data.givenComparisonFileMissing)
        return Report::tr("Compare error! The comparison file %1 does not exist.")
            .arg(data.givenComparisonFile);
    //: %1 is the file given with --comp; --verbose is an option of the command and stays as it is.
    if (!data.givenComparisonFile.isEmpty())
        return Report::tr(
                   "Compare error! The comparison file %1 could not be used; run with --verbose "
                   "to see why.")
            .arg(data.givenComparisonFile);
    //: --verbose is an option of the command; it stays as it is.
    return Report::tr(
        "Compare error! No comparison file could be used (neither the downloaded nor the "
        "shipped one); run with --verbose to see why.");
}

// The representative adapter is chosen by the comparison; without one the
// row still tells what the probes found.
QString graphicsWithoutRepresentative(const ReportData& data) {
    if (data.adapters.isEmpty()) return Report::tr("no graphics adapter found");
    if (data.adapters.size() == 1) return shown(data.adapters.first().value);
    //: %1 is the number of graphics adapters (two or more).
    return Report::tr("%1 adapters, listed below").arg(data.adapters.size());
}

bool isDoubtful(const QString& rank) {
    return rank == QLatin1String("RANK_BAD") || rank == QLatin1String("RANK_UNKNOWN");
}

// Columns are counted in terminal cells: East Asian wide characters take two.
int cells(const QString& s) { return terminalCells(s); }

QString padded(const QString& s, int width) {
    return s + QString(qMax(0, width - cells(s)), QLatin1Char(' '));
}

struct Row {
    QString key;
    QString title;
    ComponentReport component;
    QString detail;
    QString missing;  // shown when nothing was found
};

QJsonObject componentJson(const ComponentReport& c) {
    return QJsonObject{{QStringLiteral("value"), c.value}, {QStringLiteral("rank"), c.rank}};
}

QJsonObject rowJson(const ComponentReport& c) {
    QJsonObject row = componentJson(c);
    row.insert(QStringLiteral("why"), whyJson(c));
    return row;
}

}  // namespace

QString formatReportTable(const ReportData& data, const QLocale& locale) {
    const auto makeRow = [](const char* key, const ComponentReport& c, const QString& missing) {
        const QString name = QLatin1String(key);
        return Row{name, rowTitle(name), c, rowDetail(name, c.value), missing};
    };
    const QString none = QStringLiteral("-");
    const QList<Row> rows = {makeRow("gpu", data.gpu, graphicsWithoutRepresentative(data)),
                             makeRow("cpu", data.cpu, none), makeRow("memory", data.memory, none),
                             makeRow("os", data.os, none)};
    //: Column heading of the report's table.
    const QString componentHeading = Report::tr("Component");
    //: Column heading of the report's table.
    const QString rankHeading = Report::tr("Rank");
    int titleWidth = cells(componentHeading);
    int rankWidth = cells(rankHeading);
    for (const Row& row : rows) {
        titleWidth = qMax(titleWidth, cells(row.title));
        rankWidth = qMax(rankWidth, cells(rankWords(row.key, row.component.rank)));
    }
    // The headset's three lines share the table's columns.
    const QList<std::pair<QString, HeadsetStatus>> headsetRows = {
        {headsetVideoTitle(), data.headset.video.status},
        {headsetUsbTitle(), data.headset.usb.status},
        {headsetPowerTitle(), data.headset.power.status}};
    for (const auto& row : headsetRows) {
        titleWidth = qMax(titleWidth, cells(row.first));
        rankWidth = qMax(rankWidth, cells(headsetStatusWords(row.second)));
    }
    const QString gap = QStringLiteral("  ");
    const QString indent(titleWidth + rankWidth + 2 * gap.size(), QLatin1Char(' '));

    QStringList lines;
    //: %1 is the program's version.
    lines << Report::tr("OrvoCheck report (%1)").arg(data.programVersion);
    lines << Report::tr("Comparison file version: %1").arg(shown(data.comparisonVersion));
    lines << QString();
    //: Column heading of the report's table: what the check found.
    const QString foundHeading = Report::tr("Found");
    lines << (padded(componentHeading, titleWidth) + gap + padded(rankHeading, rankWidth) + gap +
              foundHeading);
    for (const Row& row : rows) {
        const QString value = rowValueText(row.key, data, locale);
        const QString found = value.isEmpty() ? row.missing : value;
        lines << (padded(row.title, titleWidth) + gap +
                  padded(rankWords(row.key, row.component.rank), rankWidth) + gap + found);
        for (const QString& line : rowReasonLines(row.key, data, locale))
            if (line != found) lines << indent + line;
        if (isDoubtful(row.component.rank) && !row.detail.isEmpty())
            lines << indent + row.detail;
        // Empty for a good row; an adapter that was not found has advice too.
        const QString advice = rowAdviceLine(row.key, data, locale);
        if (!advice.isEmpty()) lines << indent + advice;
    }
    if (data.adapters.size() > 1) {
        lines << QString();
        lines << Report::tr("Graphics adapters:");
        for (int i = 0; i < data.adapters.size(); ++i) {
            const ComponentReport& a = data.adapters.at(i);
            lines
                << QStringLiteral("  %1. %2  %3").arg(i + 1).arg(rankWords(QStringLiteral("gpu"), a.rank), shown(a.value));
        }
    }
    lines << QString();
    lines << headsetHeading();
    const QStringList headsetSentences = {headsetVideoLine(data.headset.video),
                                          headsetUsbLine(data.headset.usb),
                                          headsetPowerLine(data.headset.power)};
    // The sentence under its line like a row's reason, so that a narrow
    // console wraps it inside that column.
    for (int i = 0; i < headsetRows.size(); ++i) {
        lines << (padded(headsetRows.at(i).first, titleWidth) + gap +
                  headsetStatusWords(headsetRows.at(i).second));
        lines << indent + headsetSentences.at(i);
    }
    lines << QString();
    //: %1 is the rank of the whole computer.
    lines << Report::tr("Verdict: %1").arg(rankWords(QStringLiteral("overall"), data.overall));
    lines << verdictMessage(data);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray formatReportJson(const ReportData& data) {
    QJsonArray adapters;
    for (const ComponentReport& a : data.adapters) adapters.append(componentJson(a));
    const QJsonObject root{
        {QStringLiteral("program"), data.programVersion},
        {QStringLiteral("comparisonVersion"), data.comparisonVersion},
        {QStringLiteral("os"), rowJson(data.os)},
        {QStringLiteral("memory"), rowJson(data.memory)},
        {QStringLiteral("cpu"), rowJson(data.cpu)},
        {QStringLiteral("gpu"), rowJson(data.gpu)},
        {QStringLiteral("adapters"), adapters},
        {QStringLiteral("headset"), headsetJson(data.headset)},
        {QStringLiteral("overall"), data.overall},
        {QStringLiteral("exitCode"), exitCodeForOverall(data.overall)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
