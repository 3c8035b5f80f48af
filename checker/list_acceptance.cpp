#include "list_acceptance.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QVector>
#include <algorithm>

#include "list_signature.h"

namespace {

QString versionOf(const QByteArray& list) {
    return QJsonDocument::fromJson(list).object().value(QLatin1String("Version")).toString();
}

// Versions are dates written with dots ("2026.12.08"); their numbers are
// compared in order. A version of another form cannot be compared and is
// never called older.
QVector<qulonglong> versionNumbers(const QString& version) {
    QVector<qulonglong> numbers;
    const QRegularExpression dotted(QStringLiteral("^[0-9]+(\\.[0-9]+)*$"));
    if (!dotted.match(version).hasMatch()) return numbers;
    for (const QString& part : version.split(QLatin1Char('.'))) numbers.append(part.toULongLong());
    return numbers;
}

bool olderThan(const QString& version, const QString& reference) {
    const QVector<qulonglong> a = versionNumbers(version);
    const QVector<qulonglong> b = versionNumbers(reference);
    if (a.isEmpty() || b.isEmpty()) return false;
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

}  // namespace

bool downloadedListAccepted(const QByteArray& list, const QByteArray& signature,
                            const QString& shippedPath) {
    const listsig::Verdict verdict =
        listsig::verify(list.toStdString(), signature.toStdString(), listsig::trustedKeys());
    if (verdict == listsig::Verdict::Missing) {
        qDebug() << "[OrvoCheckLib] Downloaded list not used: signature missing";
        return false;
    }
    if (verdict != listsig::Verdict::Verified) {
        qDebug() << "[OrvoCheckLib] Downloaded list not used: signature does not verify";
        return false;
    }
    // A shipped list that cannot be read leaves nothing to compare with; the
    // signed download is then the better list.
    QFile shipped(shippedPath);
    const QString shippedVersion =
        shipped.open(QIODevice::ReadOnly) ? versionOf(shipped.readAll()) : QString();
    const QString version = versionOf(list);
    if (olderThan(version, shippedVersion)) {
        qDebug() << "[OrvoCheckLib] Downloaded list not used: version" << version
                 << "older than the shipped list" << shippedVersion;
        return false;
    }
    qDebug() << "[OrvoCheckLib] Downloaded list signature verified, version" << version;
    return true;
}
