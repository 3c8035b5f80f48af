// The analytics service with the real analytics client: the run's records
// reach the local database under the environment the per-machine switch
// chose, in the client's record format. The analytics server is down (a
// closed port on 127.0.0.1), so the records stay stored.
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include "biservice.h"

namespace {

// Every stored row as "environment|content", oldest first.
QStringList storedRows(const QString& path) {
    QStringList rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "select environment, content from bi_logs order by _ID;", -1, &stmt,
                           nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))) +
                        "|" +
                        QString::fromUtf8(
                            reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

QStringList keysInOrder(const QString& json) {
    QStringList keys;
    QRegularExpressionMatchIterator it =
        QRegularExpression("\"([a-z0-9_A-Z]+)\":").globalMatch(json);
    while (it.hasNext()) keys << it.next().captured(1);
    return keys;
}

}  // namespace

class TstBIServiceClient : public QObject {
    Q_OBJECT

private slots:
    void stageRunIsStoredWhenTheServerIsDown();
};

void TstBIServiceClient::stageRunIsStoredWhenTheServerIsDown() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkpath("work"));
    // The storage folder is reached through a link, as a linked home or a
    // folder managed by a dotfiles tool would be.
    QVERIFY(QDir(root.path()).mkpath("real/log"));
    QVERIFY(QFile::link(root.path() + "/real/log", root.path() + "/OrvoSetupTempLog"));
    QVERIFY(QDir(root.path()).mkpath("etc"));
    QVERIFY(QDir::setCurrent(root.path() + "/work"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root.path() + "/etc");
    {
        QFile file(root.path() + "/etc/DaxoOrvo.conf");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nInternalTest=1\n");
    }
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    qputenv("ORVOCHECK_ANALYTICS_CONNECT_TO", "127.0.0.1:" + QByteArray::number(closedPort));
    qputenv("LC_ALL", "de-AT.UTF-8");

    BIService service;
    QSignalSpy closed(&service, &BIService::close);
    service.initSession();
    service.addInfoRecord("cpu \"quoted\"", "RANK_GOOD", "gpu", "RANK_GOOD", "os", "RANK_GOOD",
                          "8.0", "RANK_GOOD", "RANK_GOOD", 2, 1, 0, "7");
    service.addGpuRecord("other gpu", "RANK_BAD");
    service.sendBI();
    QCOMPARE(closed.count(), 1);

    const QStringList rows =
        storedRows(root.path() + "/OrvoSetupTempLog/com.daxo.orvocheck.bilogclient");
    QCOMPARE(rows.size(), 2);
    for (const QString& row : rows) {
        QVERIFY2(row.startsWith("stage|{"), qPrintable(row));
        QVERIFY2(row.endsWith("}\n"), qPrintable(row));
        QVERIFY(row.contains("\"environment\":\"stage\""));
        QVERIFY(row.contains("\"app_id\":\"com.daxo.orvocheck\""));
        QVERIFY(row.contains("\"app_version\":\"0.0.7.1\""));
        QVERIFY(row.contains("\"locale\":\"de_AT\""));
        QVERIFY(row.contains("\"version\":1}"));
    }
    QVERIFY(rows[0].contains("\"a3\":\"cpu \\\"quoted\\\"\""));
    QVERIFY(rows[0].contains("\"a12\":\"2\",\"a13\":\"1\",\"a14\":\"0\",\"a2\":\"7\""));
    QCOMPARE(keysInOrder(rows[0]),
             QStringList({"a0",           "a1",          "a10",        "a11",         "a12",
                          "a13",          "a14",         "a2",         "a3",          "a4",
                          "a5",           "a6",          "a7",         "a8",          "a9",
                          "app_id",       "app_version", "category",   "environment", "locale",
                          "manufacturer", "sdk_int",     "serial_num", "timestamp",   "version"}));
    QCOMPARE(keysInOrder(rows[1]),
             QStringList({"app_id", "app_version", "category", "environment", "locale",
                          "manufacturer", "other_gpu_name", "other_gpu_rank", "sdk_int",
                          "serial_num", "sessionId", "timestamp", "version"}));
    const QString session =
        QRegularExpression("\"a0\":\"([0-9a-f-]{36})\"").match(rows[0]).captured(1);
    QVERIFY(!session.isEmpty());
    QVERIFY(rows[1].contains("\"sessionId\":\"" + session + "\""));
}

QTEST_GUILESS_MAIN(TstBIServiceClient)
#include "tst_biservice_client.moc"
