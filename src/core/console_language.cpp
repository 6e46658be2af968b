#include "core/console_language.h"

#include "core/data_files.h"

#include <QLocale>
#include <QSettings>

namespace zn {

namespace {

const QString kGroup = QStringLiteral("Oberflaeche");
const QString kKey = QStringLiteral("Sprache");

} // namespace

bool IsConsoleLanguage(const QString& code) {
    for (const ConsoleLanguage& language : kConsoleLanguages)
        if (code == QLatin1String(language.code)) return true;
    return false;
}

QString ChooseConsoleLanguage(const QString& chosen, const QStringList& systemLanguages) {
    if (IsConsoleLanguage(chosen)) return chosen;
    for (const QString& ui : systemLanguages) {
        // "cs-CZ", "cs_CZ", "cs": the language is the part before the region.
        const QString code = ui.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (IsConsoleLanguage(code)) return code;
    }
    return QString::fromLatin1(kSourceLanguage);
}

QString ReadChosenLanguage(QSettings& store) {
    store.beginGroup(kGroup);
    const QString code = store.value(kKey).toString().trimmed().toLower();
    store.endGroup();
    return IsConsoleLanguage(code) ? code : QString();
}

void WriteChosenLanguage(QSettings& store, const QString& code) {
    store.beginGroup(kGroup);
    store.setValue(kKey, code);
    store.endGroup();
}

QStringList LocalisedPageNames(const QString& baseName, const QString& language) {
    const QString german = baseName + QStringLiteral(".html");
    if (language == QLatin1String(kSourceLanguage) || !IsConsoleLanguage(language)) return {german};
    QStringList names{baseName + u'_' + language + QStringLiteral(".html")};
    if (language != QLatin1String("en")) names << baseName + QStringLiteral("_en.html");
    names << german;
    return names;
}

QString FindLocalisedPage(const QString& baseName, const QString& language, const QStringList& folders) {
    for (const QString& name : LocalisedPageNames(baseName, language)) {
        const QString found = FindDataFile(name, folders);
        if (!found.isEmpty()) return found;
    }
    return QString();
}

QString CurrentConsoleLanguage() {
    return QLocale().name().section(u'_', 0, 0);
}

} // namespace zn
