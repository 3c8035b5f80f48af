#include "report_run.h"

#include <QDir>
#include <QEventLoop>
#include <atomic>

#include "comparison_files.h"
#include "installed_layout.h"
#include "orvochecklib.h"

CompareSource compareSourceFor(const QString& compFile, const QString& downloadUrl,
                               const QString& executableDir) {
    if (!compFile.isEmpty()) return {QString(), QString(), compFile};
    const QString shipped = shippedComparisonFile(executableDir);
    if (shipped == QLatin1String(kShippedComparisonFile) || isInstalledProgramDir(executableDir))
        return {downloadUrl, downloadedComparisonFile(executableDir), shipped};
    // Started from elsewhere: the download goes beside the program as well.
    return {downloadUrl, QDir(executableDir).filePath(QLatin1String(kDownloadedComparisonFile)),
            shipped};
}

void runCheck(OrvoCheckLib& lib, const CompareSource& source) {
    lib.probeSystem();

    // Seen on whatever thread emits, so a finish inside startCompare() (no
    // download) needs no loop at all.
    std::atomic<bool> finished{false};
    QEventLoop loop;
    const auto flag = QObject::connect(&lib, &OrvoCheckLib::compareFinished,
                                       [&finished] { finished.store(true); });
    // Queued into this thread when the signal comes from another one; a quit
    // posted before exec() still ends the loop once it runs.
    const auto quit = QObject::connect(&lib, &OrvoCheckLib::compareFinished, &loop,
                                       &QEventLoop::quit, Qt::QueuedConnection);
    lib.startCompare(source.url, source.savePath, source.defaultPath);
    if (!finished.load()) loop.exec();
    QObject::disconnect(flag);
    QObject::disconnect(quit);
}
