#pragma once

class QCoreApplication;

// The whole orvocheck-report command: parses the application's arguments,
// runs the check, prints the report on standard output and returns the
// process exit code (see exit_code.h). Debug and warning lines of the engine
// go to standard error only with --verbose.
int runReportCommand(QCoreApplication& app);
