#pragma once

#include <QByteArray>
#include <QJsonObject>

#include "comparison_figures.h"

// A comparison file parsed: its top-level object, which the ranking reads
// its lists from, and its "Figures", which explain the lists' entries.
struct ComparisonDocument {
    QJsonObject root;
    ComparisonFigures figures;
};

// Parses decoded text (see decodeComparisonText); false, with a log line,
// when it is no JSON document.
bool parseComparison(const QByteArray& text, ComparisonDocument& document);
