#include "rank.h"

QString rankText(Rank rank) {
    static const char* const kTexts[] = {"RANK_GOOD", "RANK_BAD", "RANK_UNKNOWN", "RANK_UNCHECKED"};
    const int index = static_cast<int>(rank);
    return QString::fromLatin1(kTexts[index >= 0 && index <= 3 ? index : 3]);
}
