#pragma once

#include <QString>

// Result of comparing one component. Outside the engine a rank travels only
// as its text, which is exactly the enumerator's name.
enum Rank { RANK_GOOD = 0, RANK_BAD = 1, RANK_UNKNOWN = 2, RANK_UNCHECKED = 3 };

QString rankText(Rank rank);
