#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include "rank_reason.h"

// The "Figures" member of a comparison file: the benchmark figures and the
// bars behind its lists. Its lists run beside the top-level lists of the same
// names, entry i explaining entry i: a product index, [product, family] for a
// family rule (the product is the rule's witness), or null. Whatever does not
// fit that shape is left out with a debug line; the ranks never depend on it.
class ComparisonFigures {
public:
    explicit ComparisonFigures(const QJsonObject& root);

    bool present() const { return m_Present; }
    QString date() const { return m_Date; }

    // Adds the figures behind entry index of the top-level list ("Good list",
    // "Bad revisions"...) of component ("CPU" or "GPU") to reason; listSize
    // is that list's length.
    void explain(const char* component, const QString& list, int index, int listSize,
                 RankReason& reason) const;

    // The memory minimum's figure; the reference falls back to "N GB".
    RankFigure memoryFigure(double value, double required) const;

    // The GPU bar's reference ("GTX 970 / R9 290"), empty without figures.
    QString gpuReference() const { return m_GpuBar.reference; }

private:
    struct Bar {
        QString reference;
        double single = 0.0;  // the GPU's and memory's value
        double multi = 0.0;
    };

    QJsonObject m_Figures;
    bool m_Present = false;
    QString m_Date;
    QString m_SingleBenchmark, m_MultiBenchmark, m_GpuBenchmark;
    QList<Bar> m_CpuBars;
    Bar m_GpuBar;
    Bar m_MemoryBar;
    QJsonArray m_Families;
    QJsonArray m_CpuProducts;
    QJsonArray m_GpuProducts;
};
