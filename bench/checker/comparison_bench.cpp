// One check's comparison: reading, parsing, validating and ranking a
// comparison file against a machine whose processor and three adapters are on
// no list, so every list is walked to its end. Three files: a large made-up one
// (5,000 processor names, 2,000 adapter pairs), the same with the figures
// behind every entry, and the one that ships with the program
// (ORVO_BENCH_COMP names another). The whole file, figures included, goes
// through the toolkit's JSON parser once: up to about 10 ms per check on the
// shipped file is acceptable.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "orvochecklib.h"

namespace {

class BenchEngine : public OrvoCheckLib {
public:
    using OrvoCheckLib::compareWithFile;
    using OrvoCheckLib::evaluateRanks;
    using OrvoCheckLib::readJsonFile;

    BenchEngine() {
        m_OSName = QStringLiteral("Windows 10 Pro");
        m_Is64Bit = true;
        m_CPUName = QStringLiteral("Processor on no list");
        m_MemorySize = 32.0;
        for (int i = 0; i < 3; ++i) {
            GpuInfo adapter;
            adapter.name = QStringLiteral("Adapter %1").arg(i);
            adapter.vendorId = QStringLiteral("ABCD");
            adapter.pciDeviceId = QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0'));
            // With a revision, so that the revision lists are walked as well.
            adapter.pnpDeviceId = QStringLiteral("PCI\\VEN_ABCD&DEV_%1&SUBSYS_00000000&REV_00")
                                      .arg(adapter.pciDeviceId);
            m_GPUs.append(adapter);
            m_GPUNames.append(adapter.name);
        }
    }
};

// Figures of the agreed shape for every entry of the lists: one product per
// name, every fifth ranked by a family rule, as the generator writes them.
QJsonObject figuresFor(const QJsonArray& cpuGood, const QJsonArray& cpuBad,
                       const QJsonArray& gpuGood, const QJsonArray& gpuBad) {
    QJsonArray cpuProducts, gpuProducts;
    const auto explain = [](const QJsonArray& list, QJsonArray& products, bool cpu) {
        QJsonArray entries;
        for (int i = 0; i < list.size(); ++i) {
            const int p = products.size();
            products.append(cpu ? QJsonArray{QStringLiteral("Processor %1").arg(p), 1000 + p, 3000 + p}
                                : QJsonArray{QStringLiteral("Adapter %1").arg(p), 2000 + p});
            entries.append(i % 5 ? QJsonValue(p)
                                 : QJsonValue(QJsonArray{QJsonArray{p}, i % 40, p}));
        }
        return entries;
    };
    const QJsonArray cpuGoodFigures = explain(cpuGood, cpuProducts, true);
    const QJsonArray cpuBadFigures = explain(cpuBad, cpuProducts, true);
    const QJsonArray gpuGoodFigures = explain(gpuGood, gpuProducts, false);
    const QJsonArray gpuBadFigures = explain(gpuBad, gpuProducts, false);
    QJsonArray families;
    for (int i = 0; i < 40; ++i) families.append(QStringLiteral("Family %1").arg(i));
    return QJsonObject{
        {QStringLiteral("Date"), QStringLiteral("2026-08-22")},
        {QStringLiteral("Bars"),
         QJsonObject{{QStringLiteral("GPU"), QJsonObject{{QStringLiteral("reference"),
                                                         QStringLiteral("GTX 970 / R9 290")},
                                                        {QStringLiteral("value"), 7325}}}}},
        {QStringLiteral("Families"), families},
        {QStringLiteral("CPU"), QJsonObject{{QStringLiteral("Products"), cpuProducts},
                                            {QStringLiteral("Good list"), cpuGoodFigures},
                                            {QStringLiteral("Bad list"), cpuBadFigures}}},
        {QStringLiteral("GPU"), QJsonObject{{QStringLiteral("Products"), gpuProducts},
                                            {QStringLiteral("Good list"), gpuGoodFigures},
                                            {QStringLiteral("Bad list"), gpuBadFigures}}},
    };
}

QByteArray largeComparison(int cpuNames, int gpuPairs, bool withFigures) {
    QJsonArray cpuGood;
    QJsonArray cpuBad;
    for (int i = 0; i < cpuNames; ++i)
        (i % 2 ? cpuBad : cpuGood)
            .append(QStringLiteral("Intel(R) Core(TM) i%1-%2K CPU @ 3.%3GHz")
                        .arg(3 + i % 7)
                        .arg(1000 + i)
                        .arg(i % 10));
    QJsonArray gpuGood;
    QJsonArray gpuBad;
    for (int i = 0; i < gpuPairs; ++i)
        (i % 2 ? gpuBad : gpuGood)
            .append(QJsonArray{i % 3 ? QStringLiteral("10DE") : QStringLiteral("1002"),
                               QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0')).toUpper()});
    const QJsonObject root{
        {QStringLiteral("Version"), QStringLiteral("bench-1")},
        {QStringLiteral("OS"),
         QJsonObject{{QStringLiteral("Good list"), QJsonArray{"Windows 10 Home", "Windows 11"}},
                     {QStringLiteral("Bad list"), QJsonArray{"Windows 7", "Windows 8.1"}}}},
        {QStringLiteral("CPU"),
         QJsonObject{{QStringLiteral("Good list"), cpuGood}, {QStringLiteral("Bad list"), cpuBad}}},
        {QStringLiteral("GPU"),
         QJsonObject{{QStringLiteral("Good list"), gpuGood}, {QStringLiteral("Bad list"), gpuBad}}},
        {QStringLiteral("Memory"), QJsonObject{{QStringLiteral("Good min"), 8}}},
    };
    QByteArray text = QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (!withFigures) return text;
    // Last, as the generator places it.
    const QByteArray figures = QJsonDocument(figuresFor(cpuGood, cpuBad, gpuGood, gpuBad))
                                   .toJson(QJsonDocument::Compact);
    text.truncate(text.lastIndexOf('}'));
    return text + ",\n    \"Figures\": " + figures + "\n}\n";
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

enum class Step { Whole, ReadOnly, EvaluateOnly };

void compareFile(benchmark::State& state, const QString& path, Step step) {
    qInstallMessageHandler(quiet);
    BenchEngine engine;
    if (step == Step::EvaluateOnly && !engine.readJsonFile(path)) {
        state.SkipWithError("the comparison file was not read");
        return;
    }
    for (auto _ : state) {
        const bool evaluated = step == Step::Whole      ? engine.compareWithFile(path)
                               : step == Step::ReadOnly ? engine.readJsonFile(path)
                                                        : engine.evaluateRanks();
        benchmark::DoNotOptimize(evaluated);
        if (!evaluated) {
            state.SkipWithError("the comparison file was rejected");
            break;
        }
    }
    if (step != Step::ReadOnly && (engine.getCPURank() != QLatin1String("RANK_UNKNOWN") ||
                                   engine.getRepGPURank() != QLatin1String("RANK_UNKNOWN")))
        state.SkipWithError("unexpected ranks: the lists were not walked to their end");
    state.counters["file_bytes"] = double(QFile(path).size());
    qInstallMessageHandler(nullptr);
}

void compareLargeFile(benchmark::State& state, Step step, bool withFigures = false) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("comp.json"));
    const QByteArray bytes = largeComparison(5000, 2000, withFigures);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the comparison file");
        return;
    }
    file.close();
    compareFile(state, path, step);
}

void compareShippedFile(benchmark::State& state, Step step) {
    const QByteArray env = qgetenv("ORVO_BENCH_COMP");
    const QString path =
        env.isEmpty() ? QStringLiteral(ORVO_COMP_DEFAULT) : QString::fromLocal8Bit(env);
    if (!QFile::exists(path)) {
        state.SkipWithError("the comparison file does not exist");
        return;
    }
    compareFile(state, path, step);
}
// The whole check, and its two parts: reading with the one parse of the
// whole file (figures included), and ranking with the figures looked up.
void BM_CompareShippedFile(benchmark::State& state) { compareShippedFile(state, Step::Whole); }
void BM_ReadShippedFile(benchmark::State& state) { compareShippedFile(state, Step::ReadOnly); }
void BM_EvaluateShippedFile(benchmark::State& state) {
    compareShippedFile(state, Step::EvaluateOnly);
}
BENCHMARK(BM_CompareShippedFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadShippedFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EvaluateShippedFile)->Unit(benchmark::kMicrosecond);

// The whole step is the figure that counts; the parts show where it goes.
void BM_CompareLargeFile(benchmark::State& state) { compareLargeFile(state, Step::Whole); }
void BM_ReadLargeFile(benchmark::State& state) { compareLargeFile(state, Step::ReadOnly); }
void BM_EvaluateLargeFile(benchmark::State& state) { compareLargeFile(state, Step::EvaluateOnly); }
BENCHMARK(BM_CompareLargeFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadLargeFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EvaluateLargeFile)->Unit(benchmark::kMicrosecond);

// The same file with the figures behind every entry (about twice the bytes).
void BM_CompareLargeFileWithFigures(benchmark::State& state) {
    compareLargeFile(state, Step::Whole, true);
}
BENCHMARK(BM_CompareLargeFileWithFigures)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
