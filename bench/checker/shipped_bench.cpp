// One check against the comparison file that ships with the program (or the
// file named by ORVO_BENCH_COMP): read, parse, validate and rank, for a
// processor and adapters on no list, so every list is walked to its end.
// Target: under 2 ms per check.
#include <benchmark/benchmark.h>

#include <QFile>

#include "orvochecklib.h"

namespace {

class ShippedEngine : public OrvoCheckLib {
public:
    using OrvoCheckLib::compareWithFile;

    ShippedEngine() {
        m_OSName = QStringLiteral("Windows 10 Pro");
        m_Is64Bit = true;
        m_CPUName = QStringLiteral("Processor on no list");
        m_MemorySize = 32.0;
        for (int i = 0; i < 3; ++i) {
            GpuInfo adapter;
            adapter.name = QStringLiteral("Adapter %1").arg(i);
            adapter.vendorId = QStringLiteral("ABCD");
            adapter.pciDeviceId = QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0'));
            m_GPUs.append(adapter);
            m_GPUNames.append(adapter.name);
        }
    }
};

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

void BM_CompareShippedFile(benchmark::State& state) {
    const QByteArray env = qgetenv("ORVO_BENCH_COMP");
    const QString path =
        env.isEmpty() ? QStringLiteral(ORVO_COMP_DEFAULT) : QString::fromLocal8Bit(env);
    if (!QFile::exists(path)) {
        state.SkipWithError("the comparison file does not exist");
        return;
    }
    qInstallMessageHandler(quiet);
    ShippedEngine engine;
    for (auto _ : state) {
        const bool evaluated = engine.compareWithFile(path);
        benchmark::DoNotOptimize(evaluated);
        if (!evaluated) {
            state.SkipWithError("the comparison file was rejected");
            break;
        }
    }
    if (engine.getCPURank() != QLatin1String("RANK_UNKNOWN"))
        state.SkipWithError("unexpected rank: the processor lists were not walked to their end");
    state.counters["file_bytes"] = double(QFile(path).size());
    qInstallMessageHandler(nullptr);
}
BENCHMARK(BM_CompareShippedFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
