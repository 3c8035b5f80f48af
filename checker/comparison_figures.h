#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include "rank_reason.h"

// The "Figures" member of a comparison file: the benchmark figures and the
// bars behind its lists. Its lists run beside the top-level lists of the same
// names, entry i explaining entry i:
//   null                  no benchmark stands behind the entry
//   p                     exactly product p, ranked on its own figures
//   [[p1, ..., pn]]       any of products p1..pn, ranked on the weakest
//   [[p1, ..., pn], f, w] ranked by family f, whose witness is product w;
//                         p1..pn are the products the entry can be
// Files written before the products stood beside a family give [w, f]; such
// an entry is read as a family decision with no product of the user's.
// Whatever does not fit is left out with a debug line; the ranks never depend
// on it.
class ComparisonFigures {
public:
    ComparisonFigures() = default;
    explicit ComparisonFigures(const QJsonObject& member);

    bool present() const { return m_Present; }
    QString date() const { return m_Date; }

    // What one entry of a top-level list ("Good list", "Bad revisions"...) of
    // component ("CPU" or "GPU") stands for; listSize is that list's length.
    struct Entry {
        QList<int> products;  // the products the entry can be
        int family = -1;      // index into the families, else -1
        int witness = -1;     // the family's witness product, else -1
    };
    Entry entry(const char* component, const QString& list, int index, int listSize) const;

    // The entry's products that a name reported by the adapter's driver
    // names: those whose name is contained, word for word, in it, the
    // longest only; all of them when it names none or several equally.
    QList<int> productsNamedBy(const char* component, const QList<int>& products,
                               const QString& adapterName) const;
    // Whether the name names one of the products at all.
    bool namesAnyOf(const char* component, const QList<int>& products, const QString& name) const;
    QStringList productNames(const char* component, const QList<int>& products) const;

    // Adds to reason the figures of products, the ones this computer can
    // have, and the entry's family with its witness apart.
    void explain(const char* component, const Entry& entry, const QList<int>& products,
                 RankReason& reason) const;

    // The memory minimum's figure; the reference falls back to "N GB".
    RankFigure memoryFigure(double value, double required) const;

private:
    struct Bar {
        QString reference;
        double single = 0.0;  // the GPU's and memory's value
        double multi = 0.0;
    };
    struct Product {
        QString name;
        double first = 0.0;   // G3D Mark, or single thread; 0 without a figure
        double second = 0.0;  // multi thread
    };

    const QList<Product>& products(const char* component) const;
    // The figures of one product against the bars, in the agreed order.
    QList<RankFigure> figuresOf(bool cpu, const Product& product) const;

    bool m_Present = false;
    QString m_Date;
    QString m_SingleBenchmark, m_MultiBenchmark, m_GpuBenchmark;
    QList<Bar> m_CpuBars;
    Bar m_GpuBar;
    Bar m_MemoryBar;
    QStringList m_Families;
    QJsonObject m_Cpu, m_Gpu;
    QList<Product> m_CpuProducts, m_GpuProducts;
};
