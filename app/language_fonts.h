#pragma once

#include <QString>

// Names the system's font for a language whose letters the embedded
// typeface lacks (Chinese, Japanese, Korean) as the first substitute of the
// window's typeface, replacing any named before; other languages need none.
// Needs the application object and registerFontAliases() done.
void useSystemFontsFor(const QString& language);
