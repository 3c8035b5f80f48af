#include "report_cli.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "content_url.h"
#include "exit_code.h"
#include "orvochecklib.h"
#include "report_config.h"
#include "report_format.h"
#include "report_run.h"
#include "ui_language.h"

namespace {

bool g_verbose = false;

// The engine traces every step; a report is for reading, so the trace shows
// only on request. Fatal messages always pass (they end the process anyway).
void reportMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!g_verbose && type != QtFatalMsg) return;
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

void writeOut(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

const char kDescription[] =
    "Checks whether this PC meets the minimum recommended requirements of the Orvo headset,\n"
    "without a window and without sending anything. Runs the same probes and comparison as\n"
    "OrvoCheck: downloads the current comparison file and falls back to the shipped\n"
    "comp/compDefault.json (in the current directory, else beside this program).\n"
    "\n"
    "Exit codes: 0 good, 1 bad, 2 unknown, 3 no comparison could be made,\n"
    "64 bad command line.";

}  // namespace

int runReportCommand(QCoreApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("orvocheck-report"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVO_APP_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Print the report as JSON."));
    const QCommandLineOption compOption(
        QStringLiteral("comp"),
        QStringLiteral("Rank against <file> instead of downloading the comparison file."),
        QStringLiteral("file"));
    const QCommandLineOption verboseOption(
        QStringLiteral("verbose"), QStringLiteral("Show the check's trace on standard error."));
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("Write the report in the language <code> (de, fr, pt_BR, zh_TW...) instead "
                       "of the system's; the JSON stays English."),
        QStringLiteral("code"));
    parser.addOption(jsonOption);
    parser.addOption(languageOption);
    parser.addOption(compOption);
    parser.addOption(verboseOption);

    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "orvocheck-report: %s\nTry --help.\n",
                     parser.errorText().toLocal8Bit().constData());
        return kExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);  // does not return
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "orvocheck-report: unexpected argument '%s'\nTry --help.\n",
                     parser.positionalArguments().first().toLocal8Bit().constData());
        return kExitUsage;
    }
    if (parser.isSet(compOption) && parser.value(compOption).isEmpty()) {
        std::fprintf(stderr, "orvocheck-report: --comp needs a file name\n");
        return kExitUsage;
    }

    g_verbose = parser.isSet(verboseOption);
    const QtMessageHandler previous = qInstallMessageHandler(reportMessageHandler);
    installTranslations(parser.value(languageOption));

    const CompareSource source = compareSourceFor(parser.value(compOption), comparisonDownloadUrl(),
                                                  QCoreApplication::applicationDirPath());
    ReportData data;
    {
        OrvoCheckLib lib;
        runCheck(lib, source);
        data = collectReport(lib, QStringLiteral(ORVO_APP_VERSION_TEXT));
    }
    qInstallMessageHandler(previous);

    writeOut(parser.isSet(jsonOption) ? formatReportJson(data) : formatReportTable(data).toUtf8());
    return exitCodeForOverall(data.overall);
}
