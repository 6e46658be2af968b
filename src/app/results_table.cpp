// The four list grids: recording finished lane times into the time protocol,
// correcting times and entering penalties, ranking the result lists, cell
// formats and sort rules, and the row buttons of the protocol panel.
#include "app/main_window.h"

#include "controls/sort_grid.h"
#include "core/protocol_row.h"
#include "core/ranking.h"
#include "core/result_numbers.h"
#include "core/stages.h"
#include "core/tag.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

namespace zn {

namespace {

// Header texts are drawn smaller than the 16 px list font so that "Bestzeit"
// fits its 88 px column.
constexpr int kHeaderPointSize = 10;

TGridRect WholeRow(const TSortGrid* grid, int row) {
    return TGridRect{0, row, grid->ColCount() - 1, row};
}

} // namespace

// ---------------------------------------------------------------- recording

// A lane whose team is not found had nothing written: the time stays on the
// digits and the operator is told, in the status bar at once and in a message
// box once the run is over, since a box while the other lane still runs would
// hold up its stop.
void TFormMain::ShowRecordOutcome(const RecordOutcome& outcome, int lane, const QString& time) {
    if (outcome.status != RecordStatus::Recorded) {
        const QString notice = RecordFailureText(outcome, lane, time);
        StatusPanel1->setText(u' ' + notice);
        pendingRecordNotices_ << notice;
    }
    const bool runOver = !mSTOP1->isEnabled() && !mStop2->isEnabled();
    if (runOver && !pendingRecordNotices_.isEmpty())
        QTimer::singleShot(0, this, [this] { ShowPendingRecordNotices(); });
    UpdateCommandStates();
}

void TFormMain::ShowPendingRecordNotices() {
    if (pendingRecordNotices_.isEmpty()) return;
    const QString text = pendingRecordNotices_.join(u'\n');
    pendingRecordNotices_.clear();
    TellOperator(text, false);
}

// ---------------------------------------------------------------- editing

// Columns 4, 5, 7 and 8 (a lane's time and penalty) open for editing; any
// other cell commits an open edit and selects its whole row instead. While the
// clock runs no time is edited: an editor would take the "1" or "2" meant to
// stop a lane as a digit of the cell.
void TFormMain::SortGrid1SelectCell(TSortGrid* Sender, int ACol, int ARow, bool& CanSelect) {
    const int editColumn = Clock->isActive() ? -1 : EditColumnForCell(ACol);
    if (editColumn > 0) {
        // Moving from one time or penalty cell straight to another closes the
        // first edit too, or that lane's total would stay behind its penalty.
        CommitCellEdit(Sender);
        Sender->SetOptions((Sender->Options() | goEditing) & ~TGridOptions(goRowSelect));
        Sender->SetSelectionRect(TGridRect{ACol, ARow, ACol, ARow});
        EditColumn = editColumn;
        // "1", "2", "0" ... are digits of the penalty now, not stops and resets.
        SetRunShortcuts(false);
        return;
    }
    CommitCellEdit(Sender);
    Sender->SetOptions((Sender->Options() & ~TGridOptions(goEditing)) | goRowSelect);
    Sender->SetSelectionRect(WholeRow(Sender, ARow));
    CanSelect = false;
    Sender->Repaint();
}

void TFormMain::SortGrid1KeyPress(TSortGrid* Sender, QChar& Key) {
    switch (FilterPenaltyKey(Key, EditColumn, DecimalSeparator())) {
    case PenaltyKey::Pass:
        break;
    case PenaltyKey::Commit:
        CommitCellEdit(Sender);
        break;
    case PenaltyKey::Swallow:
        Key = QChar();
        break;
    }
}

void TFormMain::CommitCellEdit(TSortGrid* grid) {
    if (EditColumn < 0 || !grid) return;
    const int row = grid->CurrentRow();
    if (row >= 1 && row < grid->RowCount()) {
        const QString notice =
            EditCommitText(Model.CommitCellEdit(ListKind(grid), row, EditColumn), EditColumn);
        if (!notice.isEmpty()) StatusPanel1->setText(u' ' + notice);
    }
    EditColumn = -1;
    grid->SetOptions((grid->Options() & ~TGridOptions(goEditing)) | goRowSelect);
    grid->SetSelectionRect(WholeRow(grid, row));
    // The run keys come back only while a run is on (from START to RESET,
    // when the settings button is disabled): between runs a typed "S" must
    // not start one.
    SetRunShortcuts(!bCFG->isEnabled());
    ProtocolChanged();
}

// ---------------------------------------------------------------- ranking

// Only the result lists are ranked: the protocol shown during a run keeps its
// order (the model's Rerank).
void TFormMain::RerankResultList() {
    Model.Rerank();
}

void TFormMain::SortGrid1GetSortStyle(TSortGrid* Sender, int Col, TSortStyle& SortStyle) {
    SortStyle = ProtocolSortStyle(Col, Sender->SortOptions, DecimalSeparator());
}

// Totals by value with blanks last: the grid's own detection would sort the
// times as text as soon as one total is blank, "10,20" before "9,80".
void TFormMain::SortGrid3GetSortStyle(TSortGrid* Sender, int Col, TSortStyle& SortStyle) {
    SortStyle = ResultSortStyle(Col, Sender->SortOptions, DecimalSeparator());
}

// ---------------------------------------------------------------- cell formats

void TFormMain::SortGrid1GetCellFormat(TSortGrid* Sender, int Col, int Row, TGridDrawState,
                                       TFormatOptions& FormatOptions, bool& CheckBox, bool& Combobox, bool&) {
    if (Row == 0) {
        FormatOptions.Font.setPointSize(kHeaderPointSize);
    } else {
        Combobox = Col == pc::Klasse;
        CheckBox = Col == pc::Qualified;
        if (Col == pc::Name) FormatOptions.AlignmentHorz = taLeftJustify;
    }
    // The two teams now on the lanes stand out in red.
    const QString key = TeamKey(Sender->GetCell(pc::Nr, Row), Sender->GetCell(pc::Name, Row));
    if (key == Model.LaneTeam(0) || key == Model.LaneTeam(1)) FormatOptions.Font.Color = clRed;
    if (Row > 0) MarkWarnedTime(Sender, Col, key, FormatOptions);
}

void TFormMain::SortGrid3GetCellFormat(TSortGrid*, int Col, int Row, TGridDrawState,
                                       TFormatOptions& FormatOptions, bool&, bool& Combobox, bool&) {
    if (Row == 0) {
        FormatOptions.Font.setPointSize(kHeaderPointSize);
        return;
    }
    Combobox = Col == rc::Klasse;
    if (Col == rc::Mannschaft) FormatOptions.AlignmentHorz = taLeftJustify;
}

void TFormMain::SortGrid1GetComboBox(TSortGrid*, int, int, QStringList& Strs, int&, int&, bool&) {
    if (ClassList) Strs = *ClassList;
}

void TFormMain::SortGrid1SetChecked(TSortGrid* Sender, int, int ARow, bool) {
    RerankResultList();
    if (ARow >= 1 && ARow < Sender->RowCount()) Sender->SetCurrentRow(ARow);
    ProtocolChanged();
}

void TFormMain::SortGrid1RowSelected(TSortGrid*) {
    sb1->setEnabled(bCFG->isEnabled());
    sb2->setEnabled(sb1->isEnabled());
}

// ---------------------------------------------------------------- row buttons

// Puts the current row's team onto lane 1 (tag 1) or lane 2 (tag 2); a team
// that is not in the lane list leaves the lane without a selection.
void TFormMain::sb1Click(QObject* sender) {
    const int row = CurrentList->CurrentRow();
    const QString key = TeamKey(CurrentList->GetCell(pc::Nr, row), CurrentList->GetCell(pc::Name, row));
    QComboBox* lane = TagOf(sender) == 2 ? cbBuhn2 : cbBuhn1;
    {
        const QSignalBlocker quiet(lane);
        lane->setCurrentIndex(lane->findText(key));
    }
    cbBuhnChange();
}

void TFormMain::sbCLSClick() {
    if (!FDlgYesNo) return;
    TSortGrid* list = CurrentList;
    const int kind = ListKind(list);
    // A team on a lane keeps its protocol row until its run is over: the
    // stop must find it there.
    if (Model.RowOnRunningLane(kind, list->CurrentRow())) {
        ShowBriefNote(tr(" Die Mannschaft läuft gerade: Zeile erst nach dem Lauf entfernen."));
        return;
    }
    if (!AskYesNo(tr("Zeile entfernen?"))) return;
    const int row = list->CurrentRow();
    if (!Model.RemoveRow(kind, row)) return;
    // The row that followed the removed one takes its place; after the last
    // row the new last row is current.
    list->SetCurrentRow(std::min(row, list->RowCount() - 1));
    if (kind == lkProtokoll) {
        ShowLanes(true, !Model.Running());
        CurrentList->Repaint();
    }
    UpdateCommandStates();
    ProtocolChanged();
}

void TFormMain::sbClsAllClick() {
    if (!FDlgYesNo) return;
    if (!AskYesNo(tr("Ergebnisse löschen?"))) return;
    Model.ClearResults();
    UpdateCommandStates();
    AlignControls();
    ProtocolChanged();
}

// Both lane lists offer every team of the time protocol in key order (so in
// number order), lane 1 on the first and lane 2 on the second, whichever list
// is shown: a stop is written into the protocol, so a lane entry taken from a
// result list ("1 FF Mühlbach", place and name) would name another team there.
// While a run is on (START to RESET) a lane keeps its team and stays locked:
// a stop must record the team that is actually running, not whichever comes
// first. `keepPair` keeps the lanes' teams between runs too, where they are
// still in the protocol.
void TFormMain::RebuildLaneLists(bool keepPair) {
    Model.RebuildLanes(keepPair);
    ShowLanes(true, !Model.Running());
    CurrentList->Repaint();
}

void TFormMain::ShowLanes(bool items, bool open) {
    const LanePair& pair = Model.Lanes();
    for (int lane = 0; lane < 2; ++lane) {
        QComboBox* list = lane == 0 ? cbBuhn1 : cbBuhn2;
        const QSignalBlocker quiet(list);
        if (items) {
            list->clear();
            list->addItems(pair.teams);
        }
        if (open) list->setEnabled(pair.open[static_cast<size_t>(lane)]);
        list->setCurrentIndex(pair.index[static_cast<size_t>(lane)]);
    }
}

} // namespace zn
