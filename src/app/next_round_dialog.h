#pragma once

#include "core/next_round.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace zn {

// "Nächste Runde": which later stage, how many teams and in which running
// order; a tie at the cut is shown with a check box per tied team, and the
// operator ticks those that go on (or all of them).
class NextRoundDialog : public QDialog {
    Q_OBJECT
public:
    // `stage`: the stage whose qualification result gave `ranked` (place order).
    NextRoundDialog(int stage, const QList<NextRoundTeam>& ranked, QChar separator,
                    QWidget* parent = nullptr);

    int TargetStage() const;
    RunningOrder Order() const;
    // The teams that go on, in place order: those above the cut and the
    // ticked tied ones.
    QList<NextRoundTeam> Chosen() const;

    QComboBox* stageBox = nullptr;
    QSpinBox* countBox = nullptr;
    QRadioButton* bestLast = nullptr;
    QRadioButton* placeOrder = nullptr;
    QRadioButton* seededPairs = nullptr;
    QGroupBox* tieBox = nullptr;
    QLabel* tieLabel = nullptr;
    QList<QCheckBox*> tieChecks;
    QDialogButtonBox* buttons = nullptr;

private:
    // The cut anew for the count: the tie's check boxes, the first open
    // places ticked.
    void ShowCut();

    QList<NextRoundTeam> ranked_;
    QChar separator_;
    NextRoundCut cut_;
    QWidget* tieTeams_ = nullptr;
};

} // namespace zn
