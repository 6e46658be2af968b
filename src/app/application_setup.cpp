#include "app/application_setup.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>
#include <memory>

namespace zn {

Q_LOGGING_CATEGORY(lcLanguage, "zn.app.language", QtInfoMsg)

namespace {

// Where Debian's qt6-translations-l10n puts the files when Qt's own path is
// empty or holds none (a Qt built elsewhere).
const QString kDebianTranslations = QStringLiteral("/usr/share/qt6/translations");

// The application owns the one translator; it is found again by this name.
const QString kTranslatorName = QStringLiteral("zn-qt-translation");

void RemoveEarlierTranslation(QCoreApplication* app) {
    for (auto* old : app->findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
}

} // namespace

void ConfigureApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Kronvik"));
}

bool InstallQtTranslations(const QString& language, const QString& folder) {
    const QLocale locale(language);
    QLocale::setDefault(locale);
    auto* app = QCoreApplication::instance();
    if (!app) return false;
    RemoveEarlierTranslation(app);
    if (locale.language() == QLocale::English) return true;

    QStringList folders;
    if (!folder.isEmpty()) {
        folders << folder;
    } else {
        folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath) << kDebianTranslations;
    }
    auto translator = std::make_unique<QTranslator>(app);
    translator->setObjectName(kTranslatorName);
    for (const QString& dir : folders) {
        if (dir.isEmpty() || !translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), dir))
            continue;
        QCoreApplication::installTranslator(translator.release());
        return true;
    }
    qCInfo(lcLanguage) << "no qtbase translation for" << language << "in" << folders.join(u',')
                       << "- Qt's dialogs stay English";
    return false;
}

} // namespace zn
