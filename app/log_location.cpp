#include "log_location.h"

#include <QDir>
#include <QStandardPaths>

#include "installed_layout.h"

namespace {

const char kProgramFolder[] = "OrvoCheck";

QString userStateDirectory() {
#ifdef Q_OS_WIN
    const QString localAppData = qEnvironmentVariable("LOCALAPPDATA");
    if (!localAppData.isEmpty()) return localAppData;
    // The same known folder, asked of the shell when the variable is missing.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    return xdgUserFolder("XDG_STATE_HOME", QStringLiteral(".local/state"));
#endif
}

}  // namespace

QString logFallbackDirectory() {
    return QDir::cleanPath(userStateDirectory() + QLatin1Char('/') + QLatin1String(kProgramFolder));
}
