#pragma once

#include <QByteArray>
#include <QString>

#include "report_data.h"

// The report as a table for people: the four components with their ranks,
// the window's explanation under doubtful ones, other adapters, the verdict.
QString formatReportTable(const ReportData& data);

// The report as one JSON object (indented, UTF-8, ending in a line feed).
// Keys: "program", "comparisonVersion", "os", "memory", "cpu", "gpu" (each
// {"value", "rank"}), "adapters" (list of {"value", "rank"}), "overall" and
// "exitCode".
QByteArray formatReportJson(const ReportData& data);
