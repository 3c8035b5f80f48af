#pragma once

#include <QString>

// The comparison files as a check names them, relative to the working
// directory: where the download is saved, and the file shipped with the
// program that a check falls back on.
extern const char kDownloadedComparisonFile[];  // "comp/comp.json"
extern const char kShippedComparisonFile[];     // "comp/compDefault.json"

// The shipped file a check falls back on: the one under the working
// directory when it is there; otherwise, for a program started from another
// folder (a shortcut or desktop entry with its own start folder), the one in
// programDir. An empty programDir keeps the working directory's name. The
// installed program takes the packaged file (installed_layout.h).
QString shippedComparisonFile(const QString& programDir);

// Where a check saves the download: under the working directory, or for the
// installed program in the user's cache folder.
QString downloadedComparisonFile(const QString& programDir);
