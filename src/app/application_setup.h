#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace zn {

// What the program entry sets on the application before the first window:
// the organisation that names the settings folder. No display name is set, so
// the window system shows each caption exactly as the console writes it.
void ConfigureApplication();

// The language the console speaks from this start on: the operator's choice
// in `store` (none: no settings), else the system's language when the console speaks it,
// else German (core/console_language.h).
QString StartupLanguage(QSettings* store);

// Makes the console speak `language` ("de", "en", "cs", "pl"): numbers and
// dates in its format (the default locale), Qt's own texts (the file, print
// and font dialogs, their buttons, Qt's error texts) from Qt's "qtbase"
// translation in `qtFolder` (empty: Qt's translations folder, else Debian's),
// and the console's own texts from "zeitnahme_<language>.qm" in the first of
// `dataFolders` holding it. Called again, it replaces the earlier
// translations. False when a translation was missing: those texts stay in
// the source language (German for the console's, English for Qt's) and the
// console runs all the same; the log says which file was missing. German
// needs no file of the console's, English none of Qt's.
bool InstallTranslations(const QString& language, const QStringList& dataFolders,
                         const QString& qtFolder = QString());

} // namespace zn
