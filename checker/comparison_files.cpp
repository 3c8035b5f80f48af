#include "comparison_files.h"

#include <QDir>
#include <QFileInfo>

const char kDownloadedComparisonFile[] = "comp/comp.json";
const char kShippedComparisonFile[] = "comp/compDefault.json";

QString shippedComparisonFile(const QString& programDir) {
    const QString relative = QLatin1String(kShippedComparisonFile);
    if (programDir.isEmpty() || QFileInfo::exists(relative)) return relative;
    return QDir(programDir).filePath(relative);
}
