#include "biservice.h"

#include <QDebug>
#include <QDir>
#include <QMutexLocker>
#include <QSettings>
#include <QThread>
#include <QUuid>
#include <string>

#include "bi_client.h"
#include "info_record.h"
#ifdef Q_OS_WIN
#include "registry_value_win.h"
#endif

namespace {

const char kAppId[] = "com.daxo.orvocheck";
const char kAppVersion[] = ORVO_APP_VERSION_TEXT;  // defined once by the build
const int kClientVersion = 1;
const char kInfoCategory[] = "orvocheck_info";
const char kGpuCategory[] = "orvocheck_gpu";
const char kSwitchName[] = "InternalTest";
const int kUnchangedPassLimit = 5;
const char kSharedDirectory[] = "../OrvoSetupTempLog";

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

// The per-machine switch that sends this machine's records to the staging
// environment: the registry key on Windows, the system-wide settings file of
// the organisation elsewhere (/etc/xdg/DaxoOrvo.conf on Linux). Reading it
// creates nothing: the registry key is opened read-only (the toolkit's
// settings would create it in an elevated run), and the settings file is
// only written when a value changes. A missing or non-numeric value is 0.
int readSwitch(QString& keyPath) {
#ifdef Q_OS_WIN
    keyPath = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\DaxoOrvo");
    return biwin::readMachineInteger(L"Software\\DaxoOrvo", L"InternalTest");
#else
    const QSettings settings(QSettings::NativeFormat, QSettings::SystemScope,
                             QStringLiteral("DaxoOrvo"));
    keyPath = settings.fileName();
    return settings.value(QLatin1String(kSwitchName)).toInt();
#endif
}

}  // namespace

BIService::BIService() : BIService(defaultBiClient()) {}

BIService::BIService(BiClient& client)
    : m_client(client), m_storageChoice(QLatin1String(kSharedDirectory)) {}

void BIService::setStorageDirectory(const QString& directory) { m_storageChoice = directory; }

// Entries still queued are dropped unsent.
BIService::~BIService() = default;

void BIService::initSession() {
    m_sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_appVersion = QString::fromLatin1(kAppVersion);
    m_storageDir = QDir::toNativeSeparators(m_storageChoice);
    clientReady = false;
    if (QDir::cleanPath(QDir::fromNativeSeparators(m_storageChoice)) !=
        QLatin1String(kSharedDirectory))
        qDebug() << "[BIService] Storage folder:" << m_storageDir;
    checkEnvironment();
    initBILogger();
    qDebug() << "[BIService]BI Service Version:" << m_client.sdkVersion();
}

void BIService::checkEnvironment() {
    QString keyPath;
    const int value = readSwitch(keyPath);
    qDebug() << "[BIService] Find" << keyPath << "\\" << kSwitchName << "result:" << value
             << (value == 1);
    if (value == 1) {
        qDebug() << "[BIService] Set environment to stage";
        m_client.setEnvironment("stage");
    }
}

void BIService::initBILogger() {
    QMutexLocker locker(&m_lock);
    if (clientReady) return;
    // A failed init is reported by the client itself; the flush loop and the
    // release still run, so the program ends the same way.
    m_client.init(kClientVersion, kAppId, utf8(m_storageDir));
    clientReady = true;
}

void BIService::enqueue(std::unique_ptr<InfoRecord> entry) {
    QMutexLocker locker(&m_lock);
    mMsgQueue.push_back(std::move(entry));
}

void BIService::addInfoRecord(const QString& cpuName, const QString& cpuRank,
                              const QString& repGpuName, const QString& repGpuRank,
                              const QString& osName, const QString& osRank,
                              const QString& memorySize, const QString& memoryRank,
                              const QString& overallRank, qint32 orderClicks,
                              qint32 performanceClicks, qint32 readyPcClicks,
                              const QString& jsonVersion) {
    auto entry = std::make_unique<InfoRecord>();
    InfoRecord& e = *entry;
    e[InfoRecord::Category] = QString::fromLatin1(kInfoCategory);
    e[InfoRecord::CpuName] = cpuName;
    e[InfoRecord::CpuRank] = cpuRank;
    e[InfoRecord::RepGpuName] = repGpuName;
    e[InfoRecord::RepGpuRank] = repGpuRank;
    e[InfoRecord::OsName] = osName;
    e[InfoRecord::OsRank] = osRank;
    e[InfoRecord::MemorySize] = memorySize;
    e[InfoRecord::MemoryRank] = memoryRank;
    e[InfoRecord::OverallRank] = overallRank;
    e[InfoRecord::JsonVersion] = jsonVersion;
    e[InfoRecord::ClickOrderOrvo] = QString::number(orderClicks);
    e[InfoRecord::ClickPerformanceTest] = QString::number(performanceClicks);
    e[InfoRecord::ClickReadyPc] = QString::number(readyPcClicks);
    enqueue(std::move(entry));
}

void BIService::addGpuRecord(const QString& name, const QString& rank) {
    auto entry = std::make_unique<InfoRecord>();
    (*entry)[InfoRecord::Category] = QString::fromLatin1(kGpuCategory);
    (*entry)[InfoRecord::OtherGpuName] = name;
    (*entry)[InfoRecord::OtherGpuRank] = rank;
    enqueue(std::move(entry));
}

void BIService::sendBI() {
    qDebug() << "[BIService]sendBI() start";
    m_unstoredRecords = 0;
    if (!clientReady) initBILogger();
    onSendToBIServer();
    {
        QMutexLocker locker(&m_lock);
        FlushBILogger();
        if (clientReady) {
            // Records the client took but then could not store (a locked or
            // full database) count as not stored, like those it refused.
            const int lostBefore = m_client.lostCount();
            m_client.release();  // waits for both client workers
            m_unstoredRecords += m_client.lostCount() - lostBefore;
            clientReady = false;
        }
    }
    if (m_unstoredRecords == 0)
        qDebug() << "[BIService]sendBI() Done";
    else
        qWarning() << "[BIService]sendBI() Not done, records not stored:" << m_unstoredRecords;
    emit close();
}

bool BIService::onSendToBIServer() {
    bool empty = false;
    int length = 0;
    {
        QMutexLocker locker(&m_lock);
        empty = mMsgQueue.empty();
        length = static_cast<int>(mMsgQueue.size());
    }
    qDebug() << "[BIService] mMsgQueue empty? " << empty << ", length: " << length;
    if (empty) return false;

    bool handled = false;
    for (;;) {
        std::unique_ptr<InfoRecord> entry;
        {
            QMutexLocker locker(&m_lock);
            if (mMsgQueue.empty()) break;
            entry = std::move(mMsgQueue.front());
            mMsgQueue.pop_front();
        }
        if (!entry) {
            qDebug() << "[BIService]onSendToBIServer() tmpInfoRecord is NULL";
            continue;
        }
        const InfoRecord& e = *entry;
        qDebug() << "[BIService]onSendToBIServer() Category:" << e[InfoRecord::Category]
                 << ", SessionID:" << m_sessionId << ", Orvocheck_version:" << m_appVersion
                 << ", Json_version:" << e[InfoRecord::JsonVersion]
                 << ", cpu_name:" << e[InfoRecord::CpuName]
                 << ", cpu_rank:" << e[InfoRecord::CpuRank]
                 << ", rep_gpu_name:" << e[InfoRecord::RepGpuName]
                 << ", rep_gpu_rank:" << e[InfoRecord::RepGpuRank]
                 << ", os_name:" << e[InfoRecord::OsName] << ", os_rank:" << e[InfoRecord::OsRank]
                 << ", memory_size:" << e[InfoRecord::MemorySize]
                 << ", memory_rank:" << e[InfoRecord::MemoryRank]
                 << ", overall_rank:" << e[InfoRecord::OverallRank]
                 << ", click_order_orvo:" << e[InfoRecord::ClickOrderOrvo]
                 << ", click_steamvr_test:" << e[InfoRecord::ClickPerformanceTest]
                 << ", click_ready_pc:" << e[InfoRecord::ClickReadyPc];
        if (!sendEntry(e)) ++m_unstoredRecords;
        handled = true;
    }
    return handled;
}

bool BIService::sendEntry(const InfoRecord& e) {
    const QString& category = e[InfoRecord::Category];
    BiClient::Members members;
    if (category == QLatin1String(kInfoCategory)) {
        qDebug() << "[BIService]orvocheck_info send to bi.";
        members = {
            {"a0", utf8(m_sessionId)},
            {"a1", utf8(m_appVersion)},
            {"a2", utf8(e[InfoRecord::JsonVersion])},
            {"a3", utf8(e[InfoRecord::CpuName])},
            {"a4", utf8(e[InfoRecord::CpuRank])},
            {"a5", utf8(e[InfoRecord::RepGpuName])},
            {"a6", utf8(e[InfoRecord::RepGpuRank])},
            {"a7", utf8(e[InfoRecord::OsName])},
            {"a8", utf8(e[InfoRecord::OsRank])},
            {"a9", utf8(e[InfoRecord::MemorySize])},
            {"a10", utf8(e[InfoRecord::MemoryRank])},
            {"a11", utf8(e[InfoRecord::OverallRank])},
            {"a12", utf8(e[InfoRecord::ClickOrderOrvo])},
            {"a13", utf8(e[InfoRecord::ClickPerformanceTest])},
            {"a14", utf8(e[InfoRecord::ClickReadyPc])},
        };
    } else if (category == QLatin1String(kGpuCategory)) {
        qDebug() << "[BIService]orvocheck_gpu send to bi.";
        members = {
            {"sessionId", utf8(m_sessionId)},
            {"other_gpu_name", utf8(e[InfoRecord::OtherGpuName])},
            {"other_gpu_rank", utf8(e[InfoRecord::OtherGpuRank])},
        };
    } else {
        qDebug() << "[BIService]onSendToBIServer() unknown category, nothing sent:" << category;
        return true;
    }
    QMutexLocker locker(&m_lock);
    if (m_client.sendRecord(utf8(category), members)) return true;
    qDebug() << "[BIService]onSendToBIServer() no record from the client, entry skipped:"
             << category;
    return false;
}

// Waits until the uploads have emptied the local store. The count is taken
// before the pass's flush, so a pass sees the effect of the uploads asked for
// in earlier passes; only passes without a change use up a try.
void BIService::FlushBILogger() {
    int previous = 0;
    int tries = 0;
    for (;;) {
        const int current = m_client.pendingCount();
        if (clientReady) {
            m_client.flush();
            QThread::sleep(1);
        }
        if (current != previous) {
            qDebug() << "[BIService]FlushBILogger() DB pre-Count:" << previous
                     << ",now-Count:" << current;
            if (previous > 0 && current == 0) break;
            previous = current;
            continue;
        }
        if (++tries >= kUnchangedPassLimit) break;
    }
    qDebug() << "[BIService] flushAndRetry() Done";
}
