#pragma once

#include <QString>

namespace zn {

// What the program entry sets on the application before the first window:
// the organisation that names the settings folder. No display name is set, so
// the window system shows each caption exactly as the console writes it.
void ConfigureApplication();

// The console's language until the operator can choose one.
inline constexpr const char* kConsoleLanguage = "de";

// Qt's own texts (the file, print and font dialogs, their buttons, Qt's error
// texts) in `language` ("de", "en", "cs", "pl"), and numbers and dates in its
// format: loads Qt's "qtbase" translation from `folder` (empty: Qt's
// translations folder, else Debian's) and makes the language the default
// locale. Called again, it replaces the earlier translation. False when no
// translation was found: Qt's texts stay English, the console runs all the
// same (the log says which file was missing). English needs no file.
bool InstallQtTranslations(const QString& language, const QString& folder = QString());

} // namespace zn
