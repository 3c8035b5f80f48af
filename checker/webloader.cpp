#include "webloader.h"

#include <QDebug>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QUrl>

// The manager and the timers are children as well as members, so that
// moving the loader to another thread takes them along (see ~OrvoCheckLib).
WebLoader::WebLoader(int totalTimeLimitMs, qint64 maxBodyBytes)
    : m_NetManager(this),
      m_Timer(this),
      m_TotalTimer(this),
      m_TotalTimeLimitMs(totalTimeLimitMs),
      m_MaxBodyBytes(maxBodyBytes) {
    m_TotalTimer.setSingleShot(true);
    connect(&m_NetManager, &QNetworkAccessManager::finished, this, &WebLoader::networkReplied);
    connect(&m_Timer, &QTimer::timeout, this, &WebLoader::handleTimeOut);
    connect(&m_TotalTimer, &QTimer::timeout, this, &WebLoader::handleTotalTimeOut);
}

WebLoader::~WebLoader() {
    // The manager outlives this body and destroys any reply still in flight;
    // nothing it emits then may reach a half-destroyed loader.
    disconnect(&m_NetManager, nullptr, this, nullptr);
    if (m_pReply) m_pReply->disconnect(this);
}

void WebLoader::download(const QString& url, const QString& savePath) {
    if (m_pReply && !m_pReply->isFinished()) {
        // A second start on the same loader replaces the first transfer,
        // which then reports nothing.
        m_pReply->disconnect(this);
        QNetworkReply* previous = m_pReply;
        m_pReply = nullptr;
        previous->abort();
        previous->deleteLater();
        m_FileDownSize = 0;
        m_LastDownSize = 0;
    }

    m_Url = url;
    m_SavePath = savePath;
    m_Body.clear();
    m_Signature.clear();
    m_BodyUnsaved = false;
    m_FetchingSignature = false;
    m_Cap = m_MaxBodyBytes;
    startRequest(url);
    m_TotalTimer.start(m_TotalTimeLimitMs);
}

// The list and its signature share the total time limit; each has its own
// stall check and size cap.
void WebLoader::startRequest(const QString& url) {
    m_CutOff = false;
    m_FileDownSize = 0;
    m_LastDownSize = 0;
    m_Received.clear();
    m_pReply = m_NetManager.get(QNetworkRequest(QUrl(url, QUrl::TolerantMode)));
    m_pReply->setReadBufferSize(kReadChunkBytes);
    // Progress reports are rate-limited, long enough for a fast server to
    // send far more than the cap: the size is also checked on the announced
    // length and on every arrival.
    connect(m_pReply, &QNetworkReply::downloadProgress, this, &WebLoader::downloadProgress);
    connect(m_pReply, &QNetworkReply::metaDataChanged, this, &WebLoader::checkAnnouncedSize);
    connect(m_pReply, &QNetworkReply::readyRead, this, &WebLoader::checkReceivedSize);

    if (m_Timer.isActive()) m_Timer.stop();
    m_Timer.start(kStallIntervalMs);
}

void WebLoader::downloadProgress(qint64 received, qint64 size) {
    m_FileDownSize = static_cast<qint32>(received);
    qDebug() << "[WebLoader] Total size: " << size << ", current download size: " << received;
    cutOffOversizedBody(received, size);
}

void WebLoader::checkAnnouncedSize() {
    if (!m_pReply) return;
    const QVariant length = m_pReply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid()) cutOffOversizedBody(m_Received.size(), length.toLongLong());
}

void WebLoader::checkReceivedSize() {
    // Taking what arrived frees the reply's small buffer for the next chunk.
    if (!m_pReply || m_CutOff) return;
    m_Received += m_pReply->readAll();
    cutOffOversizedBody(m_Received.size(), -1);
}

void WebLoader::cutOffOversizedBody(qint64 received, qint64 announced) {
    if (m_CutOff || (received <= m_Cap && announced <= m_Cap)) return;
    m_CutOff = true;
    qDebug() << "[WebLoader] Http url download is larger than" << m_Cap
             << "bytes, and abort request!!! Received:" << received << ", announced:" << announced;
    abortReply();
}

void WebLoader::handleTimeOut() {
    qDebug() << "[WebLoader] m_LastDownSize: " << m_LastDownSize
             << ", m_FileDownSize: " << m_FileDownSize;
    if (m_LastDownSize == m_FileDownSize) {
        qDebug() << "[WebLoader] Http url download request time out, and abort request!!!";
        abortReply();
    } else {
        m_LastDownSize = m_FileDownSize;
    }
}

void WebLoader::handleTotalTimeOut() {
    qDebug() << "[WebLoader] Http url download took longer than" << m_TotalTimeLimitMs
             << "ms, and abort request!!!";
    abortReply();
}

void WebLoader::abortReply() {
    // Aborting finishes the reply with the cancellation error, so
    // networkReplied reports the failure and stops the timers.
    if (m_pReply) m_pReply->abort();
}

void WebLoader::networkReplied(QNetworkReply* pReply) {
    if (pReply != m_pReply) {
        pReply->deleteLater();
        return;
    }

    // An aborted reply is already closed; reading it would only warn.
    const QByteArray bytes = m_Received + (pReply->isOpen() ? pReply->readAll() : QByteArray());
    m_Received.clear();
    const QNetworkReply::NetworkError error = pReply->error();
    pReply->deleteLater();
    m_pReply = nullptr;
    if (m_FetchingSignature) {
        // Whether a list without a signature may be used is not the loader's
        // call: the list arrived either way.
        if (error != QNetworkReply::NoError || bytes.size() > m_Cap) {
            qDebug() << "[WebLoader] Signature download failed, error: " << error;
        } else {
            m_Signature = bytes;
            qDebug() << "[WebLoader] Signature downloaded," << bytes.size() << "bytes";
        }
        finish(true);
        return;
    }
    bool result = false;
    if (error != QNetworkReply::NoError) {
        qDebug() << "[WebLoader] Json file download failed, error: " << error;
    } else if (bytes.size() > m_MaxBodyBytes) {
        // The whole body may arrive before the abort of a progress report.
        qDebug() << "[WebLoader] Json file download failed, body larger than" << m_MaxBodyBytes
                 << "bytes";
    } else {
        result = saveBody(bytes);
    }
    if (!result || !m_TotalTimer.isActive()) {
        finish(result);
        return;
    }
    m_FetchingSignature = true;
    m_Cap = kMaxSignatureBytes;
    startRequest(m_Url + QStringLiteral(".sig"));
}

void WebLoader::finish(bool result) {
    m_FileDownSize = 0;
    m_LastDownSize = 0;
    if (m_Timer.isActive()) m_Timer.stop();
    m_TotalTimer.stop();
    emit downloaded(result);
}

bool WebLoader::saveBody(const QByteArray& body) {
    m_Body = body;
    // Written beside the target and renamed into place, so a torn write
    // never leaves half a comparison file where the engine reads it.
    QSaveFile file(m_SavePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit()) {
        // A program unpacked where the user cannot write (Program Files)
        // still checks against the list it has just fetched.
        qDebug() << "[WebLoader] Json file downloaded but could not be saved to" << m_SavePath
                 << ":" << file.errorString() << "; this check uses it from memory";
        m_BodyUnsaved = true;
        return true;
    }
    qDebug() << "[WebLoader] Json file downloaded successfully, saved to" << m_SavePath;
    return true;
}
