#include "log_location.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const char kProgramFolder[] = "OrvoCheck";

QString userStateDirectory() {
#ifdef Q_OS_WIN
    const QString localAppData = qEnvironmentVariable("LOCALAPPDATA");
    if (!localAppData.isEmpty()) return localAppData;
    // The same known folder, asked of the shell when the variable is missing.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    // A relative XDG_STATE_HOME is invalid and ignored, as the freedesktop.org
    // base directory rules say.
    const QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(stateHome)) return stateHome;
    return QDir::homePath() + QStringLiteral("/.local/state");
#endif
}

}  // namespace

QString logFallbackDirectory() {
    return QDir::cleanPath(userStateDirectory() + QLatin1Char('/') + QLatin1String(kProgramFolder));
}
