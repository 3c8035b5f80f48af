#pragma once

#include <QString>

// The user's own data folder for this program, where the log and the
// analytics database go when the shared working directory cannot be written
// (a program unpacked under a read-only folder): %LOCALAPPDATA%\OrvoCheck on
// Windows, $XDG_STATE_HOME/OrvoCheck or ~/.local/state/OrvoCheck elsewhere.
// The program installed by the Linux package always writes there.
QString logFallbackDirectory();
