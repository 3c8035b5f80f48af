#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QVector>

#include "json_scan.h"
#include "rank_reason.h"

// The "Figures" member of a comparison file: the benchmark figures and the
// bars behind its lists. Its lists run beside the top-level lists of the same
// names, entry i explaining entry i: a product index, [product, family] for a
// family rule (the product is the rule's witness), or null. Whatever does not
// fit that shape is left out with a debug line; the ranks never depend on it.
//
// The member is as large as the lists, and a check needs a handful of its
// entries: it is checked in one pass that builds nothing, and only the
// entries asked for are parsed.
class ComparisonFigures {
public:
    // text: the member's value as written in the file; empty without one.
    explicit ComparisonFigures(const QByteArray& text);

    bool present() const { return m_Present; }
    // Whether the member's text is valid JSON at all (a member that is not
    // an object is ignored, but a broken one breaks the whole file).
    bool wellFormed() const { return m_WellFormed; }
    QString date() const { return m_Date; }

    // Adds the figures behind entry index of the top-level list ("Good list",
    // "Bad revisions"...) of component ("CPU" or "GPU") to reason; listSize
    // is that list's length.
    void explain(const char* component, const QString& list, int index, int listSize,
                 RankReason& reason) const;

    // The memory minimum's figure; the reference falls back to "N GB".
    RankFigure memoryFigure(double value, double required) const;

private:
    struct Bar {
        QString reference;
        double single = 0.0;  // the GPU's and memory's value
        double multi = 0.0;
    };

    // One value of the member, parsed on its own.
    QJsonValue parsed(JsonSpan span) const;
    bool isArray(JsonSpan span) const { return !span.isNull() && m_Text.at(span.begin) == '['; }

    QByteArray m_Text;
    JsonScan m_Scan;
    bool m_Present = false;
    bool m_WellFormed = false;
    QString m_Date;
    QString m_SingleBenchmark, m_MultiBenchmark, m_GpuBenchmark;
    QList<Bar> m_CpuBars;
    Bar m_GpuBar;
    Bar m_MemoryBar;
    QJsonArray m_Families;
    QHash<QByteArray, JsonSpan> m_Cpu, m_Gpu;  // their members
    QVector<JsonSpan> m_CpuProducts, m_GpuProducts;
};

// When a document's top-level "Figures" member is its last, cuts it out of the
// document (which stays a document: the lists alone) and returns its value's
// text; otherwise returns nothing and leaves the document as it was. Only
// looks, never parses: the caller checks both parts.
QByteArray cutFiguresMember(QByteArray& document);
