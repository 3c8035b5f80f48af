#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "report_data.h"

// The words under each row of the window and of the report's table: the
// row's figure beside what Orvo needs, and what would fix a doubtful row.
// Numbers are written in the given locale; texts in the installed language.
// row is "cpu", "gpu", "memory" or "os"; each row has sentences of its own,
// so that every language can make them agree with the row's noun.

// One line, or two where a family rule or another adapter needs saying;
// empty when there is nothing to tell (no comparison was made).
QStringList rowReasonLines(const QString& row, const ReportData& data, const QLocale& locale);

// What would fix the row; empty for a good row or when nothing would.
QString rowAdviceLine(const QString& row, const ReportData& data, const QLocale& locale);

// The row's value as the row shows it: the memory as the language writes an
// amount ("15,6 Go"), the same notation as its reason line; others as found.
QString rowValueText(const QString& row, const ReportData& data, const QLocale& locale);

// An amount of memory in gigabytes, with one decimal: "15.6 GB".
QString memoryAmountText(double gigabytes, const QLocale& locale);

// A rank ("RANK_GOOD"...) in words that agree with what it ranks: row as
// above, or "overall" for the whole computer.
QString rankWords(const QString& row, const QString& rank);

// The window's one line when no comparison could be made.
QString comparisonUnreadableLine();

// The locale of a language code of installTranslations() ("en", "de",
// "pt_BR"...): English is written as in the United States.
QLocale localeForLanguage(const QString& code);
