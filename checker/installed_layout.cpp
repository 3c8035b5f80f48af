#include "installed_layout.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include "checker_config.h"

namespace {

// The user's folders share the name with the fallback log folder, so that
// one program keeps one name in the home folder.
const char kUserFolderName[] = "OrvoCheck";

QString canonicalFolder(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

}  // namespace

QString installedProgramDir() { return QStringLiteral(ORVO_INSTALLED_BINDIR); }

bool isInstalledProgramDir(const QString& programDir) {
    const QString installed = installedProgramDir();
    if (installed.isEmpty() || programDir.isEmpty()) return false;
    if (canonicalFolder(programDir) == canonicalFolder(installed)) return true;
    qDebug().noquote() << QStringLiteral(
                              "[install] The program in %1 is not the one installed in %2; its "
                              "files stay relative to the working directory")
                              .arg(programDir, installed);
    return false;
}

QString runningProgramDir() {
#ifdef Q_OS_LINUX
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (!executable.isEmpty()) return QFileInfo(executable).path();
    qDebug() << "[install] /proc/self/exe names no executable";
#endif
    return QString();
}

QString xdgUserFolder(const char* variable, const QString& homeRelative) {
    const QString value = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
    if (!value.isEmpty())
        qDebug().noquote() << "[install]" << variable
                           << "is not an absolute path and is ignored:" << value;
    return QDir::cleanPath(QDir::homePath() + QLatin1Char('/') + homeRelative);
}

QString installedDownloadFile() {
    const QString folder = xdgUserFolder("XDG_CACHE_HOME", QStringLiteral(".cache")) +
                           QLatin1Char('/') + QLatin1String(kUserFolderName);
    // The download is saved by replacing the file, which needs its folder.
    if (!QDir().mkpath(folder))
        qDebug().noquote() << "[install] The cache folder" << folder << "cannot be created";
    return folder + QStringLiteral("/comp.json");
}

QString installedShippedFile() {
    return QStringLiteral(ORVO_INSTALLED_DATADIR "/compDefault.json");
}
