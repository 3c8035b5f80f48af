// Feeds arbitrary bytes through reading, validating and ranking a
// comparison file, as a downloaded file would be.
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "checker_test_support.h"

namespace {

void dropMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

const QString& inputPath() {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("comp.json"));
    return path;
}

int evaluate(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(inputPath());
        if (!file.open(QIODevice::WriteOnly)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    TestEngine engine;
    engine.setMachine(QString::fromUtf8(fixture::kGoodOS), true,
                      QString::fromUtf8(fixture::kGoodCPU), 8.0,
                      {fixture::kBadGPU, fixture::kGoodGPU, fixture::kUnknownGPU});
    const bool evaluated = engine.compareWithFile(inputPath());

    // Whatever the file held, the results stay within their ranges.
    const QStringList ranks = {QStringLiteral("RANK_GOOD"), QStringLiteral("RANK_BAD"),
                               QStringLiteral("RANK_UNKNOWN"), QStringLiteral("RANK_UNCHECKED")};
    const QString overall = engine.getOverallRank();
    if (!ranks.contains(overall) || !ranks.contains(engine.getRepGPURank())) __builtin_trap();
    if (evaluated == (overall == ranks.last())) __builtin_trap();
    if (evaluated && (engine.repIndex() < 0 || engine.repIndex() > 2)) __builtin_trap();
    if (evaluated && engine.getJsonVersion().isEmpty()) __builtin_trap();
    for (int i = -1; i <= 3; ++i)
        if (!ranks.contains(engine.getGPURank(i))) __builtin_trap();
    // The reasons: decided by a comparison exactly when one was made, and
    // whatever figures the file held are kept as numbers, never crash.
    for (const char* row : {"cpu", "gpu", "memory", "os"}) {
        const RankReason reason = engine.getReason(QLatin1String(row));
        if ((reason.decidedBy == DecidedBy::NotCompared) == evaluated) __builtin_trap();
        if (engine.getAdvice(QLatin1String(row)).isEmpty()) __builtin_trap();
        for (const RankFigure& figure : reason.figures)
            if (!(figure.required >= 0.0) || figure.measure.isEmpty()) __builtin_trap();
    }
    return 0;
}

}  // namespace

// Qt creates some state of its own on first use (thread data, the temporary
// folder); doing that here keeps it out of the per-input leak check.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(dropMessages);
    const QByteArray warmUp = toJsonBytes(validComparison());
    evaluate(reinterpret_cast<const std::uint8_t*>(warmUp.constData()),
             static_cast<std::size_t>(warmUp.size()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return evaluate(data, size);
}
