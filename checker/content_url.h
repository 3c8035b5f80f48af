#pragma once

#include <QString>

// Where a check downloads the comparison file from: the deployment value
// compiled in, unless ORVOCHECK_CONTENT_URL is set (an empty value means
// "do not download").
QString comparisonDownloadUrl();
