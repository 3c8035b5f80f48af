#include "report_cli.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "console_text.h"
#include "content_url.h"
#include "exit_code.h"
#include "orvochecklib.h"
#include "report_config.h"
#include "report_format.h"
#include "report_run.h"
#include "row_reason_text.h"
#include "ui_language.h"

namespace {

bool g_verbose = false;

// The engine traces every step; a report is for reading, so the trace shows
// only on request. Fatal messages always pass (they end the process anyway).
void reportMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!g_verbose && type != QtFatalMsg) return;
    writeConsoleText(stderr, message + QLatin1Char('\n'));
}

void writeError(const QString& text) {
    writeConsoleText(stderr, QStringLiteral("orvocheck-report: ") + text + QLatin1Char('\n'));
}

// Lines that fit an 80-column console, which would otherwise break them again.
const char kDescription[] =
    "Checks whether this PC meets the minimum recommended requirements of the\n"
    "Orvo headset, without a window and without sending anything. Runs the same\n"
    "probes and comparison as OrvoCheck: downloads the current comparison file\n"
    "and falls back to the shipped comp/compDefault.json (in the current\n"
    "directory, else beside this program). Installed by the package, it reads\n"
    "/usr/share/orvocheck/compDefault.json and keeps the download in\n"
    "$XDG_CACHE_HOME/OrvoCheck (~/.cache/OrvoCheck).\n"
    "\n"
    "Exit codes: 0 good, 1 bad, 2 unknown, 3 no comparison could be made,\n"
    "64 bad command line.";

// After the options; the manual page is made from the whole --help text.
const char kHelpEnd[] =
    "\n"
    "JSON:\n"
    "  program, comparisonVersion  the program's and the comparison file's\n"
    "                              versions\n"
    "  os, memory, cpu, gpu        each a row: value, rank (RANK_GOOD, RANK_BAD,\n"
    "                              RANK_UNKNOWN) and why (decidedBy, figures,\n"
    "                              family, advice)\n"
    "  adapters                    every graphics adapter found, as rows\n"
    "  headset                     video and usb: status, reason and the ports\n"
    "                              and controllers found\n"
    "  overall, exitCode           the verdict and the exit code it gives\n"
    "\n"
    "Environment:\n"
    "  ORVOCHECK_LANGUAGE     the report's language when --language is not given\n"
    "  ORVOCHECK_CONTENT_URL  where the comparison file is downloaded from; empty:\n"
    "                         no download, the shipped file only\n"
    "  ORVOCHECK_SYSFS_ROOT, ORVOCHECK_PROCFS_ROOT\n"
    "                         read the machine from a captured tree instead of\n"
    "                         /sys and /proc\n"
    "  XDG_CACHE_HOME         the user's cache folder (installed program)\n";

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
        writeError(parser.errorText() + QStringLiteral("\nTry --help."));
        return kExitUsage;
    }
    // Written here rather than by the parser's showHelp()/showVersion(): on
    // Windows those open a message box whenever the process has no console,
    // which blocks a script or scheduled task that redirects the output.
    if (parser.isSet(QStringLiteral("help"))) {
        writeConsoleText(stdout, parser.helpText() + QLatin1String(kHelpEnd));
        return kExitGood;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        writeConsoleText(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                                     QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return kExitGood;
    }
    if (!parser.positionalArguments().isEmpty()) {
        writeError(QStringLiteral("unexpected argument '%1'\nTry --help.")
                       .arg(parser.positionalArguments().first()));
        return kExitUsage;
    }
    const QString compFile = parser.value(compOption);
    if (parser.isSet(compOption) && compFile.isEmpty()) {
        writeError(QStringLiteral("--comp needs a file name"));
        return kExitUsage;
    }
    const bool compFileMissing = !compFile.isEmpty() && !QFileInfo::exists(compFile);
    if (compFileMissing)
        writeError(QStringLiteral("comparison file %1 does not exist").arg(compFile));

    g_verbose = parser.isSet(verboseOption);
    const QtMessageHandler previous = qInstallMessageHandler(reportMessageHandler);
    const QString language = parser.value(languageOption);
    if (!language.isEmpty() && shippedLanguageFor(language).isEmpty())
        writeError(QStringLiteral("there is no report in the language '%1'; the languages are "
                                  "en, %2. Going on in English.")
                       .arg(language, shippedLanguages().join(QStringLiteral(", "))));
    const QLocale locale = localeForLanguage(installTranslations(language));

    const CompareSource source =
        compareSourceFor(compFile, comparisonDownloadUrl(), QCoreApplication::applicationDirPath());
    ReportData data;
    {
        OrvoCheckLib lib;
        runCheck(lib, source);
        data = collectReport(lib, QStringLiteral(ORVO_APP_VERSION_TEXT));
    }
    qInstallMessageHandler(previous);
    data.givenComparisonFile = compFile;
    data.givenComparisonFileMissing = compFileMissing;

    writeConsoleText(stdout, parser.isSet(jsonOption) ? QString::fromUtf8(formatReportJson(data))
                                                      : formatReportTable(data, locale));
    return exitCodeForOverall(data.overall);
}
