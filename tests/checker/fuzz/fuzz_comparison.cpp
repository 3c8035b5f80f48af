// Feeds arbitrary bytes through reading, validating and ranking a
// comparison file, as a downloaded file would be, and the same document with
// unrelated content added: the ranks and figures must not change.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
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

QString evaluate(const QByteArray& bytes) {
    {
        QFile file(inputPath());
        if (!file.open(QIODevice::WriteOnly)) return QString();
        file.write(bytes);
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
    return checkOutcome(engine, evaluated);
}

// The same document, unchanged in meaning: an unrelated member (with
// escaped and raw non-ASCII characters and deep nesting) first in its
// top-level object, and every "GPU" spelt with an escape.
QByteArray withUnrelatedMember(const QByteArray& bytes) {
    int at = 0;
    while (at < bytes.size() && QByteArrayLiteral(" \t\r\n").contains(bytes.at(at))) ++at;
    if (at >= bytes.size() || bytes.at(at) != '{') return QByteArray();
    const QJsonDocument parsed = QJsonDocument::fromJson(bytes);
    if (!parsed.isObject()) return QByteArray();
    QByteArray member(R"("unrelated \u00e9\ud83d\ude00 \u0047PU": [[[[{"G\u0050U": ")"
                      "\xc3\xa9" R"("}]]]])");
    if (!parsed.object().isEmpty()) member += ',';
    return bytes.left(at + 1) + member + bytes.mid(at + 1);
}

int check(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const QString plain = evaluate(bytes);
    const QByteArray unrelated = withUnrelatedMember(bytes);
    if (!unrelated.isEmpty() && evaluate(unrelated) != plain) __builtin_trap();
    QByteArray escaped = bytes;
    escaped.replace(QByteArrayLiteral("\"GPU\""), QByteArrayLiteral("\"G\\u0050U\""));
    if (escaped != bytes && evaluate(escaped) != plain) __builtin_trap();
    return 0;
}

}  // namespace

// Qt creates some state of its own on first use (thread data, the temporary
// folder); doing that here keeps it out of the per-input leak check.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(dropMessages);
    evaluate(toJsonBytes(validComparison()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return check(data, size);
}
