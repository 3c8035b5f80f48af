#include "why_json.h"

#include <QJsonArray>

QJsonObject whyJson(const ComponentReport& row) {
    QJsonArray figures;
    for (const RankFigure& f : row.why.figures)
        figures.append(QJsonObject{{QStringLiteral("measure"), f.measure},
                                   {QStringLiteral("value"), f.value},
                                   {QStringLiteral("required"), f.required},
                                   {QStringLiteral("reference"), f.reference},
                                   {QStringLiteral("product"), f.product},
                                   {QStringLiteral("benchmark"), f.benchmark},
                                   {QStringLiteral("meets"), f.meets()}});
    QJsonObject why{{QStringLiteral("decidedBy"), decidedByText(row.why.decidedBy)},
                    {QStringLiteral("figures"), figures},
                    {QStringLiteral("advice"), row.advice}};
    if (!row.why.family.isEmpty()) why.insert(QStringLiteral("family"), row.why.family);
    if (!row.why.figuresDate.isEmpty())
        why.insert(QStringLiteral("figuresDate"), row.why.figuresDate);
    return why;
}
