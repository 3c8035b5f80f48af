#pragma once

#include <QUrl>

// The whole life of the program: opens the log, creates the application
// object, loads the window, wires the coordinator and the analytics service
// to it, runs the event loop and tears everything down in reverse order.
// Returns the process exit code: the event loop's, or 1 when the window
// document cannot be loaded.
int runOrvoCheck(int& argc, char** argv, const QUrl& windowDocument = QUrl());

// Makes the family name "Fakt Med", which rich texts of the window use,
// resolve to the embedded Medium font. Needs the application object.
void registerFontAliases();
