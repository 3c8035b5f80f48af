#pragma once

#include <QJsonObject>

#include "report_data.h"

// A row's "why" for the report's JSON: "decidedBy", "figures" (each with
// "measure", "value", "required", "reference", "product", "benchmark" and
// "meets"; every one of them the computer's own product's), "advice", where
// a family rule ranked it "family" and, apart, "witness": the product that
// bounds the family ("product", and "value" for graphics or "single" and
// "multi" for a processor), never the user's; "listedReleases" for an
// operating system on no list; with figures "figuresDate", the date of the
// benchmark figures.
QJsonObject whyJson(const ComponentReport& row);
