#pragma once

#include <QJsonObject>

#include "report_data.h"

// A row's "why" for the report's JSON: "decidedBy", "figures" (each with
// "measure", "value", "required", "reference", "product", "benchmark" and
// "meets"), "advice" and, where a family rule ranked it, "family".
QJsonObject whyJson(const ComponentReport& row);
