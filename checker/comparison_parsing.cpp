#include "comparison_parsing.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

bool parseComparison(const QByteArray& whole, ComparisonDocument& parsed) {
    // The figures are as large as the lists, and parsing is what a check
    // spends its time on: the lists are parsed, the figures only checked,
    // their few needed entries parsed later. Whatever the split cannot vouch
    // for goes to the toolkit's parser whole, as before.
    QByteArray lists = whole;
    const QByteArray figures = cutFiguresMember(lists);
    parsed.figures = ComparisonFigures(figures);
    QJsonParseError error;
    QJsonDocument document;
    if (!figures.isEmpty() && parsed.figures.wellFormed()) {
        document = QJsonDocument::fromJson(lists, &error);
        if (document.isNull() || error.error != QJsonParseError::NoError ||
            document.object().isEmpty())
            document = QJsonDocument();
    }
    if (document.isNull()) {
        document = QJsonDocument::fromJson(whole, &error);
        const QJsonValue member = document.object().value(QLatin1String("Figures"));
        parsed.figures = ComparisonFigures(
            member.isObject() ? QJsonDocument(member.toObject()).toJson(QJsonDocument::Compact)
            : member.isUndefined() ? QByteArray()
                                   : QByteArrayLiteral("null"));
    }
    if (document.isNull() || error.error != QJsonParseError::NoError) {
        qDebug() << "Fatal! Failed to parse json file:" << error.errorString()
                 << ", offset:" << error.offset;
        return false;
    }
    parsed.root = document.object();
    return true;
}
