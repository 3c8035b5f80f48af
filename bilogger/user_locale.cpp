#include "user_locale.h"

#include <algorithm>

#include "envelope_text.h"

std::string normalizeLocaleName(std::string_view name) {
    std::string text = fitEnvelopeText(name);
    std::replace(text.begin(), text.end(), '-', '_');
    return text;
}

std::string userLocale() { return normalizeLocaleName(platformLocaleName()); }
