#include "why_json.h"

#include <QJsonArray>

namespace {

// The first figure of a measure, else none.
const RankFigure* firstOf(const QList<RankFigure>& figures, const char* measure) {
    for (const RankFigure& figure : figures)
        if (figure.measure == QLatin1String(measure)) return &figure;
    return nullptr;
}

// A family's witness: its name and the figure the family is bounded by,
// for a processor its single- and multi-thread figures.
QJsonObject witnessJson(const QList<RankFigure>& witness) {
    QJsonObject object{{QStringLiteral("product"), witness.first().product}};
    if (const RankFigure* g3d = firstOf(witness, "g3d"))
        object.insert(QStringLiteral("value"), g3d->value);
    if (const RankFigure* single = firstOf(witness, "single-thread"))
        object.insert(QStringLiteral("single"), single->value);
    if (const RankFigure* multi = firstOf(witness, "multi-thread"))
        object.insert(QStringLiteral("multi"), multi->value);
    return object;
}

}  // namespace

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
    if (!row.why.witness.isEmpty())
        why.insert(QStringLiteral("witness"), witnessJson(row.why.witness));
    if (!row.why.listedReleases.isEmpty())
        why.insert(QStringLiteral("listedReleases"),
                   QJsonArray::fromStringList(row.why.listedReleases));
    if (!row.why.figuresDate.isEmpty())
        why.insert(QStringLiteral("figuresDate"), row.why.figuresDate);
    return why;
}
