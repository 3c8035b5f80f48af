#include "exit_code.h"

int exitCodeForOverall(const QString& overallRankText) {
    if (overallRankText == QLatin1String("RANK_GOOD")) return kExitGood;
    if (overallRankText == QLatin1String("RANK_BAD")) return kExitBad;
    if (overallRankText == QLatin1String("RANK_UNKNOWN")) return kExitUnknown;
    // RANK_UNCHECKED, or anything the engine should never give.
    return kExitNoComparison;
}
