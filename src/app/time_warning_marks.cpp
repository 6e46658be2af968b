// Warned times: a stopped time that looks wrong is marked amber in the time
// protocol and named in the status bar until the operator confirms it (Strg+B
// or "Zeit bestätigen" in the protocol's context menu); the time itself is
// never changed. The minimum time of the discipline is set from the same menu.
#include "app/main_window.h"

#include "controls/sort_grid.h"
#include "core/console_settings.h"
#include "core/result_numbers.h"
#include "core/run_time.h"
#include "core/time_warnings.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <cmath>

namespace zn {

namespace {

// Follows the model's events for as long as it lives.
class WarningFollower : public ICompetitionObserver {
public:
    WarningFollower(CompetitionEvents& events, std::function<void()> changed)
        : events_(events), changed_(std::move(changed)) {
        events_.Subscribe(this);
    }
    ~WarningFollower() override { events_.Unsubscribe(this); }
    WarningFollower(const WarningFollower&) = delete;
    WarningFollower& operator=(const WarningFollower&) = delete;
    void CompetitionChanged(const CompetitionEvent& e) override {
        using K = CompetitionEventKind;
        for (K kind : {K::TimeWarned, K::TimeConfirmed, K::LaneStopped, K::ListsLoaded, K::Restored,
                       K::ResultsCleared})
            if (e.kind == kind) changed_();
    }

private:
    CompetitionEvents& events_;
    std::function<void()> changed_;
};

} // namespace

void TFormMain::BuildTimeWarnings() {
    StatusPanelWarnings = AddLastingNotice(QStringLiteral("StatusPanelWarnings"));
    // Amber like the marked cells: a doubt to look at, not a failure.
    StatusPanelWarnings->setStyleSheet(QStringLiteral(
        "QLabel { background-color: #FFBF00; color: black; font-weight: bold; padding: 0 6px; }"));

    //: keyboard command: the operator confirms a time the console warned about
    mConfirmTime = new QAction(tr("Zeit bestätigen (Strg+B)"), this);
    mConfirmTime->setObjectName(QStringLiteral("mConfirmTime"));
    mConfirmTime->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    mConfirmTime->setShortcutContext(Qt::WindowShortcut);
    addAction(mConfirmTime);
    connect(mConfirmTime, &QAction::triggered, this, [this] {
        // From the menu: the row it was opened on; by key: the current row
        // of the protocol, or the oldest mark when that row has none.
        const int row =
            popupRow_ >= 0 ? popupRow_ : (CurrentList == SortGrid2 ? SortGrid2->CurrentRow() : -1);
        popupRow_ = -1;
        ConfirmWarnedTime(row);
    });

    PopupMenuProtocol = new QMenu(this);
    PopupMenuProtocol->setObjectName(QStringLiteral("PopupMenuProtocol"));
    //: context menu of the time protocol: the operator confirms a warned time
    QAction* confirm = PopupMenuProtocol->addAction(tr("Zeit bestätigen"));
    confirm->setObjectName(QStringLiteral("ConfirmTime1"));
    connect(confirm, &QAction::triggered, mConfirmTime, &QAction::trigger);
    //: context menu: the minimum run time of the discipline, below which a time is warned about
    QAction* minimum = PopupMenuProtocol->addAction(tr("Mindestzeit …"));
    minimum->setObjectName(QStringLiteral("MinimumTime1"));
    connect(minimum, &QAction::triggered, this, [this] { SetMinimumTimeClick(); });
    connect(PopupMenuProtocol, &QMenu::aboutToHide, this, [this] {
        // A menu closed without a choice leaves the key to the current row;
        // a choice's action runs after this, so it is cleared later.
        QMetaObject::invokeMethod(
            this, [this] { popupRow_ = -1; }, Qt::QueuedConnection);
    });
    SortGrid2->SetPopupMenu(PopupMenuProtocol);
    SortGrid2->OnPopup = [this, confirm](TSortGrid* grid, int, int row) {
        popupRow_ = row;
        const QString team = TeamKey(grid->GetCell(pc::Nr, row), grid->GetCell(pc::Name, row));
        confirm->setEnabled(Model.MarkOf(team, 0) || Model.MarkOf(team, 1));
    };

    if (platform_.settings)
        if (auto store = platform_.settings()) Model.SetMinimumTimeMs(ReadMinimumTimeMs(*store));
    warningFollower_ = std::make_unique<WarningFollower>(Model.Events(), [this] { ShowWarningMarks(); });
}

void TFormMain::ShowWarningMarks() {
    const std::vector<WarningMark>& marks = Model.WarningMarks();
    // The status bar has room for the first mark's lane, time and reason;
    // its tooltip names every open mark with its team.
    QStringList lines;
    for (const WarningMark& m : marks) {
        //: a time in doubt: %1 the lane (Bahn), %2 the team, %3 the time, %4 why
        lines
            << tr("Bahn %1 %2 %3: %4").arg(m.lane + 1).arg(m.team.trimmed(), m.time, ShownReasons(m.reasons));
    }
    if (lines.isEmpty()) {
        StatusPanelWarnings->clear();
        StatusPanelWarnings->setToolTip(QString());
    } else {
        const WarningMark& first = marks.front();
        //: status bar: %1 the lane (Bahn), %2 the time in doubt, %3 why; Strg+B confirms it
        QString text =
            tr("Bahn %1 %2: %3 (Strg+B)").arg(first.lane + 1).arg(first.time, ShownReasons(first.reasons));
        //: %1 the first warning, %2 how many more are open
        if (lines.size() > 1) text = tr("%1 (und %2 weitere)").arg(text).arg(lines.size() - 1);
        StatusPanelWarnings->setText(text);
        //: tooltip over the warnings in the status bar; Strg+B confirms the time
        StatusPanelWarnings->setToolTip(tr("Zeit prüfen, dann bestätigen (Strg+B):") + u'\n' +
                                        lines.join(u'\n'));
    }
    StatusPanelWarnings->setVisible(!lines.isEmpty());
    SortGrid2->Repaint();
}

void TFormMain::ConfirmWarnedTime(int row) {
    const std::vector<WarningMark>& marks = Model.WarningMarks();
    if (marks.empty()) return;
    QString team;
    if (row >= 1 && row < SortGrid2->RowCount())
        team = TeamKey(SortGrid2->GetCell(pc::Nr, row), SortGrid2->GetCell(pc::Name, row));
    if (!Model.MarkOf(team, 0) && !Model.MarkOf(team, 1)) {
        const WarningMark oldest = marks.front();
        Model.ConfirmTime(oldest.team, oldest.lane);
        return;
    }
    for (int lane : {0, 1})
        Model.ConfirmTime(team, lane);
}

void TFormMain::SetMinimumTimeClick() {
    if (RefuseDuringRun(tr("Mindestzeit"))) return;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("MinimumTimeDialog"));
    dialog.setWindowTitle(tr("Mindestzeit"));
    //: the minimum run time in seconds; a time below it is marked for checking
    dialog.setLabelText(tr("Zeiten unter dieser Zeit werden markiert (Sekunden, 0 = aus):"));
    dialog.setInputMode(QInputDialog::DoubleInput);
    dialog.setDoubleDecimals(2);
    dialog.setDoubleRange(0.0, 999.99);
    dialog.setDoubleValue(Model.MinimumTimeMs() / 1000.0);
    if (platform_.modal->Exec(dialog) != QDialog::Accepted) return;
    const auto ms = static_cast<int32_t>(std::lround(dialog.doubleValue() * 1000.0));
    if (ms == Model.MinimumTimeMs()) return;
    Model.SetMinimumTimeMs(ms);
    if (platform_.settings)
        if (auto store = platform_.settings()) WriteMinimumTimeMs(*store, ms);
    Model.SettingsChanged(
        ms > 0 ? QStringLiteral("Mindestzeit %1 s").arg(zn::FormatRunTime(ms, DecimalSeparator()))
               : QStringLiteral("Mindestzeit aus"));
}

void TFormMain::MarkWarnedTime(const TSortGrid* grid, int col, const QString& team,
                               TFormatOptions& format) const {
    if (grid != SortGrid2 || (col != pc::Zeit1 && col != pc::Zeit2)) return;
    if (Model.MarkOf(team, col == pc::Zeit1 ? 0 : 1)) format.Mark = clAmber;
}

} // namespace zn
