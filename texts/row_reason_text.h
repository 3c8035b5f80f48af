#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "report_data.h"

// The words under each row of the window and of the report's table: the
// row's figure beside what Orvo needs, and what would fix a doubtful row.
// Numbers are written in the given locale; texts in the installed language.
// row is "cpu", "gpu", "memory" or "os".

// One line, or two where a family rule or another adapter needs saying;
// empty when there is nothing to tell (no comparison was made).
QStringList rowReasonLines(const QString& row, const ReportData& data, const QLocale& locale);

// What would fix the row; empty for a good row or when nothing would.
QString rowAdviceLine(const QString& row, const ReportData& data, const QLocale& locale);

// The window's one line when no comparison could be made.
QString comparisonUnreadableLine();

// The locale of a language code of installTranslations() ("en", "de",
// "pt_BR"...): English is written as in the United States.
QLocale localeForLanguage(const QString& code);
