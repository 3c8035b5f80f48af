// The engine's download wiring: a comparison starts with a download when it
// has somewhere to fetch from, and falls back on the shipped file otherwise.
// A check of what was downloaded belongs in onDownloaded(), before it is used.
#include <QDebug>
#include <QThread>

#include "list_acceptance.h"
#include "orvochecklib.h"
#include "webloader.h"

OrvoCheckLib::~OrvoCheckLib() {
    if (!m_pWebLoader) return;
    disconnect(m_pWebLoader, nullptr, this, nullptr);
    // The loader belongs to the thread that started the comparison. While
    // that thread still runs its loop the loader must die there. Once that
    // thread is gone (the coordinator's ends before its engine), the loader
    // is adopted here first so that its timers stop on their own thread.
    QThread* owner = m_pWebLoader->thread();
    if (!owner) m_pWebLoader->moveToThread(QThread::currentThread());
    if (owner && owner != QThread::currentThread() && owner->isRunning())
        m_pWebLoader->deleteLater();
    else
        delete m_pWebLoader;
    m_pWebLoader = nullptr;
}

void OrvoCheckLib::setDownloadLimits(int totalTimeLimitMs, qint64 maxBodyBytes) {
    m_DownloadTimeLimitMs = totalTimeLimitMs;
    m_DownloadMaxBytes = maxBodyBytes;
}

void OrvoCheckLib::startCompare(const QString& url, const QString& savePath,
                                const QString& defaultPath) {
    if (url.isEmpty() || savePath.isEmpty()) {
        compareWithFile(defaultPath);
        emit compareFinished();
        return;
    }

    delete m_pWebLoader;
    m_pWebLoader = nullptr;

    m_DownloadPath = savePath;
    m_DefaultPath = defaultPath;
    m_pWebLoader = new WebLoader(m_DownloadTimeLimitMs, m_DownloadMaxBytes);
    connect(m_pWebLoader, &WebLoader::downloaded, this, &OrvoCheckLib::onDownloaded);
    qDebug() << "[OrvoCheckLib] Download online json file";
    m_pWebLoader->download(url, savePath);
}

void OrvoCheckLib::onDownloaded(bool succ) {
    // The bytes whose signature was checked are the ones ranked against,
    // from memory, whatever became of the saved file. A download that could
    // not be saved (a folder the user cannot write) is still the newest list.
    // The loader wrote them before signalling and no longer touches them.
    const bool unsaved = succ && m_pWebLoader && m_pWebLoader->bodyUnsaved();
    const bool used =
        succ && m_pWebLoader &&
        downloadedListAccepted(m_pWebLoader->body(), m_pWebLoader->signature(), m_DefaultPath) &&
        compareWithJson(m_pWebLoader->body(),
                        m_DownloadPath + (unsaved ? QStringLiteral(" (not saved)") : QString()));
    if (!used) compareWithFile(m_DefaultPath);
    emit compareFinished();
}
