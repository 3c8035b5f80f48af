#include "comparison_figures.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
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

ComparisonFigures::ComparisonFigures(const QByteArray& member) : m_Text(member) {
    if (m_Text.isEmpty()) return;
    // Three levels: the member, "CPU"/"GPU" and their lists.
    if (!m_Scan.scan(m_Text, 0, m_Text.size(), 3) || m_Text.at(0) != '{') {
        qDebug() << "[OrvoCheckLib] Figures ignored: not an object";
        m_WellFormed = m_Text.at(0) != '{' && m_Scan.scan(m_Text, 0, m_Text.size(), 0);
        return;
    }
    m_WellFormed = true;
    const QHash<QByteArray, JsonSpan> figures = m_Scan.members({0, m_Text.size()});
    const QJsonObject benchmarks = parsed(figures.value("Benchmarks")).toObject();
    m_Date = parsed(figures.value("Date")).toString();
    m_SingleBenchmark = text(benchmarks, "CPU single");
    m_MultiBenchmark = text(benchmarks, "CPU multi");
    m_GpuBenchmark = text(benchmarks, "GPU");

    const QJsonObject bars = parsed(figures.value("Bars")).toObject();
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

    m_Families = parsed(figures.value("Families")).toArray();
    m_Cpu = m_Scan.members(figures.value("CPU"));
    m_Gpu = m_Scan.members(figures.value("GPU"));
    m_CpuProducts = m_Scan.elements(m_Cpu.value("Products"));
    m_GpuProducts = m_Scan.elements(m_Gpu.value("Products"));
    m_Present = true;
}

QJsonValue ComparisonFigures::parsed(JsonSpan span) const {
    if (span.isNull()) return QJsonValue(QJsonValue::Undefined);
    QByteArray wrapped;
    wrapped.reserve(span.end - span.begin + 2);
    wrapped.append('[').append(m_Text.constData() + span.begin, span.end - span.begin).append(']');
    return QJsonDocument::fromJson(wrapped).array().at(0);
}

void ComparisonFigures::explain(const char* component, const QString& list, int index,
                                int listSize, RankReason& reason) const {
    if (!m_Present || index < 0) return;
    const bool cpu = qstrcmp(component, "CPU") == 0;
    const JsonSpan listSpan = (cpu ? m_Cpu : m_Gpu).value(list.toUtf8());
    if (listSpan.isNull()) return;  // nothing explains this list
    const QVector<JsonSpan> entries = m_Scan.elements(listSpan);
    if (!isArray(listSpan) || entries.size() != listSize) {
        qDebug() << "[OrvoCheckLib] Figures ignored:" << component << list << "holds"
                 << entries.size() << "entries for" << listSize;
        return;
    }
    const QJsonValue entry = parsed(entries.at(index));
    if (entry.isNull()) return;  // no figure stands behind the entry
    const QVector<JsonSpan>& products = cpu ? m_CpuProducts : m_GpuProducts;
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
    const QJsonArray fields =
        product >= 0 ? parsed(products.at(product)).toArray() : QJsonArray();
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

QByteArray cutFiguresMember(QByteArray& document) {
    static const QByteArray key = QByteArrayLiteral("\"Figures\"");
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    // The first place is the key in every file the generator writes; where it
    // is not, the rest of the document is no single value and the caller
    // falls back to parsing the whole.
    const int at = document.indexOf(key);
    if (at < 0) return QByteArray();
    int end = document.size();
    while (end > 0 && space(document.at(end - 1))) --end;
    if (end == 0 || document.at(end - 1) != '}') return QByteArray();
    int comma = at - 1;
    while (comma >= 0 && space(document.at(comma))) --comma;
    if (comma < 0 || document.at(comma) != ',') return QByteArray();
    int begin = at + key.size();
    while (begin < end && space(document.at(begin))) ++begin;
    if (begin >= end || document.at(begin) != ':') return QByteArray();
    ++begin;
    while (begin < end && space(document.at(begin))) ++begin;
    int valueEnd = end - 1;  // the document's closing brace
    while (valueEnd > begin && space(document.at(valueEnd - 1))) --valueEnd;
    if (valueEnd <= begin) return QByteArray();
    const QByteArray member = document.mid(begin, valueEnd - begin);
    QByteArray lists;
    lists.reserve(comma + 1);
    lists.append(document.constData(), comma).append('}');
    document = lists;
    return member;
}
