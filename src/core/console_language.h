#pragma once

#include <QString>
#include <QStringList>
#include <array>

class QSettings;

namespace zn {

// A language the console speaks, with its name as its speakers write it:
// the language menu shows each one so that an operator finds their own
// whatever the console speaks at the moment.
struct ConsoleLanguage {
    const char* code; // "de", "en", "cs", "pl": the files' suffix and the locale
    const char* name; // "Deutsch", "English", "Čeština", "Polski" (UTF-8)
};

// German first: the texts' source language and the console's default.
inline constexpr std::array<ConsoleLanguage, 4> kConsoleLanguages{
    {{"de", "Deutsch"}, {"en", "English"}, {"cs", "\u010Ce\u0161tina"}, {"pl", "Polski"}}};

inline constexpr const char* kSourceLanguage = "de";

// True for the code of a language in kConsoleLanguages.
bool IsConsoleLanguage(const QString& code);

// The language the console speaks: the one the operator chose (`chosen`,
// from the settings) when the console knows it; else the first of the
// system's UI languages (QLocale::uiLanguages(), e.g. "cs-CZ", "en-US", "en")
// the console speaks; else German.
QString ChooseConsoleLanguage(const QString& chosen, const QStringList& systemLanguages);

// The operator's choice, group "Oberflaeche", key "Sprache"; empty when none
// was made (follow the system) or the value is not a language the console
// speaks.
QString ReadChosenLanguage(QSettings& store);
void WriteChosenLanguage(QSettings& store, const QString& code);

// The help and about pages in `language`: "zeitnahme_en.html" beside
// "zeitnahme.html". German has no suffix. A language whose page is missing
// reads the English one, then the German one: the returned list is the order
// to look for. `baseName` without ".html".
QStringList LocalisedPageNames(const QString& baseName, const QString& language);

// The first of LocalisedPageNames found in `folders` (core/data_files.h);
// empty when none is.
QString FindLocalisedPage(const QString& baseName, const QString& language, const QStringList& folders);

// The language the console speaks now: that of the default locale, which
// the start sets to the console's language.
QString CurrentConsoleLanguage();

} // namespace zn
