#pragma once

#include <QList>
#include <QString>

// One row of the report: what was found and its rank text ("RANK_GOOD", ...).
struct ComponentReport {
    QString value;
    QString rank;
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
    QString overall;
    QString givenComparisonFile;  // --comp's file; empty: downloaded or shipped
    bool givenComparisonFileMissing = false;
};
