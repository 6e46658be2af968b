#include "controls/sort_grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace zn;

namespace {

class SortGridEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid = std::make_unique<TSortGrid>();
        grid->resize(400, 300);
        grid->SetColCount(6);
        grid->show();
        QApplication::setActiveWindow(grid.get());
        grid->setFocus();
        QCoreApplication::processEvents();
    }

    void Fill(const std::vector<QStringList>& rows) {
        grid->SetRowCount(static_cast<int>(rows.size()) + 1);
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            grid->RowStrings(r + 1).Assign(rows[r]);
    }

    QStringList Column(int col) {
        QStringList texts = grid->ColumnStrings(col);
        texts.removeFirst();
        return texts;
    }

    // Keys go where the focus is: the grid, or its in-place editor once open.
    QWidget* KeyTarget() {
        return grid->EditorMode() ? static_cast<QWidget*>(grid->InplaceEditor()) : grid.get();
    }

    std::unique_ptr<TSortGrid> grid;
};

} // namespace

TEST_F(SortGridEditTest, RefusedEditGetsTheOldTextAndModifiedBack) {
    Fill({{"", "12"}, {"", "5"}});
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetModified(false);
    grid->SetCurrentCol(1);
    grid->SetCurrentRow(1);
    std::vector<QString> seen;
    grid->OnCellValidate = [&](TSortGrid*, int col, int row, const QString& oldValue, QString& newValue,
                               bool& valid) {
        EXPECT_EQ(col, 1);
        EXPECT_EQ(row, 1);
        seen.push_back(oldValue);
        seen.push_back(newValue);
        valid = false;
    };

    QTest::keyClicks(KeyTarget(), "13");
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->GetCell(1, 1), "13"); // typing writes through
    EXPECT_TRUE(grid->Modified());
    QTest::keyClick(KeyTarget(), Qt::Key_Down); // leaving the cell validates it
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_EQ(seen, (std::vector<QString>{"12", "13"}));
    EXPECT_EQ(grid->GetCell(1, 1), "12");
    EXPECT_FALSE(grid->Modified());
}

TEST_F(SortGridEditTest, RefusedEditKeepsTheHandlersReplacement) {
    Fill({{"", "12"}});
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCurrentCol(1);
    grid->OnCellValidate = [](TSortGrid*, int, int, const QString&, QString& newValue, bool& valid) {
        newValue = "14";
        valid = false;
    };
    QTest::keyClicks(KeyTarget(), "13");
    QTest::keyClick(KeyTarget(), Qt::Key_Return); // Enter validates and closes the editor
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->GetCell(1, 1), "14");
}

TEST_F(SortGridEditTest, AcceptedEditAndUnchangedCellsAreLeftAlone) {
    Fill({{"", "12"}, {"", "7"}});
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCurrentCol(1);
    int calls = 0;
    grid->OnCellValidate = [&](TSortGrid*, int, int, const QString&, QString&, bool&) { ++calls; };
    QTest::keyClick(grid.get(), Qt::Key_F2);
    ASSERT_TRUE(grid->EditorMode());
    QTest::keyClick(KeyTarget(), Qt::Key_Down); // nothing typed: no validation event
    EXPECT_EQ(calls, 0);
    QTest::keyClicks(KeyTarget(), "8");
    QTest::keyClick(KeyTarget(), Qt::Key_Return);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(grid->GetCell(1, 2), "8");
}

TEST_F(SortGridEditTest, OnKeyPressFiltersWhatTheEditorReceives) {
    Fill({{"", "1"}});
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCurrentCol(1);
    grid->OnKeyPress = [](TSortGrid*, QChar& key) {
        if (!key.isDigit() && key != u'\b' && key != u'\r') key = QChar();
    };
    QTest::keyClicks(KeyTarget(), "2x-5");
    EXPECT_EQ(grid->GetCell(1, 1), "25");
    QTest::keyClick(KeyTarget(), Qt::Key_Backspace); // passes the filter
    EXPECT_EQ(grid->GetCell(1, 1), "2");
    QTest::keyClick(KeyTarget(), Qt::Key_Home);
    QTest::keyClick(KeyTarget(), Qt::Key_Delete); // a key, not a typed character
    EXPECT_EQ(grid->GetCell(1, 1), "");
}

TEST_F(SortGridEditTest, EscapeGivesTheCellItsTextBack) {
    Fill({{"", "12"}});
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCurrentCol(1);
    QTest::keyClicks(KeyTarget(), "99");
    QTest::keyClick(KeyTarget(), Qt::Key_Escape);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->GetCell(1, 1), "12");
}

// An edit in progress belongs to its row: rows sorted, moved, inserted or
// deleted under it must not validate (and on a refusal overwrite) the row
// that comes to stand at its number.
TEST_F(SortGridEditTest, ValidationFollowsTheEditedRow) {
    Fill({{"b", "12"}, {"a", "5"}, {"c", "7"}});
    grid->SetOptions(grid->Options() | goEditing);
    grid->SortOptions.SortCol = 0;
    grid->SetCurrentCol(1);
    std::vector<std::pair<int, QString>> seen; // row, new value
    grid->OnCellValidate = [&](TSortGrid*, int, int row, const QString&, QString& newValue, bool& valid) {
        seen.emplace_back(row, newValue);
        valid = false;
    };
    QTest::keyClicks(KeyTarget(), "13");
    grid->SortByColumn(0); // "b" to row 2, where the edit goes on
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_EQ(grid->InplaceEditor()->text(), "13");
    EXPECT_TRUE(seen.empty());
    grid->MoveRow(2, 3);
    EXPECT_EQ(grid->CurrentRow(), 3);
    grid->InsertRow(1); // "b" to row 4; the new row's count change validates
    ASSERT_EQ(seen, (std::vector<std::pair<int, QString>>{{4, "13"}}));
    EXPECT_EQ(Column(1), (QStringList{"", "5", "7", "12"}));

    // The edited row deleted: its edit goes with it, nothing is validated.
    seen.clear();
    grid->SetCurrentRow(3);
    grid->SetCurrentCol(1);
    QTest::keyClicks(KeyTarget(), "9");
    ASSERT_EQ(grid->GetCell(1, 3), "9");
    grid->DeleteRow(3);
    QTest::keyClick(KeyTarget(), Qt::Key_Down);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Column(1), (QStringList{"", "5", "12"}));
}

TEST_F(SortGridEditTest, EscapeGivesModifiedBackToo) {
    Fill({{"", "12"}});
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCurrentCol(1);
    grid->SetModified(false);
    QTest::keyClicks(KeyTarget(), "99");
    ASSERT_TRUE(grid->Modified());
    QTest::keyClick(KeyTarget(), Qt::Key_Escape);
    EXPECT_EQ(grid->GetCell(1, 1), "12");
    EXPECT_FALSE(grid->Modified());
}

TEST_F(SortGridEditTest, TypeAheadSearchesTheSortColumnAndWraps) {
    Fill({{"", "Anna"}, {"", "max"}, {"", "Moritz"}});
    grid->SetOptions(grid->Options() | goRowSelect);
    grid->SortOptions.SortCol = 1;
    grid->SetCurrentRow(1);
    std::vector<QChar> keys;
    grid->OnKeyPress = [&](TSortGrid*, QChar& key) { keys.push_back(key); };
    QTest::keyClick(grid.get(), Qt::Key_M);
    EXPECT_EQ(grid->CurrentRow(), 2);
    QTest::keyClick(grid.get(), Qt::Key_M);
    EXPECT_EQ(grid->CurrentRow(), 3);
    QTest::keyClick(grid.get(), Qt::Key_M);
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_EQ(keys, (std::vector<QChar>{u'M', u'M', u'M'})); // the handler sees the upper-cased key
    QTest::keyClick(grid.get(), Qt::Key_Z);
    EXPECT_EQ(grid->CurrentRow(), 2);
}

TEST_F(SortGridEditTest, TypingIntoTheEditorDoesNotSearch) {
    Fill({{"", "Anna"}, {"", "max"}});
    grid->SetOptions(grid->Options() | goEditing);
    grid->SortOptions.SortCol = 1;
    grid->SetCurrentCol(0);
    QTest::keyClicks(KeyTarget(), "m");
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->CurrentRow(), 1);
    EXPECT_EQ(grid->GetCell(0, 1), "m"); // typed where the cursor was, in lower case
}

TEST_F(SortGridEditTest, ChangingRowCountGoesToTheFirstCellUnlessRefused) {
    Fill({{"a"}, {"b"}, {"c"}});
    grid->SetCurrentCol(2);
    grid->SetCurrentRow(3);
    std::vector<std::pair<int, int>> sizes;
    grid->OnSizeChanged = [&](TSortGrid*, int cols, int rows) { sizes.emplace_back(cols, rows); };
    grid->SetRowCount(10);
    EXPECT_EQ(grid->CurrentCol(), 0);
    EXPECT_EQ(grid->CurrentRow(), 1);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_TRUE(grid->Modified());

    grid->SetCurrentRow(5);
    grid->OnSelectCell = [](TSortGrid*, int col, int row, bool& canSelect) {
        canSelect = !(col == 0 && row == 1);
    };
    grid->SetRowCount(8);
    EXPECT_EQ(grid->CurrentRow(), 5);

    grid->OnSelectCell = nullptr;
    grid->BeginUpdate();
    grid->SetRowCount(20);
    EXPECT_EQ(grid->CurrentRow(), 5);
    grid->EndUpdate();
    EXPECT_EQ(grid->RowCount(), 20);
    const std::vector<std::pair<int, int>> expected{{6, 4}, {6, 10}};
    EXPECT_EQ(sizes, expected);
}

TEST_F(SortGridEditTest, ScrollToCellNeverLeavesSpaceBelowTheLastRow) {
    grid->SetRowCount(100);
    const int visible = grid->VisibleRowCount();
    ASSERT_GT(visible, 2);
    grid->ScrollToCell(0, 99);
    EXPECT_EQ(grid->TopRow(), 100 - visible);
    grid->ScrollToCell(0, 50);
    EXPECT_EQ(grid->TopRow(), 49);
    grid->ScrollToCell(99, -5); // clamped, never fails
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(SortGridEditTest, DeleteRowKeepsOneDataRow) {
    Fill({{"only"}});
    grid->SetExtendedKeys(true);
    std::vector<int> deleted;
    grid->OnRowDelete = [&](TSortGrid*, int row) { deleted.push_back(row); };
    grid->SetModified(false);
    QTest::keyClick(grid.get(), Qt::Key_Delete, Qt::ControlModifier); // ignored with one data row
    EXPECT_EQ(grid->GetCell(0, 1), "only");
    EXPECT_TRUE(deleted.empty());
    grid->DeleteRow(1);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->GetCell(0, 1), "");
    EXPECT_TRUE(grid->Modified());
    EXPECT_EQ(deleted, std::vector<int>{1});
    EXPECT_THROW(grid->DeleteRow(5), EInvalidGridOperation);
}

TEST_F(SortGridEditTest, DeleteRowRemovesTheRowAndItsText) {
    Fill({{"a"}, {"b"}, {"c"}});
    grid->SetExtendedKeys(true);
    grid->SetCurrentRow(2);
    QTest::keyClick(grid.get(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Column(0), (QStringList{"a", "c"}));
    grid->SetRowCount(4); // the deleted text does not come back
    EXPECT_EQ(grid->GetCell(0, 3), "");
}

TEST_F(SortGridEditTest, InsertRowAtTheLastRowAppends) {
    Fill({{"a"}, {"b"}, {"c"}});
    std::vector<int> inserted;
    grid->OnRowInsert = [&](TSortGrid*, int row) { inserted.push_back(row); };
    grid->InsertRow(3);
    EXPECT_EQ(Column(0), (QStringList{"a", "b", "c", ""}));
    EXPECT_EQ(grid->CurrentRow(), 4);
    EXPECT_EQ(grid->SelectedRows(), std::vector<int>{4});
    grid->InsertRow(2);
    EXPECT_EQ(Column(0), (QStringList{"a", "", "b", "c", ""}));
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_EQ(inserted, (std::vector<int>{4, 2}));
}

TEST_F(SortGridEditTest, ColumnMovesKeepSortColOnItsData) {
    grid->SortOptions.SortCol = 3;
    grid->SetCell(3, 0, "sorted");
    grid->SetModified(false);
    grid->MoveColumn(5, 1);
    EXPECT_EQ(grid->SortOptions.SortCol, 4);
    EXPECT_EQ(grid->GetCell(4, 0), "sorted");
    EXPECT_TRUE(grid->Modified());
    grid->MoveColumn(4, 0); // the sorted column itself
    EXPECT_EQ(grid->SortOptions.SortCol, 0);
    grid->MoveColumn(0, 5);
    EXPECT_EQ(grid->SortOptions.SortCol, 5);
    grid->MoveColumn(2, 5); // onto it from the left
    EXPECT_EQ(grid->SortOptions.SortCol, 4);
    EXPECT_EQ(grid->GetCell(4, 0), "sorted");
    grid->InsertColumn(0);
    EXPECT_EQ(grid->SortOptions.SortCol, 5);
    EXPECT_EQ(grid->GetCell(5, 0), "sorted");
}

TEST_F(SortGridEditTest, SwapRowsExchangesTwoRows) {
    Fill({{"a"}, {"b"}, {"c"}, {"d"}});
    grid->SwapRows(1, 3);
    EXPECT_EQ(Column(0), (QStringList{"c", "b", "a", "d"}));
    grid->SwapRows(4, 2);
    EXPECT_EQ(Column(0), (QStringList{"c", "d", "a", "b"}));
}

TEST_F(SortGridEditTest, FilterRejectingEveryRowAndBack) {
    Fill({{"3"}, {"1"}, {"2"}});
    grid->SortOptions.SortCol = 0;
    grid->SetModified(false);
    grid->OnSetFilter = [](const QStringList&, bool& accept) { accept = false; };
    grid->SetFiltered(true);
    EXPECT_TRUE(grid->Filtered());
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->GetCell(0, 1), "");
    EXPECT_EQ(grid->HiddenRowCount(), 3);
    EXPECT_FALSE(grid->Modified());
    EXPECT_FALSE(grid->NowUpdating());

    grid->SetFiltered(false);
    EXPECT_FALSE(grid->Filtered());
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3"})); // back, without the empty row, sorted
    EXPECT_EQ(grid->HiddenRowCount(), 0);
}

TEST_F(SortGridEditTest, FilterKeepsAcceptedRowsAndParksTheRest) {
    Fill({{"b", "x"}, {"a", "y"}, {"c", "x"}});
    grid->SortOptions.SortCol = 0;
    grid->OnSetFilter = [](const QStringList& row, bool& accept) { accept = row.value(1) == "x"; };
    grid->SetFiltered(true);
    EXPECT_EQ(Column(0), (QStringList{"b", "c"}));
    grid->InsertRow(1); // rows parked behind RowCount survive row operations
    grid->SetCell(0, 1, "d");
    grid->SetFiltered(false);
    EXPECT_EQ(Column(0), (QStringList{"a", "b", "c", "d"}));
}

TEST_F(SortGridEditTest, ExtendedKeysInsertAndDeleteColumns) {
    grid->SetExtendedKeys(true);
    grid->SetCurrentCol(2);
    QTest::keyClick(grid.get(), Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid->ColCount(), 7);
    EXPECT_EQ(grid->CurrentCol(), 2);
    QTest::keyClick(grid.get(), Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid->ColCount(), 6);
    QTest::keyClick(grid.get(), Qt::Key_Delete,
                    Qt::ControlModifier | Qt::AltModifier); // other modifiers: nothing
    EXPECT_EQ(grid->ColCount(), 6);
}

TEST_F(SortGridEditTest, MultiSelectMarksRowsWithCtrlAndShift) {
    Fill({{"a"}, {"b"}, {"c"}, {"d"}});
    grid->SetMultiSelect(true);
    int selected = 0;
    grid->OnRowSelected = [&](TSortGrid*) { ++selected; };
    const auto click = [&](int row, Qt::KeyboardModifiers mods) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, mods, grid->CellRect(0, row).center());
    };
    click(1, Qt::NoModifier);
    EXPECT_EQ(grid->SelectedRows(), std::vector<int>{1});
    click(3, Qt::ControlModifier);
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{1, 3}));
    EXPECT_EQ(grid->CurrentRow(), 3);
    click(3, Qt::ControlModifier);
    EXPECT_EQ(grid->SelectedRows(), std::vector<int>{1});
    EXPECT_EQ(grid->CurrentRow(), 1);
    EXPECT_GT(selected, 0);

    grid->SortByColumn(0); // marks travel with their rows
    grid->SortOptions.SortDirection = sdDescending;
    grid->SortByColumn(0);
    EXPECT_EQ(grid->SelectedRows(), std::vector<int>{4});
}

TEST_F(SortGridEditTest, CurrentCellOutsideTheGridIsAnError) {
    EXPECT_THROW(grid->SetCurrentRow(99), EInvalidGridOperation);
    EXPECT_THROW(grid->SetCurrentCol(-1), EInvalidGridOperation);
    try {
        grid->SetCurrentRow(99);
    } catch (const EInvalidGridOperation& e) {
        EXPECT_STREQ(e.what(), "Grid index out of range");
    }
}

TEST_F(SortGridEditTest, LeavingTheGridValidates) {
    Fill({{"", "12"}});
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCurrentCol(1);
    QLineEdit other(grid.get()); // another control in the same window
    other.show();
    int validations = 0;
    grid->OnCellValidate = [&](TSortGrid*, int, int, const QString&, QString&, bool& valid) {
        ++validations;
        valid = false;
    };
    QTest::keyClicks(KeyTarget(), "3");
    other.setFocus();
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(grid->GetCell(1, 1), "12");
}

TEST_F(SortGridEditTest, ClickOnTheCurrentCellOpensTheEditorButNotOnGlyphCells) {
    Fill({{"", "12", "v"}, {"", "13", ""}});
    grid->SetOptions(grid->Options() | goEditing);
    grid->OnGetCellFormat = [](TSortGrid*, int col, int row, TGridDrawState, TFormatOptions&, bool& checkBox,
                               bool&, bool&) { checkBox = row > 0 && col == 2; };
    const auto click = [&](int col, int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid->CellRect(col, row).center());
    };
    click(1, 1);
    EXPECT_FALSE(grid->EditorMode());
    click(1, 1);
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->text(), "12");

    // While editing, a check-box cell is toggled but never entered.
    click(2, 2);
    EXPECT_EQ(grid->CurrentCol(), 1);
    EXPECT_EQ(grid->GetCell(2, 2), "v");
    grid->SetEditorMode(false);
    grid->SetCurrentCol(2);
    QTest::keyClick(grid.get(), Qt::Key_F2); // no editor over a check box
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(SortGridEditTest, ColumnInsertAndDeleteReportTheColumn) {
    grid->SetCell(1, 0, "B");
    std::vector<int> inserted;
    std::vector<int> deleted;
    grid->OnColumnInsert = [&](TSortGrid*, int col) { inserted.push_back(col); };
    grid->OnColumnDelete = [&](TSortGrid*, int col) { deleted.push_back(col); };
    grid->InsertColumn(1);
    EXPECT_EQ(grid->ColCount(), 7);
    EXPECT_EQ(grid->GetCell(1, 0), "");
    EXPECT_EQ(grid->GetCell(2, 0), "B");
    EXPECT_EQ(grid->CurrentCol(), 1);
    grid->DeleteColumn(1);
    EXPECT_EQ(grid->GetCell(1, 0), "B");
    EXPECT_EQ(inserted, std::vector<int>{1});
    EXPECT_EQ(deleted, std::vector<int>{1});
    EXPECT_THROW(grid->DeleteColumn(6), EInvalidGridOperation);
}

TEST_F(SortGridEditTest, ArrowsMoveTheCurrentCellAndScroll) {
    grid->SetRowCount(100);
    std::vector<std::pair<int, int>> asked;
    grid->OnSelectCell = [&](TSortGrid*, int col, int row, bool&) { asked.emplace_back(col, row); };
    QTest::keyClick(grid.get(), Qt::Key_Right);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->CurrentCol(), 1);
    EXPECT_EQ(grid->CurrentRow(), 2);
    QTest::keyClick(grid.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentRow(), 99);
    EXPECT_EQ(grid->TopRow(), 100 - grid->VisibleRowCount());
    QTest::keyClick(grid.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentRow(), 1);
    EXPECT_EQ(grid->TopRow(), 1);
    const std::vector<std::pair<int, int>> expected{{1, 1}, {1, 2}, {5, 99}, {0, 1}};
    EXPECT_EQ(asked, expected);
}

TEST_F(SortGridEditTest, MultiSelectMarksTheBlockGrownWithShift) {
    Fill({{"a"}, {"b"}, {"c"}, {"d"}});
    grid->SetMultiSelect(true);
    EXPECT_TRUE(grid->Options().testFlag(goRowSelect));
    int selected = 0;
    grid->OnRowSelected = [&](TSortGrid*) { ++selected; };
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{1, 2, 3}));
    EXPECT_GT(selected, 0);
    QTest::keyClick(grid.get(), Qt::Key_Down); // a plain move marks just the new row
    EXPECT_EQ(grid->SelectedRows(), std::vector<int>{4});
    EXPECT_FALSE(grid->Options().testFlag(goRangeSelect));
}
