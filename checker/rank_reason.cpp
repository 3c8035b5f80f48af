#include "rank_reason.h"

QString decidedByText(DecidedBy decidedBy) {
    switch (decidedBy) {
        case DecidedBy::GoodList:
            return QStringLiteral("good list");
        case DecidedBy::BadList:
            return QStringLiteral("bad list");
        case DecidedBy::GoodRevisions:
            return QStringLiteral("good revisions");
        case DecidedBy::BadRevisions:
            return QStringLiteral("bad revisions");
        case DecidedBy::Minimum:
            return QStringLiteral("minimum");
        case DecidedBy::NotListed:
            return QStringLiteral("not listed");
        case DecidedBy::NothingFound:
            return QStringLiteral("nothing found");
        case DecidedBy::NotCompared:
            break;
    }
    return QStringLiteral("not compared");
}

QString adviceFor(const QString& row, Rank rank, const RankReason& reason, ChassisKind chassis) {
    if (reason.decidedBy == DecidedBy::NotCompared) return QStringLiteral("retry-comparison");
    if (rank == RANK_GOOD) return QStringLiteral("none");
    // Whatever cannot take another graphics card or processor is told what
    // a laptop's owner is told.
    const bool laptop = chassis == ChassisKind::Laptop || chassis == ChassisKind::FixedGraphics;
    if (row == QLatin1String("gpu")) {
        if (reason.decidedBy == DecidedBy::NothingFound) return QStringLiteral("check-gpu-driver");
        if (rank == RANK_BAD)
            return laptop ? QStringLiteral("laptop-gpu-fixed") : QStringLiteral("replace-gpu");
    } else if (row == QLatin1String("cpu")) {
        if (rank == RANK_BAD)
            return laptop ? QStringLiteral("laptop-cpu-fixed") : QStringLiteral("replace-cpu");
    } else if (row == QLatin1String("memory")) {
        return QStringLiteral("add-memory");
    } else if (row == QLatin1String("os")) {
        // A system other than Windows is never told to install Windows.
        return reason.listedReleases.isEmpty() ? QStringLiteral("update-os")
                                               : QStringLiteral("use-listed-os");
    }
    // Not on the lists: only a measurement on this machine can tell.
    return rank == RANK_UNKNOWN ? QStringLiteral("run-performance-test") : QStringLiteral("none");
}
