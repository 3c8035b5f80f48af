#pragma once

#include <QString>

#include "report_data.h"

class OrvoCheckLib;

// Where one comparison takes its file from, as the engine's startCompare()
// wants it: an empty URL means no download, only the default file.
struct CompareSource {
    QString url;
    QString savePath;
    QString defaultPath;
};

// The program's own choice: download from the URL to comp/comp.json and fall
// back to comp/compDefault.json, both under the current directory like the
// window program, or beside this executable when the current directory holds
// no shipped file (so the report also works when started from elsewhere);
// the installed program uses the package's file and the user's cache folder.
// A given comparison file is used as it is, without a download.
CompareSource compareSourceFor(const QString& compFile, const QString& downloadUrl,
                               const QString& executableDir);

// Runs the probes and one comparison on the engine and returns when it has
// finished: at once when the comparison runs synchronously (no download),
// otherwise after the engine's compareFinished(), which may come from the
// event loop or another thread. Needs a QCoreApplication for downloads.
void runCheck(OrvoCheckLib& lib, const CompareSource& source);
