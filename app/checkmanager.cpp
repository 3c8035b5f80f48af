#include "checkmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaObject>
#include <QVariant>
#include <climits>

#include "biservice.h"
#include "comparison_files.h"
#include "content_url.h"
#include "headset_text.h"
#include "report_data.h"
#include "row_reason_text.h"
#include "ui_language.h"

CheckManager::CheckManager(QObject* windowRoot, BIService* service)
    : CheckManager(windowRoot, service, nullptr) {}

CheckManager::CheckManager(QObject* windowRoot, BIService* service, OrvoCheckLib* engine)
    : QObject(nullptr),
      m_pEngine(engine ? engine : &m_Engine),
      m_pWindowRoot(windowRoot),
      m_pService(service),
      m_ProgramDir(QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                : QString()),
      m_WorkerThread(nullptr) {
    moveToThread(&m_WorkerThread);
    m_WorkerThread.start(QThread::InheritPriority);
}

CheckManager::~CheckManager() { stopWorker(); }

void CheckManager::stopWorker() {
    m_WorkerThread.quit();
    // The worker may be inside a blocking call that waits for the window's
    // thread (reading the click counters). If that is this thread, keep
    // serving those calls until the worker has finished, or both would wait
    // for each other.
    const bool onWindowThread =
        m_pWindowRoot && m_pWindowRoot->thread() == QThread::currentThread();
    while (!m_WorkerThread.wait(onWindowThread ? 20 : ULONG_MAX)) {
        QCoreApplication::sendPostedEvents(m_pWindowRoot, QEvent::MetaCall);
    }
}

void CheckManager::onChecking() {
    m_pEngine->probeSystem();
    connect(m_pEngine, &OrvoCheckLib::compareFinished, this, &CheckManager::onCompareFinished);
    // The download and its save path stay under the working directory (the
    // installed program's in the user's folders); only the fallback may come
    // from beside the program.
    m_pEngine->startCompare(comparisonDownloadUrl(), downloadedComparisonFile(m_ProgramDir),
                            shippedComparisonFile(m_ProgramDir));
}

void CheckManager::onCompareFinished() {
    postSetRank(QStringLiteral("os"), m_pEngine->getOSName(), m_pEngine->getOSRank());
    // Written as the reason line under it writes the amount.
    const QLocale locale = localeForLanguage(installedLanguage());
    postSetRank(QStringLiteral("memory"),
                memoryAmountText(m_pEngine->getMemorySize().toDouble(), locale),
                m_pEngine->getMemoryRank());
    postSetRank(QStringLiteral("cpu"), m_pEngine->getCPUName(), m_pEngine->getCPURank());
    // Without a comparison no adapter represents the machine; the row still
    // names what was found.
    QString gpuName = m_pEngine->getRepGPUName();
    if (m_pEngine->getRepGPUIndex() < 0) gpuName = m_pEngine->getGPUNames().join(QStringLiteral(", "));
    postSetRank(QStringLiteral("gpu"), gpuName, m_pEngine->getRepGPURank());
    postSetRank(QStringLiteral("overall"), QString(), m_pEngine->getOverallRank());
    postReasons();
    QMetaObject::invokeMethod(m_pWindowRoot, "finishedChecking", Qt::AutoConnection);
}

void CheckManager::setBIRecord() {
    serviceInitSession();
    const QString jsonVersion = m_pEngine->getJsonVersion();
    const int readyPcClicks = readWindowCounter("btnOrvoReadyPCCount");
    const int performanceClicks = readWindowCounter("btnPerformanceCount");
    const int orderClicks = readWindowCounter("btnOrderOrvoCount");
    serviceAddInfoRecord(m_pEngine->getCPUName(), m_pEngine->getCPURank(),
                         m_pEngine->getRepGPUProbedName(), m_pEngine->getRepGPURank(),
                         m_pEngine->getOSName(), m_pEngine->getOSRank(), m_pEngine->getMemorySize(),
                         m_pEngine->getMemoryRank(), m_pEngine->getOverallRank(), orderClicks,
                         performanceClicks, readyPcClicks, jsonVersion);

    // The names as probed: the records count what machines report.
    const QStringList names = m_pEngine->getProbedGPUNames();
    const QString representative = m_pEngine->getRepGPUProbedName();
    for (int index = 0; index < names.size(); ++index) {
        const QString& name = names.at(index);
        if (name == representative) continue;
        const QString rank = m_pEngine->getGPURank(index);
        qDebug() << "[CheckManager]name:" << name << ", rank:" << rank;
        serviceAddGpuRecord(name, rank);
    }
    serviceSendBI();
}

namespace {

// In the window's narrow column a wrapped reason must not split a product
// name ("GTX 970 / R9 290"): its spaces become no-break spaces there.
void keepNamesTogether(ComponentReport& row) {
    for (RankFigure& figure : row.why.figures) {
        figure.reference.replace(QLatin1Char(' '), QChar(0x00A0));
        figure.product.replace(QLatin1Char(' '), QChar(0x00A0));
    }
}

}  // namespace

void CheckManager::postReasons() {
    ReportData data = collectReport(*m_pEngine, QString());
    for (ComponentReport* row : {&data.gpu, &data.cpu, &data.memory, &data.os})
        keepNamesTogether(*row);
    const QLocale locale = localeForLanguage(installedLanguage());
    for (const char* key : {"os", "memory", "cpu", "gpu"}) {
        const QString row = QLatin1String(key);
        postSetReason(row, rowReasonLines(row, data, locale).join(QLatin1Char('\n')),
                      rowAdviceLine(row, data, locale));
    }
    postSetReason(QStringLiteral("comparison"),
                  data.comparisonVersion.isEmpty() ? comparisonUnreadableLine() : QString(),
                  QString());
    postHeadset(data.headset);
}

void CheckManager::postHeadset(const HeadsetConnection& headset) {
    QMetaObject::invokeMethod(m_pWindowRoot, "setHeadset", Qt::AutoConnection,
                              Q_ARG(QVariant, QVariant(headsetStatusText(headset.video.status))),
                              Q_ARG(QVariant, QVariant(headsetVideoLine(headset.video))),
                              Q_ARG(QVariant, QVariant(headsetStatusText(headset.usb.status))),
                              Q_ARG(QVariant, QVariant(headsetUsbLine(headset.usb))),
                              Q_ARG(QVariant, QVariant(headsetStatusText(headset.power.status))),
                              Q_ARG(QVariant, QVariant(headsetPowerLine(headset.power))));
}

void CheckManager::postSetReason(const QString& key, const QString& lines, const QString& advice) {
    QMetaObject::invokeMethod(m_pWindowRoot, "setReason", Qt::AutoConnection,
                              Q_ARG(QVariant, QVariant(key)), Q_ARG(QVariant, QVariant(lines)),
                              Q_ARG(QVariant, QVariant(advice)));
}

void CheckManager::postSetRank(const QString& key, const QString& value, const QString& rank) {
    QMetaObject::invokeMethod(m_pWindowRoot, "setRank", Qt::AutoConnection,
                              Q_ARG(QVariant, QVariant(key)), Q_ARG(QVariant, QVariant(value)),
                              Q_ARG(QVariant, QVariant(rank)));
}

int CheckManager::readWindowCounter(const char* name) {
    if (!m_pWindowRoot) return 0;
    QObject* root = m_pWindowRoot;
    int value = 0;
    auto read = [root, name]() { return root->property(name).toInt(); };
    if (root->thread() == QThread::currentThread())
        value = read();
    else
        QMetaObject::invokeMethod(root, read, Qt::BlockingQueuedConnection, &value);
    return value;
}

void CheckManager::serviceInitSession() { m_pService->initSession(); }

void CheckManager::serviceAddInfoRecord(const QString& cpuName, const QString& cpuRank,
                                        const QString& repGpuName, const QString& repGpuRank,
                                        const QString& osName, const QString& osRank,
                                        const QString& memorySize, const QString& memoryRank,
                                        const QString& overallRank, qint32 orderClicks,
                                        qint32 performanceClicks, qint32 readyPcClicks,
                                        const QString& jsonVersion) {
    m_pService->addInfoRecord(cpuName, cpuRank, repGpuName, repGpuRank, osName, osRank, memorySize,
                              memoryRank, overallRank, orderClicks, performanceClicks,
                              readyPcClicks, jsonVersion);
}

void CheckManager::serviceAddGpuRecord(const QString& name, const QString& rank) {
    m_pService->addGpuRecord(name, rank);
}

void CheckManager::serviceSendBI() { m_pService->sendBI(); }
