#include "signed_list.h"

#include <QProcess>
#include <QTemporaryDir>

#include "checker_test_support.h"

QByteArray signatureByTestKey(const QByteArray& list) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.json"));
    if (!writeFile(path, list)) return QByteArray();
    QProcess signer;
    signer.start(QStringLiteral(ORVO_TEST_PYTHON),
                 {QStringLiteral(ORVO_TEST_COMPGEN), QStringLiteral("sign"), path,
                  QStringLiteral("--key"), QStringLiteral(ORVO_TEST_KEYS "/next.pem")});
    if (!signer.waitForFinished(60000) || signer.exitCode() != 0) return QByteArray();
    return readFile(path + QStringLiteral(".sig"));
}

QByteArray testListKeyHex() { return readFile(QStringLiteral(ORVO_TEST_KEYS "/next.hex")).trimmed(); }

HttpResponsePlan signedListPlan(const QByteArray& list) {
    return HttpResponsePlan::withFiles(
        {{QStringLiteral("/OrvoCheckComp/comp.json"), list},
         {QStringLiteral("/OrvoCheckComp/comp.json.sig"), signatureByTestKey(list)}});
}
