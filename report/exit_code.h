#pragma once

#include <QString>

// Process exit codes of orvocheck-report: the verdict, so that scripts can
// branch on it without reading the output.
enum ReportExitCode {
    kExitGood = 0,
    kExitBad = 1,
    kExitUnknown = 2,
    kExitNoComparison = 3,  // neither comparison file could be used
    kExitUsage = 64,        // bad command line (EX_USAGE)
};

int exitCodeForOverall(const QString& overallRankText);
