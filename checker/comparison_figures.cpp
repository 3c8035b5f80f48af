#include "comparison_figures.h"

#include <QDebug>
#include <QJsonValue>
#include <cmath>

namespace {

// A figure: a finite number above zero.
bool readFigure(const QJsonValue& value, double& figure) {
    if (!value.isDouble()) return false;
    const double number = value.toDouble();
    if (!std::isfinite(number) || number <= 0.0) return false;
    figure = number;
    return true;
}

// A whole number in [0, size), else -1.
int readIndex(const QJsonValue& value, int size) {
    if (!value.isDouble()) return -1;
    const double number = value.toDouble();
    if (!(number >= 0.0) || number >= size || std::floor(number) != number) return -1;
    return static_cast<int>(number);
}

QString text(const QJsonObject& object, const char* key) {
    return object.value(QLatin1String(key)).toString();
}

QString gigabytes(double value) { return QString::number(value) + QStringLiteral(" GB"); }

}  // namespace

ComparisonFigures::ComparisonFigures(const QJsonObject& root) {
    const QJsonValue figures = root.value(QLatin1String("Figures"));
    if (figures.isUndefined()) return;
    if (!figures.isObject()) {
        qDebug() << "[OrvoCheckLib] Figures ignored: not an object";
        return;
    }
    m_Figures = figures.toObject();
    m_Date = text(m_Figures, "Date");
    const QJsonObject benchmarks = m_Figures.value(QLatin1String("Benchmarks")).toObject();
    m_SingleBenchmark = text(benchmarks, "CPU single");
    m_MultiBenchmark = text(benchmarks, "CPU multi");
    m_GpuBenchmark = text(benchmarks, "GPU");

    const QJsonObject bars = m_Figures.value(QLatin1String("Bars")).toObject();
    for (const QJsonValue& value : bars.value(QLatin1String("CPU")).toArray()) {
        const QJsonObject object = value.toObject();
        Bar bar{text(object, "reference"), 0.0, 0.0};
        if (readFigure(object.value(QLatin1String("single")), bar.single) &&
            readFigure(object.value(QLatin1String("multi")), bar.multi))
            m_CpuBars.append(bar);
        else
            qDebug() << "[OrvoCheckLib] Figures: processor bar ignored:" << bar.reference;
    }
    const QJsonObject gpuBar = bars.value(QLatin1String("GPU")).toObject();
    if (readFigure(gpuBar.value(QLatin1String("value")), m_GpuBar.single))
        m_GpuBar.reference = text(gpuBar, "reference");
    else
        qDebug() << "[OrvoCheckLib] Figures: no graphics bar";
    const QJsonObject memoryBar = bars.value(QLatin1String("Memory")).toObject();
    m_MemoryBar.reference = text(memoryBar, "reference");

    m_Families = m_Figures.value(QLatin1String("Families")).toArray();
    m_CpuProducts = m_Figures.value(QLatin1String("CPU"))
                        .toObject()
                        .value(QLatin1String("Products"))
                        .toArray();
    m_GpuProducts = m_Figures.value(QLatin1String("GPU"))
                        .toObject()
                        .value(QLatin1String("Products"))
                        .toArray();
    m_Present = true;
}

void ComparisonFigures::explain(const char* component, const QString& list, int index,
                                int listSize, RankReason& reason) const {
    if (!m_Present || index < 0) return;
    const bool cpu = qstrcmp(component, "CPU") == 0;
    const QJsonValue listValue =
        m_Figures.value(QLatin1String(component)).toObject().value(list);
    if (listValue.isUndefined()) return;  // nothing explains this list
    const QJsonArray entries = listValue.toArray();
    if (entries.size() != listSize) {
        qDebug() << "[OrvoCheckLib] Figures ignored:" << component << list << "holds"
                 << entries.size() << "entries for" << listSize;
        return;
    }
    const QJsonValue entry = entries.at(index);
    if (entry.isNull()) return;  // no figure stands behind the entry
    const QJsonArray& products = cpu ? m_CpuProducts : m_GpuProducts;
    int product = -1;
    QString family;
    if (entry.isArray()) {
        const QJsonArray pair = entry.toArray();
        const int familyIndex = readIndex(pair.at(1), m_Families.size());
        if (pair.size() == 2 && familyIndex >= 0) {
            product = readIndex(pair.at(0), products.size());
            family = m_Families.at(familyIndex).toString();
        }
    } else {
        product = readIndex(entry, products.size());
    }
    const QJsonArray fields = products.at(product).toArray();
    const QString name = fields.at(0).toString();
    double first = 0.0, second = 0.0;
    const bool valid = product >= 0 && !name.isEmpty() && readFigure(fields.at(1), first) &&
                       (!cpu || readFigure(fields.at(2), second));
    if (!valid) {
        qDebug() << "[OrvoCheckLib] Figures ignored:" << component << list << "entry" << index
                 << "names no product with figures";
        return;
    }
    reason.family = family;
    reason.figuresDate = m_Date;
    if (!cpu) {
        if (m_GpuBar.single <= 0.0) return;  // no bar to hold it against
        reason.figures.append(RankFigure{QStringLiteral("g3d"), m_GpuBenchmark, first,
                                         m_GpuBar.single, m_GpuBar.reference, name});
        return;
    }
    for (const Bar& bar : m_CpuBars) {
        reason.figures.append(RankFigure{QStringLiteral("single-thread"), m_SingleBenchmark, first,
                                         bar.single, bar.reference, name});
        reason.figures.append(RankFigure{QStringLiteral("multi-thread"), m_MultiBenchmark, second,
                                         bar.multi, bar.reference, name});
    }
}

RankFigure ComparisonFigures::memoryFigure(double value, double required) const {
    const QString reference =
        m_MemoryBar.reference.isEmpty() ? gigabytes(required) : m_MemoryBar.reference;
    return RankFigure{QStringLiteral("memory-gb"), QString(), value, required, reference, QString()};
}
