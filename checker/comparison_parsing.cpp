#include "comparison_parsing.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

bool parseComparison(const QByteArray& text, ComparisonDocument& parsed) {
    // One parse of the whole document, figures included: whatever else the
    // file holds, the same lists and figures read the same.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (document.isNull() || error.error != QJsonParseError::NoError) {
        qDebug() << "Fatal! Failed to parse json file:" << error.errorString()
                 << ", offset:" << error.offset;
        return false;
    }
    parsed.root = document.object();
    const QJsonValue figures = parsed.root.value(QLatin1String("Figures"));
    if (!figures.isUndefined() && !figures.isObject())
        qDebug() << "[OrvoCheckLib] Figures ignored: not an object";
    parsed.figures = ComparisonFigures(figures.toObject());
    return true;
}
