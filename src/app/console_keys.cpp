// The console's keys: the hidden menu, whose items act through their
// shortcuts; the run keys, which reach the run from every window of the
// console; the commands refused while a run is on; and brief notes in the
// status bar.
#include "app/main_window.h"

#include "core/tag.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace zn {

void TFormMain::BuildMenu() {
    const auto item = [this](const QString& name, const QString& caption, const QKeySequence& key,
                             std::function<void()> handler) {
        auto* a = new QAction(caption, this);
        a->setObjectName(name);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        if (handler) connect(a, &QAction::triggered, this, std::move(handler));
        return a;
    };
    mStart = item(QStringLiteral("mStart"), tr("Start"), Qt::Key_S, [this] { mStartClick(mStart); });
    mFStart =
        //: keyboard command: false start
        item(QStringLiteral("mFStart"), tr("Fehler"), Qt::Key_F, [this] { mFStartClick(); });
    mSTOP1 = item(QStringLiteral("mSTOP1"), tr("Stop1"), Qt::Key_1, [this] { mSTOP1Click(); });
    mStop2 = item(QStringLiteral("mStop2"), tr("Stop2"), Qt::Key_2, [this] { mStop2Click(); });
    mReset =
        item(QStringLiteral("mReset"), QStringLiteral("00:00"), Qt::Key_0, [this] { mResetClick(mReset); });
    //: keyboard command: blocks the start light barrier (LS = Lichtschranke)
    BlockLS1 = item(QStringLiteral("BlockLS1"), tr("Block LS"), QKeySequence(Qt::ALT | Qt::Key_S),
                    [this] { Led1Click(); });
    mHilfe = item(QStringLiteral("mHilfe"), tr("Hilfe"), Qt::Key_F1, [this] { bHelpClick(); });
    EinstellunGen1 =
        item(QStringLiteral("EinstellunGen1"), tr("&Einstellungen"), Qt::Key_F2, [this] { bCFGClick(); });
    Einstellungen2 = item(QStringLiteral("Einstellungen2"), tr("&Einstellungen"),
                          QKeySequence(Qt::ALT | Qt::Key_E), [this] { bCFGClick(); });
    Hilfe1 = item(QStringLiteral("Hilfe1"), tr("H&ilfe"), QKeySequence(Qt::ALT | Qt::Key_H),
                  [this] { bHelpClick(); });
    Drucker1 = item(QStringLiteral("Drucker1"), tr("&Drucker"), QKeySequence(Qt::ALT | Qt::Key_D),
                    [this] { Drucker1Click(); });
    Beenden1 = item(QStringLiteral("Beenden1"), tr("&Beenden"), QKeySequence(Qt::ALT | Qt::Key_B),
                    [this] { bExitClick(); });
    SetTag(mSTOP1, 0);
    SetTag(mStop2, 1);
    for (QAction* a : {mFStart, mSTOP1, mStop2, mReset})
        a->setEnabled(false);
    // The buttons' own accelerators would clash with these menu keys.
    bCFG->setShortcut(QKeySequence());
    bHelp->setShortcut(QKeySequence());
    bBeenden->setShortcut(QKeySequence());
    // The run keys act from every window of the console a modal one does not
    // block (the change log, the board, the preview): the window the operator
    // last looked at must never keep a stop from its lane.
    for (QAction* a : {mStart, mFStart, mSTOP1, mStop2, mReset})
        a->setShortcutContext(Qt::ApplicationShortcut);
    qApp->installEventFilter(this);
}

// A text field has the first say over a printable key: the change log's
// team filter would take "2" as typing before any shortcut is tried. While a
// run key is on, no widget of the console may claim it, so the run gets it
// exactly as in the main window. A modal window keeps every key (the run
// actions' owner is blocked then, and their shortcuts do not fire).
bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && IsRunKey(*static_cast<QKeyEvent*>(event)) &&
        !QApplication::activeModalWidget() && IsConsoleWindow(watched)) {
        event->ignore(); // not claimed: the shortcut is tried
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool TFormMain::IsRunKey(const QKeyEvent& key) const {
    // The keypad's digits are run keys too, as they are to the shortcuts.
    const QKeySequence pressed(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key())));
    for (const QAction* a : {mStart, mFStart, mSTOP1, mStop2, mReset})
        if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == pressed) return true;
    return false;
}

bool TFormMain::IsConsoleWindow(const QObject* object) const {
    // The console's other windows are children of this one.
    for (const auto* w = qobject_cast<const QWidget*>(object); w; w = w->parentWidget())
        if (w == this) return true;
    return false;
}

// From START to RESET the settings button is disabled (F2 is refused then):
// a modal window would keep 1, 2 and F from the run until it is closed.
bool TFormMain::RefuseDuringRun(const QString& command) {
    if (bCFG->isEnabled()) return false;
    //: %1 the locked command; RESET is the main button that frees the clocks
    ShowBriefNote(tr(" Während des Laufs gesperrt: %1 (nach RESET wieder frei)").arg(command));
    return true;
}

void TFormMain::ShowBriefNote(const QString& text) {
    // A note over a note keeps the text both covered.
    if (!TimerNote->isActive() || StatusPanel1->text() != note_) noteBase_ = StatusPanel1->text();
    note_ = text;
    StatusPanel1->setText(text);
    TimerNote->start();
}

void TFormMain::TimerNoteTimer() {
    TimerNote->stop();
    if (StatusPanel1->text() == note_) StatusPanel1->setText(noteBase_);
}

} // namespace zn
