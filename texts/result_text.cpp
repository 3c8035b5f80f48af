#include "result_text.h"

#include <QCoreApplication>

namespace {

struct ResultText {
    Q_DECLARE_TR_FUNCTIONS(ResultText)
};

}  // namespace

QString rowTitle(const QString& row) {
    //: Row label: the graphics card.
    if (row == QLatin1String("gpu")) return ResultText::tr("Graphics");
    if (row == QLatin1String("cpu")) return ResultText::tr("Processor");
    //: Row label: the memory (RAM).
    if (row == QLatin1String("memory")) return ResultText::tr("Memory");
    //: Row label: the operating system.
    return ResultText::tr("OS");
}

QString rowDetail(const QString& row, const QString& value) {
    if (row == QLatin1String("gpu"))
        return ResultText::tr("This graphics card may not work well with Orvo.");
    if (row == QLatin1String("cpu"))
        return ResultText::tr("This processor may not be powerful enough to run Orvo.");
    if (row == QLatin1String("memory"))
        //: %1 is the recommended amount, "4GB or more".
        return ResultText::tr("%1 memory is recommended.").arg(ResultText::tr("4GB or more"));
    if (!value.isEmpty() && !value.startsWith(QLatin1String("Windows"))) return QString();
    //: %1 is the required system, "Windows 7 SP1, Windows 8.1 or newer (64-bit)".
    return ResultText::tr("%1 is required.")
        .arg(ResultText::tr("Windows 7 SP1, Windows 8.1 or newer (64-bit)"));
}

QString verdictText(const QString& rank, const QString& readyLink) {
    if (rank == QLatin1String("RANK_GOOD"))
        return ResultText::tr(
            "Your system meets the minimum recommended requirements and should be able to run "
            "Orvo. For a more in-depth scan of your computer's readiness for VR, run the SteamVR "
            "Performance Test.");
    if (rank == QLatin1String("RANK_BAD"))
        //: %1 is the link "Orvo Ready", the name of the ready-PC website; it stays as it is.
        return ResultText::tr(
                   "This computer doesn't meet Orvo's recommended minimum specifications. To "
                   "upgrade to a fully-compatible computer system, browse the %1 website.")
            .arg(readyLink);
    if (rank == QLatin1String("RANK_UNKNOWN"))
        return ResultText::tr(
            "Some of this computer's components may not work well with Orvo. For more detailed "
            "information about your computer's readiness for Orvo, run the SteamVR Performance "
            "Test.");
    return QString();
}
