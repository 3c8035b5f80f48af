// orvocheck-report: the check in a console, for scripts and machines
// without a display.
#include <QCoreApplication>

#include "console_text.h"
#include "report_cli.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int exitCode = runReportCommand(app);
    // In the language of the report, whose translations are still installed.
    //: Shown under the report when it runs in a console window of its own (started
    //: from Explorer), which closes with the program.
    const QString prompt =
        QCoreApplication::translate("Console", "Press any key to close this window.");
    waitForKeyIfConsoleIsOwn(prompt);
    return exitCode;
}
