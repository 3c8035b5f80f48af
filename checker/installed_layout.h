#pragma once

#include <QString>

// The Linux package installs the programs under a prefix fixed at build time
// (/usr), where nothing may be written: the installed program reads its
// comparison file from <prefix>/share/orvocheck, saves the download in the
// user's cache folder and keeps its log and analytics database in the
// user's state folder. Run from anywhere else (a build or stage folder, an
// unpacked zip) it keeps its paths relative to the working directory.

// The folder the package installs the programs in; empty where no package
// is built (Windows).
QString installedProgramDir();

// Whether a program whose executable lies in programDir is the installed one
// (compared as canonical paths, so /bin on a merged /usr counts too).
bool isInstalledProgramDir(const QString& programDir);

// The folder of the running executable, known before any application object
// exists (the log is opened first); empty where the system does not say.
QString runningProgramDir();

// A base folder of the user after the XDG rules: the variable's value when
// it is an absolute path (a relative one is invalid and ignored), else
// homeRelative under the home folder.
QString xdgUserFolder(const char* variable, const QString& homeRelative);

// Where the installed program saves a downloaded comparison file, in the
// user's cache folder, which is created when missing.
QString installedDownloadFile();

// The comparison file the package ships.
QString installedShippedFile();
