// One check's comparison: reading, parsing, validating and ranking a
// comparison file against a machine whose processor and three adapters are on
// no list, so every list is walked to its end. Two files: a large made-up one
// (5,000 processor names, 2,000 adapter pairs) and the one that ships with the
// program (ORVO_BENCH_COMP names another). Target: under 2 ms per check.
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

QByteArray largeComparison(int cpuNames, int gpuPairs) {
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
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
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

void compareLargeFile(benchmark::State& state, Step step) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("comp.json"));
    const QByteArray bytes = largeComparison(5000, 2000);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the comparison file");
        return;
    }
    file.close();
    compareFile(state, path, step);
}

void BM_CompareShippedFile(benchmark::State& state) {
    const QByteArray env = qgetenv("ORVO_BENCH_COMP");
    const QString path =
        env.isEmpty() ? QStringLiteral(ORVO_COMP_DEFAULT) : QString::fromLocal8Bit(env);
    if (!QFile::exists(path)) {
        state.SkipWithError("the comparison file does not exist");
        return;
    }
    compareFile(state, path, Step::Whole);
}
BENCHMARK(BM_CompareShippedFile)->Unit(benchmark::kMicrosecond);

// The whole step is the figure that counts; the parts show where it goes.
void BM_CompareLargeFile(benchmark::State& state) { compareLargeFile(state, Step::Whole); }
void BM_ReadLargeFile(benchmark::State& state) { compareLargeFile(state, Step::ReadOnly); }
void BM_EvaluateLargeFile(benchmark::State& state) { compareLargeFile(state, Step::EvaluateOnly); }
BENCHMARK(BM_CompareLargeFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadLargeFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EvaluateLargeFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
