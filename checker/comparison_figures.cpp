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

// A name's words for matching: lower case, trade marks and punctuation gone,
// and without the makers' names, which drivers write and products do not
// ("NVIDIA GeForce RTX 3060 Laptop GPU", "AMD Radeon(TM) 780M").
QStringList wordsOf(const QString& name) {
    QString plain = name.toLower();
    for (const char* mark : {"(r)", "(tm)"}) plain.replace(QLatin1String(mark), QLatin1String(" "));
    for (QChar& c : plain)
        if (!c.isLetterOrNumber()) c = QLatin1Char(' ');
    QStringList words;
    for (const QString& word : plain.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (word != QLatin1String("nvidia") && word != QLatin1String("amd") &&
            word != QLatin1String("ati") && word != QLatin1String("intel"))
            words << word;
    return words;
}

bool containsWords(const QStringList& words, const QStringList& part) {
    if (part.isEmpty()) return false;
    for (int at = 0; at + part.size() <= words.size(); ++at)
        if (words.mid(at, part.size()) == part) return true;
    return false;
}

}  // namespace

ComparisonFigures::ComparisonFigures(const QJsonObject& figures) {
    if (figures.isEmpty()) return;
    const QJsonObject benchmarks = figures.value(QLatin1String("Benchmarks")).toObject();
    m_Date = text(figures, "Date");
    m_SingleBenchmark = text(benchmarks, "CPU single");
    m_MultiBenchmark = text(benchmarks, "CPU multi");
    m_GpuBenchmark = text(benchmarks, "GPU");

    const QJsonObject bars = figures.value(QLatin1String("Bars")).toObject();
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
    m_MemoryBar.reference = text(bars.value(QLatin1String("Memory")).toObject(), "reference");

    for (const QJsonValue& family : figures.value(QLatin1String("Families")).toArray())
        m_Families << family.toString();
    m_Cpu = figures.value(QLatin1String("CPU")).toObject();
    m_Gpu = figures.value(QLatin1String("GPU")).toObject();
    for (const bool cpu : {true, false}) {
        const QJsonObject& component = cpu ? m_Cpu : m_Gpu;
        QList<Product>& products = cpu ? m_CpuProducts : m_GpuProducts;
        for (const QJsonValue& value : component.value(QLatin1String("Products")).toArray()) {
            const QJsonArray fields = value.toArray();
            Product product{fields.at(0).toString(), 0.0, 0.0};
            // A product without a figure is still named: it names the user's part.
            readFigure(fields.at(1), product.first);
            if (cpu) readFigure(fields.at(2), product.second);
            if (product.name.isEmpty())
                qDebug() << "[OrvoCheckLib] Figures: a product without a name:" << products.size();
            products.append(product);
        }
    }
    m_Present = true;
}

const QList<ComparisonFigures::Product>& ComparisonFigures::products(const char* component) const {
    return qstrcmp(component, "CPU") == 0 ? m_CpuProducts : m_GpuProducts;
}

ComparisonFigures::Entry ComparisonFigures::entry(const char* component, const QString& list,
                                                  int index, int listSize) const {
    Entry found;
    if (!m_Present || index < 0) return found;
    const QJsonValue listValue =
        (qstrcmp(component, "CPU") == 0 ? m_Cpu : m_Gpu).value(list);
    if (listValue.isUndefined()) return found;  // nothing explains this list
    const QJsonArray entries = listValue.toArray();
    if (!listValue.isArray() || entries.size() != listSize) {
        qDebug() << "[OrvoCheckLib] Figures ignored:" << component << list << "holds"
                 << entries.size() << "entries for" << listSize;
        return found;
    }
    const QJsonValue value = entries.at(index);
    if (value.isNull()) return found;  // no figure stands behind the entry
    const int productCount = products(component).size();
    const QJsonArray fields = value.toArray();
    bool valid = true;
    if (value.isDouble()) {
        found.products << readIndex(value, productCount);
    } else if (fields.size() == 2 && !fields.at(0).isArray()) {
        found.witness = readIndex(fields.at(0), productCount);
        found.family = readIndex(fields.at(1), m_Families.size());
        valid = found.witness >= 0 && found.family >= 0;
    } else if ((fields.size() == 1 || fields.size() == 3) && fields.at(0).isArray()) {
        for (const QJsonValue& product : fields.at(0).toArray())
            found.products << readIndex(product, productCount);
        if (fields.size() == 3) {
            found.family = readIndex(fields.at(1), m_Families.size());
            found.witness = readIndex(fields.at(2), productCount);
            valid = found.witness >= 0 && found.family >= 0;
        } else {
            valid = found.products.size() >= 2;
        }
    } else {
        valid = false;
    }
    if (!valid || found.products.contains(-1)) {
        qDebug() << "[OrvoCheckLib] Figures ignored:" << component << list << "entry" << index
                 << "is no product, products or family";
        return Entry();
    }
    return found;
}

QList<int> ComparisonFigures::productsNamedBy(const char* component, const QList<int>& candidates,
                                              const QString& adapterName) const {
    const QStringList words = wordsOf(adapterName);
    QList<int> named;
    int longest = 0;
    for (const int product : candidates) {
        const QStringList part = wordsOf(products(component).at(product).name);
        if (part.size() < longest || !containsWords(words, part)) continue;
        if (part.size() > longest) named.clear();
        longest = part.size();
        named << product;
    }
    if (named.size() != 1) {
        if (candidates.size() > 1)
            qDebug() << "[OrvoCheckLib] Figures:" << adapterName << "names" << named.size()
                     << "of" << candidates.size() << "products; all are shown";
        return candidates;
    }
    return named;
}

bool ComparisonFigures::namesAnyOf(const char* component, const QList<int>& candidates,
                                   const QString& name) const {
    const QStringList words = wordsOf(name);
    for (const int product : candidates)
        if (containsWords(words, wordsOf(products(component).at(product).name))) return true;
    return false;
}

QStringList ComparisonFigures::productNames(const char* component,
                                            const QList<int>& candidates) const {
    QStringList names;
    for (const int product : candidates) {
        const QString name = products(component).at(product).name;
        if (!name.isEmpty() && !names.contains(name)) names << name;
    }
    return names;
}

QList<RankFigure> ComparisonFigures::figuresOf(bool cpu, const Product& product) const {
    QList<RankFigure> figures;
    if (product.name.isEmpty()) return figures;
    if (!cpu) {
        // Without a bar there is nothing to hold the figure against.
        if (m_GpuBar.single > 0.0 && product.first > 0.0)
            figures << RankFigure{QStringLiteral("g3d"), m_GpuBenchmark, product.first,
                                  m_GpuBar.single, m_GpuBar.reference, product.name};
        return figures;
    }
    // A processor's figures go in pairs, single thread then multi thread,
    // one pair per bar: a product short of either shows none.
    if (!(product.first > 0.0 && product.second > 0.0)) return figures;
    for (const Bar& bar : m_CpuBars) {
        figures << RankFigure{QStringLiteral("single-thread"), m_SingleBenchmark, product.first,
                              bar.single, bar.reference, product.name};
        figures << RankFigure{QStringLiteral("multi-thread"), m_MultiBenchmark, product.second,
                              bar.multi, bar.reference, product.name};
    }
    return figures;
}

void ComparisonFigures::explain(const char* component, const Entry& entry,
                                const QList<int>& candidates, RankReason& reason) const {
    const bool cpu = qstrcmp(component, "CPU") == 0;
    for (const int product : candidates)
        reason.figures += figuresOf(cpu, products(component).at(product));
    if (entry.family >= 0) {
        reason.family = m_Families.at(entry.family);
        reason.witness = figuresOf(cpu, products(component).at(entry.witness));
    }
    if (!reason.figures.isEmpty() || !reason.witness.isEmpty()) reason.figuresDate = m_Date;
}

RankFigure ComparisonFigures::memoryFigure(double value, double required) const {
    const QString reference =
        m_MemoryBar.reference.isEmpty() ? gigabytes(required) : m_MemoryBar.reference;
    return RankFigure{QStringLiteral("memory-gb"), QString(), value, required, reference, QString()};
}
