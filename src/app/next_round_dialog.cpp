#include "app/next_round_dialog.h"

#include "core/stages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace zn {

NextRoundDialog::NextRoundDialog(int stage, const QList<NextRoundTeam>& ranked, QChar separator,
                                 QWidget* parent)
    : QDialog(parent), ranked_(ranked), separator_(separator) {
    setObjectName(QStringLiteral("NextRoundDialog"));
    //: dialog title: the next stage built from this stage's results
    setWindowTitle(tr("Nächste Runde"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    stageBox = new QComboBox(this);
    stageBox->setObjectName(QStringLiteral("NextRoundStage"));
    for (int s = stage + 1; s <= kStageCount; ++s)
        stageBox->addItem(StageTitle(s), s);
    //: the stage the chosen teams go on to
    form->addRow(tr("Nächste Stufe:"), stageBox);

    countBox = new QSpinBox(this);
    countBox->setObjectName(QStringLiteral("NextRoundCount"));
    countBox->setRange(1, std::max(1, static_cast<int>(ranked.size())));
    form->addRow(tr("Anzahl Mannschaften:"), countBox);
    //: %1 how many teams of the result have a place and a time
    form->addRow(QString(), new QLabel(tr("(%1 mit Platz und Zeit)").arg(ranked.size()), this));

    auto* orderBox = new QGroupBox(tr("Reihenfolge der Läufe"), this);
    auto* orders = new QVBoxLayout(orderBox);
    bestLast = new QRadioButton(tr("Die Besten zuletzt (umgekehrte Platzierung)"), orderBox);
    placeOrder = new QRadioButton(tr("Nach Platzierung (Platz 1 zuerst)"), orderBox);
    //: running order: place 1 runs against the last place taken, 2 against the last but one, ...
    seededPairs = new QRadioButton(tr("Gesetzte Paare (1 gegen N, 2 gegen N-1, …)"), orderBox);
    bestLast->setObjectName(QStringLiteral("OrderBestLast"));
    placeOrder->setObjectName(QStringLiteral("OrderPlaces"));
    seededPairs->setObjectName(QStringLiteral("OrderSeeded"));
    for (QRadioButton* b : {bestLast, placeOrder, seededPairs})
        orders->addWidget(b);
    bestLast->setChecked(true);
    layout->addWidget(orderBox);

    //: a tie: teams with the same total at the last place that goes on
    tieBox = new QGroupBox(tr("Gleichstand"), this);
    tieBox->setObjectName(QStringLiteral("NextRoundTie"));
    auto* tieLayout = new QVBoxLayout(tieBox);
    tieLabel = new QLabel(tieBox);
    tieLabel->setWordWrap(true);
    tieLayout->addWidget(tieLabel);
    tieTeams_ = new QWidget(tieBox);
    new QVBoxLayout(tieTeams_);
    tieTeams_->layout()->setContentsMargins(0, 0, 0, 0);
    tieLayout->addWidget(tieTeams_);
    layout->addWidget(tieBox);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const auto propose = [this] {
        const int proposed = ProposedTeamCount(TargetStage());
        countBox->setValue(proposed > 0 ? std::min(proposed, countBox->maximum()) : countBox->maximum());
    };
    connect(stageBox, &QComboBox::currentIndexChanged, this, propose);
    connect(countBox, &QSpinBox::valueChanged, this, [this] { ShowCut(); });
    propose();
    ShowCut();
}

int NextRoundDialog::TargetStage() const {
    return stageBox->currentData().toInt();
}

RunningOrder NextRoundDialog::Order() const {
    if (placeOrder->isChecked()) return RunningOrder::PlaceOrder;
    if (seededPairs->isChecked()) return RunningOrder::SeededPairs;
    return RunningOrder::BestLast;
}

QList<NextRoundTeam> NextRoundDialog::Chosen() const {
    QList<NextRoundTeam> chosen = cut_.sure;
    for (int i = 0; i < tieChecks.size(); ++i)
        if (tieChecks.at(i)->isChecked()) chosen.append(cut_.tied.at(i));
    return chosen;
}

void NextRoundDialog::ShowCut() {
    cut_ = CutAt(ranked_, countBox->value(), separator_);
    qDeleteAll(tieChecks);
    tieChecks.clear();
    tieBox->setVisible(!cut_.tied.isEmpty());
    if (cut_.tied.isEmpty()) return;
    //: %1 the tied teams' total, %2 how many of them go on, %3 how many share it
    tieLabel->setText(tr("Gleiche Gesamtzeit %1: %2 der %3 Mannschaften kommen weiter. Bitte wählen "
                         "(oder alle nehmen).")
                          .arg(cut_.tied.front().total)
                          .arg(cut_.openPlaces)
                          .arg(cut_.tied.size()));
    for (int i = 0; i < cut_.tied.size(); ++i) {
        const NextRoundTeam& team = cut_.tied.at(i);
        //: a tied team: %1 its place, %2 number and name
        auto* check = new QCheckBox(
            tr("Platz %1: %2").arg(team.place).arg(TeamKey(team.nr, team.name).trimmed()), tieTeams_);
        check->setObjectName(QStringLiteral("TieTeam%1").arg(i));
        check->setChecked(i < cut_.openPlaces);
        tieTeams_->layout()->addWidget(check);
        tieChecks.append(check);
    }
}

} // namespace zn
