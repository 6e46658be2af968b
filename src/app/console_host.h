#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

class QAction;
class QLabel;
class QStatusBar;
class QToolButton;
class QWidget;

namespace zn {

class CompetitionModel;
class ContactCounts;
struct CompetitionState;

// What the features following the competition (journal, board, live page)
// may use of the console window: its status bar, its ways of telling and
// asking the operator, and the model it shows. Their windows are the
// console's children, so the run keys pressed in them still reach the run.
class ConsoleHost {
public:
    virtual ~ConsoleHost() = default;

    virtual QWidget& HostWindow() = 0;
    virtual CompetitionModel& HostModel() = 0;
    // The lanes' contacts of the day, as the run cycle decided them.
    virtual ContactCounts& HostContactCounts() = 0;
    // A button or label at the right end of the status bar, after those
    // added before it; it moves none of the console's controls.
    virtual void AddToStatusBar(QWidget* widget) = 0;
    // A red notice at the right end of the status bar, hidden until it has a text.
    virtual QLabel* AddLastingNotice(const QString& name) = 0;
    // The status bar's message panel, and the status bar's tooltip.
    virtual void SetMessage(const QString& text) = 0;
    virtual void SetStatusBarTip(const QString& tip) = 0;
    // A message box through the modal seam: never while a lane still runs.
    virtual void TellOperator(const QString& text, bool error) = 0;
    // The yes/no question; false when there is no question box (yet).
    virtual bool AskOperator(const QString& question) = 0;
    // Shows the competition a recovery brought back, `note` in the status
    // bar; a workbook named at the start then no longer replaces it.
    virtual void ShowRestored(const CompetitionState& state, const QString& note) = 0;
    // What the start did with the last session, said again after a workbook
    // named on the command line is loaded.
    virtual void KeepSessionNote(const QString& note) = 0;
};

// How a feature is opened: a flat button at the right end of the status bar
// and a key of the console's window, both named for the tests.
struct FeatureEntry {
    QToolButton* button = nullptr;
    QAction* key = nullptr;
};

FeatureEntry AddFeatureEntry(ConsoleHost& host, const QString& buttonName, const QString& keyName,
                             const QString& text, const QString& tip, const QKeySequence& key,
                             std::function<void()> open);

} // namespace zn
