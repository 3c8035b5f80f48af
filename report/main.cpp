// orvocheck-report: the check in a console, for scripts and machines
// without a display.
#include <QCoreApplication>

#include "report_cli.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return runReportCommand(app);
}
