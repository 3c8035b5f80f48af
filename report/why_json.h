#pragma once

#include <QJsonObject>

#include "report_data.h"

// A row's "why" for the report's JSON: "decidedBy", "figures" (each with
// "measure", "value", "required", "reference", "product", "benchmark" and
// "meets"), "advice", where a family rule ranked it "family", and with
// figures "figuresDate", the date of the benchmark figures.
QJsonObject whyJson(const ComponentReport& row);
