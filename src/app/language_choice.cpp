#include "app/language_choice.h"

#include "app/console_host.h"
#include "core/console_language.h"

#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <QToolButton>

namespace zn {

LanguageChoice::LanguageChoice(ConsoleHost& host, const PlatformServices& platform, const QString& current)
    : host_(host), platform_(platform), current_(current) {
    button_ = new QToolButton(&host.HostWindow());
    button_->setObjectName(QStringLiteral("bLanguage"));
    button_->setText(tr("Sprache"));
    button_->setToolTip(tr("Die Sprache der Konsole wählen; sie gilt ab dem nächsten Start"));
    button_->setAutoRaise(true);
    // The console keeps the keyboard: its next key may be a stop.
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setPopupMode(QToolButton::InstantPopup);
    // No arrow: the status bar's end has room for the word alone.
    button_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
    menu_ = new QMenu(button_);
    menu_->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu_);
    for (const ConsoleLanguage& language : kConsoleLanguages) {
        const QString code = QString::fromLatin1(language.code);
        QAction* entry = menu_->addAction(QString::fromUtf8(language.name));
        entry->setObjectName(QStringLiteral("Language_") + code);
        entry->setCheckable(true);
        entry->setChecked(code == current_);
        entry->setActionGroup(group);
        QObject::connect(entry, &QAction::triggered, menu_, [this, code] { Choose(code); });
    }
    button_->setMenu(menu_);
    host.AddToStatusBar(button_);
}

LanguageChoice::~LanguageChoice() {
    delete button_;
}

QToolButton* LanguageChoice::Button() const {
    return button_;
}

QMenu* LanguageChoice::Menu() const {
    return menu_;
}

void LanguageChoice::Choose(const QString& code) {
    if (!IsConsoleLanguage(code)) return;
    if (platform_.settings) {
        if (auto store = platform_.settings()) WriteChosenLanguage(*store, code);
    }
    QString name = code;
    for (const ConsoleLanguage& language : kConsoleLanguages)
        if (code == QLatin1String(language.code)) name = QString::fromUtf8(language.name);
    host_.SetMessage(code == current_ ? tr(" Die Konsole spricht %1.").arg(name)
                                      : tr(" %1 gilt ab dem nächsten Start des Programms.").arg(name));
}

} // namespace zn
