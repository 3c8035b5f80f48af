#pragma once

#include <QList>
#include <QString>
#include <utility>

#include "headset_connection.h"
#include "rank_reason.h"

// One row of the report: what was found, its rank text ("RANK_GOOD", ...),
// why it has that rank and the code of what would fix a doubtful one.
struct ComponentReport {
    // Brace-initialised with the first members only in many places.
    ComponentReport() = default;
    ComponentReport(QString v, QString r, RankReason w = RankReason(), QString a = QString())
        : value(std::move(v)), rank(std::move(r)), why(std::move(w)), advice(std::move(a)) {}

    QString value;
    QString rank;
    RankReason why;
    QString advice;
};

// Everything a finished check tells, as plain texts; the formatters and the
// exit code work on this alone, so they need no engine.
struct ReportData {
    QString programVersion;
    QString comparisonVersion;  // empty when no comparison file was read
    ComponentReport gpu;        // the representative adapter
    ComponentReport cpu;
    ComponentReport memory;  // value like "16.0GB"
    ComponentReport os;
    QList<ComponentReport> adapters;  // every adapter, in probe order
    int representativeIndex = -1;     // of gpu in adapters; -1 without a comparison
    QString overall;
    // Where the headset plugs in: shown beside the rows, never part of overall.
    HeadsetConnection headset;
    QString givenComparisonFile;  // --comp's file; empty: downloaded or shipped
    bool givenComparisonFileMissing = false;
};

class OrvoCheckLib;

// The engine's results as texts (the engine must have finished its check).
ReportData collectReport(const OrvoCheckLib& lib, const QString& programVersion);
