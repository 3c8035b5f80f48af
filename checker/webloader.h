#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QNetworkReply;

// Fetches the comparison file over HTTP and saves it, then its detached
// signature from the same address with ".sig" appended, and reports the
// outcome once through downloaded(bool): true when the list arrived, with or
// without a signature (whoever uses the list decides what a missing one
// means).
//
// A repeating stall check aborts the transfer when no byte arrived during a
// whole period. On top of that the whole transfer is capped in time and in
// size: a server that trickles a byte now and then, or sends without end,
// would otherwise keep the check waiting for ever or fill the memory.
//
// Threads: the object, its network manager, its timers and the reply belong
// to the thread that created it, and every slot runs on that thread's event
// loop. Nothing here is shared with another thread.
class WebLoader : public QObject {
    Q_OBJECT
public:
    static constexpr int kStallIntervalMs = 7000;
    static constexpr int kDefaultTotalTimeLimitMs = 20000;
    static constexpr qint64 kDefaultMaxBodyBytes = 8 * 1024 * 1024;
    static constexpr qint64 kMaxSignatureBytes = 1024;
    // The reply buffers at most this much before the loader takes it, so a
    // body is cut off within one chunk of the cap however late the loader
    // runs on a loaded machine.
    static constexpr qint64 kReadChunkBytes = 64 * 1024;

    explicit WebLoader(int totalTimeLimitMs = kDefaultTotalTimeLimitMs,
                       qint64 maxBodyBytes = kDefaultMaxBodyBytes);
    ~WebLoader() override;
    WebLoader(const WebLoader&) = delete;
    WebLoader& operator=(const WebLoader&) = delete;

    void download(const QString& url, const QString& savePath);

    // Whether the last successful download could not be saved to the save
    // path, its body and its signature (empty when the server had none). Set
    // before downloaded(true) is emitted and left alone after it, so the
    // receiver may read them on its own thread.
    bool bodyUnsaved() const { return m_BodyUnsaved; }
    QByteArray body() const { return m_Body; }
    QByteArray signature() const { return m_Signature; }

    int totalTimeLimitMs() const { return m_TotalTimeLimitMs; }
    qint64 maxBodyBytes() const { return m_MaxBodyBytes; }

signals:
    void downloaded(bool bSucc);

public slots:
    void networkReplied(QNetworkReply* pReply);
    void downloadProgress(qint64, qint64 size);
    void handleTimeOut();

private slots:
    void handleTotalTimeOut();
    void checkAnnouncedSize();
    void checkReceivedSize();

protected:
    bool saveBody(const QByteArray& body);
    void startRequest(const QString& url);
    void finish(bool result);
    void abortReply();
    // Aborts once when the body is, or announces to be, larger than the cap.
    void cutOffOversizedBody(qint64 received, qint64 announced);

    QNetworkAccessManager m_NetManager;
    QString m_SavePath;
    qint32 m_FileDownSize = 0;
    qint32 m_LastDownSize = 0;
    QTimer m_Timer;
    QPointer<QNetworkReply> m_pReply;  // owned by m_NetManager until finished
    QTimer m_TotalTimer;
    int m_TotalTimeLimitMs;
    qint64 m_MaxBodyBytes;
    QString m_Url;
    qint64 m_Cap = 0;               // of the transfer under way
    bool m_FetchingSignature = false;
    QByteArray m_Received;  // of the transfer under way
    QByteArray m_Body;
    QByteArray m_Signature;
    bool m_BodyUnsaved = false;
    bool m_CutOff = false;  // the cap's abort line is written once per download
};
