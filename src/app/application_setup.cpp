#include "app/application_setup.h"

#include "core/console_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace zn {

Q_LOGGING_CATEGORY(lcLanguage, "zn.app.language", QtInfoMsg)

namespace {

// Where Debian's qt6-translations-l10n puts the files when Qt's own path is
// empty or holds none (a Qt built elsewhere).
const QString kDebianTranslations = QStringLiteral("/usr/share/qt6/translations");

// The application owns the translators; they are found again by this name.
const QString kTranslatorName = QStringLiteral("zn-translation");

void RemoveEarlierTranslations(QCoreApplication* app) {
    for (auto* old : app->findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
}

// Installs `baseName`_<language>.qm from the first of `folders` holding it.
bool Install(QCoreApplication* app, const QLocale& locale, const QString& baseName,
             const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>(app);
    translator->setObjectName(kTranslatorName);
    for (const QString& dir : folders) {
        if (dir.isEmpty() || !translator->load(locale, baseName, QStringLiteral("_"), dir)) continue;
        qCInfo(lcLanguage).noquote() << "Übersetzung:" << QFileInfo(translator->filePath()).fileName() << "->"
                                     << translator->filePath();
        QCoreApplication::installTranslator(translator.release());
        return true;
    }
    qCInfo(lcLanguage) << "no" << baseName << "translation for" << locale.name() << "in"
                       << folders.join(u',');
    return false;
}

} // namespace

void ConfigureApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Kronvik"));
}

QString StartupLanguage(QSettings* store) {
    const QString chosen = store ? ReadChosenLanguage(*store) : QString();
    return ChooseConsoleLanguage(chosen, QLocale::system().uiLanguages());
}

bool InstallTranslations(const QString& language, const QStringList& dataFolders, const QString& qtFolder) {
    const QLocale locale(language);
    QLocale::setDefault(locale);
    auto* app = QCoreApplication::instance();
    if (!app) return false;
    RemoveEarlierTranslations(app);
    bool complete = true;
    if (locale.language() != QLocale::English) {
        const QStringList qtFolders =
            qtFolder.isEmpty()
                ? QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath), kDebianTranslations}
                : QStringList{qtFolder};
        complete = Install(app, locale, QStringLiteral("qtbase"), qtFolders);
    }
    if (language != QLatin1String(kSourceLanguage))
        complete = Install(app, locale, QStringLiteral("zeitnahme"), dataFolders) && complete;
    return complete;
}

} // namespace zn
