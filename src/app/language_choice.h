#pragma once

#include "app/platform.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

class QMenu;
class QToolButton;

namespace zn {

class ConsoleHost;

// "Sprache" at the right end of the status bar: a menu of the languages the
// console speaks, each named in its own language, the one it speaks now
// checked. The choice is kept in the settings and applies from the next
// start on: every window is then made in it from the beginning, and nothing
// changes under the operator's hands during a run.
class LanguageChoice {
    Q_DECLARE_TR_FUNCTIONS(LanguageChoice)

public:
    // `current`: the language the console speaks ("de", "en", "cs", "pl").
    LanguageChoice(ConsoleHost& host, const PlatformServices& platform, const QString& current);
    ~LanguageChoice();
    LanguageChoice(const LanguageChoice&) = delete;
    LanguageChoice& operator=(const LanguageChoice&) = delete;

    QToolButton* Button() const;
    QMenu* Menu() const;
    // Keeps `code` for the next start and tells the operator so.
    void Choose(const QString& code);

private:
    ConsoleHost& host_;
    PlatformServices platform_;
    QString current_;
    QPointer<QToolButton> button_;
    QPointer<QMenu> menu_;
};

} // namespace zn
