#pragma once

#include <string>
#include <string_view>

// The user's default locale name for the record envelope ("locale"), read
// anew at every call: en-US and en_US both give en_US. At most 99 bytes of
// valid UTF-8; empty when the platform names none.
std::string userLocale();

// The platform back-end: the raw locale name as the platform gives it.
std::string platformLocaleName();

// Shared by every back-end: "-" becomes "_" and the text is fitted.
std::string normalizeLocaleName(std::string_view name);
