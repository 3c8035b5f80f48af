#pragma once

#include <QString>
#include <QStringList>

// The language the program speaks to the user: the window's texts and the
// console report's table. English is the source language and needs no
// translation; the diagnostic log, the analytics records and the report's
// JSON stay English whatever is chosen.

// The languages shipped as translations, as codes ("de", "pt_BR", "zh_TW"...),
// in alphabetical order.
QStringList shippedLanguages();

// The shipped language that serves a language tag ("de-AT", "de_DE",
// "zh-Hant-HK", "pt"), "en" for English, or empty when none does.
QString shippedLanguageFor(const QString& tag);

// Chooses the language and installs its translations, the program's own and
// the toolkit's (qtbase_<code> from the toolkit's translations folder, where
// present), into the application, replacing any installed before. The
// request (the report's --language) outranks ORVOCHECK_LANGUAGE, which
// outranks the system's UI languages, taken in order; a request without a
// translation gives English. Writes one debug line naming the language and
// returns its code, "en" for English. Needs the application object; call it
// on the main thread before the window or the report is made.
QString installTranslations(const QString& request = QString());

// The code installTranslations() chose last, "en" before any. Written at
// start-up on the main thread before other threads start; read anywhere after.
QString installedLanguage();
