#pragma once

#include <QString>

// The result page's words that the console report repeats: the rows' titles,
// the explanation under a doubtful row, the verdict. The window's documents
// take the same texts from this translation context ("ResultText", with
// qsTranslate), so that one translation serves both.
// row is "cpu", "gpu", "memory" or "os"; rank "RANK_GOOD"...

QString rowTitle(const QString& row);
// value is what the row found: the requirement of Windows explains only a
// Windows row, or one that found nothing (another system on no list is told
// which releases are listed).
QString rowDetail(const QString& row, const QString& value);

// The verdict for an overall rank; readyLink is put in for the words "Orvo
// Ready" (a link in the window, the address in the report). Empty for a rank
// without a comparison: each tells that its own way.
QString verdictText(const QString& rank, const QString& readyLink);
