#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include "report_data.h"

// The report as a table for people: the four components with their ranks,
// under each its figure beside what Orvo needs, the window's explanation and
// what would fix it under doubtful ones, other adapters, the headset
// connection's two lines, the verdict. Numbers
// are written in the given locale.
QString formatReportTable(const ReportData& data,
                          const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates));

// The report as one JSON object (indented, UTF-8, ending in a line feed).
// Keys: "program", "comparisonVersion", "os", "memory", "cpu", "gpu" (each
// {"value", "rank", "why"}, "why" as whyJson() writes it), "adapters" (list of {"value", "rank"}),
// "headset" (as headsetJson() writes it; never part of the verdict), "overall" and "exitCode".
QByteArray formatReportJson(const ReportData& data);
