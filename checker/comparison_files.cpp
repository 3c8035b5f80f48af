#include "comparison_files.h"

#include <QDir>
#include <QFileInfo>

#include "installed_layout.h"

const char kDownloadedComparisonFile[] = "comp/comp.json";
const char kShippedComparisonFile[] = "comp/compDefault.json";

QString shippedComparisonFile(const QString& programDir) {
    if (isInstalledProgramDir(programDir)) return installedShippedFile();
    const QString relative = QLatin1String(kShippedComparisonFile);
    if (programDir.isEmpty() || QFileInfo::exists(relative)) return relative;
    return QDir(programDir).filePath(relative);
}

QString downloadedComparisonFile(const QString& programDir) {
    if (isInstalledProgramDir(programDir)) return installedDownloadFile();
    return QLatin1String(kDownloadedComparisonFile);
}
