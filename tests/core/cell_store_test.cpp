#include "core/cell_store.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {

// One text per row in column 0: "r1", "r2", ...
TCellStore Numbered(int rows, int cols = 3) {
    TCellStore store(cols, rows);
    for (int r = 0; r < rows; ++r)
        store.SetCell(0, r, QStringLiteral("r%1").arg(r));
    return store;
}

QStringList FirstColumn(const TCellStore& store, int rows) {
    return store.Column(0, rows);
}

} // namespace

TEST(CellStore, HugeCountsWithFewTextsHoldOnlyThoseTexts) {
    TCellStore store;
    store.SetRowCount(1000000);
    store.SetColCount(1000);
    for (int i = 0; i < 10; ++i)
        store.SetCell(i * 97, i * 99991, QStringLiteral("t%1").arg(i));

    EXPECT_EQ(store.AllocatedRows(), 10u);
    EXPECT_EQ(store.AllocatedCells(), 10u);
    EXPECT_EQ(store.Cell(9 * 97, 9 * 99991), "t9");
    EXPECT_EQ(store.Cell(5, 500000), "");

    // Shifting a million-row grid costs what it holds, not what it counts.
    store.InsertRow(1);
    store.DeleteRow(1);
    EXPECT_EQ(store.AllocatedRows(), 10u);
    EXPECT_EQ(store.Cell(9 * 97, 9 * 99991), "t9");
}

TEST(CellStore, EmptyTextFreesTheCellAndTheRow) {
    TCellStore store(11, 3);
    store.SetCell(2, 1, "a");
    store.SetCell(4, 1, "b");
    store.SetCell(4, 1, "");
    EXPECT_EQ(store.AllocatedCells(), 1u);
    store.SetCell(2, 1, QString());
    EXPECT_EQ(store.AllocatedRows(), 0u);

    store.SetCell(0, 2, "x");
    store.ClearRow(2);
    EXPECT_EQ(store.AllocatedRows(), 0u);
}

TEST(CellStore, CellsBeyondTheCountsAreKeptAndReadBack) {
    TCellStore store(5, 2);
    store.SetCell(5, 1, "hidden col");
    store.SetCell(0, 7, "hidden row");
    EXPECT_EQ(store.Cell(5, 1), "hidden col");
    EXPECT_EQ(store.Cell(0, 7), "hidden row");
    EXPECT_EQ(store.RowCount(), 2);
    EXPECT_EQ(store.ColCount(), 5);

    // Row() gives exactly the asked columns; the hidden one is not in it.
    EXPECT_EQ(store.Row(1), QStringList({"", "", "", "", ""}));
    EXPECT_EQ(store.Row(1, 6).last(), "hidden col");
    EXPECT_TRUE(store.IsRowEmpty(1));
    EXPECT_FALSE(store.IsRowEmpty(1, 6));

    // Negative indices neither fail nor store anything.
    store.SetCell(-1, 0, "x");
    EXPECT_EQ(store.Cell(-1, 0), "");
    EXPECT_EQ(store.Cell(0, -1), "");
    EXPECT_EQ(store.AllocatedCells(), 2u);
}

TEST(CellStore, AssignRowWritesOnlyWhatFitsAndKeepsTheRest) {
    TCellStore store(3, 2);
    store.AssignRow(1, {"a", "b", "c", "d"}); // "d" would land beyond ColCount
    EXPECT_EQ(store.Row(1, 4), QStringList({"a", "b", "c", ""}));
    store.AssignRow(1, {"x"});
    EXPECT_EQ(store.Row(1), QStringList({"x", "b", "c"}));
}

TEST(CellStore, ClearColumnEmptiesOnlyTheGivenRows) {
    TCellStore store = Numbered(4);
    store.SetCell(0, 9, "beyond");
    store.ClearColumn(0, 4);
    EXPECT_EQ(FirstColumn(store, 4), QStringList({"", "", "", ""}));
    EXPECT_EQ(store.Cell(0, 9), "beyond");
    EXPECT_EQ(store.AllocatedRows(), 1u);
}

TEST(CellStore, InsertAndDeleteRowShiftEverythingBehindIncludingParkedRows) {
    TCellStore store = Numbered(4);
    store.SetCell(0, 5, "parked"); // behind RowCount, as filtering leaves it

    store.InsertRow(2);
    EXPECT_EQ(store.RowCount(), 5);
    EXPECT_EQ(FirstColumn(store, 5), QStringList({"r0", "r1", "", "r2", "r3"}));
    EXPECT_EQ(store.Cell(0, 6), "parked");

    store.DeleteRow(1);
    EXPECT_EQ(store.RowCount(), 4);
    EXPECT_EQ(FirstColumn(store, 4), QStringList({"r0", "", "r2", "r3"}));
    EXPECT_EQ(store.Cell(0, 5), "parked");

    // Deleting a parked row leaves the count alone.
    store.DeleteRow(5);
    EXPECT_EQ(store.RowCount(), 4);
    EXPECT_EQ(store.AllocatedRows(), 3u);
}

TEST(CellStore, MoveRowShiftsTheRowsInBetweenBothWays) {
    TCellStore store = Numbered(5);
    store.MoveRow(1, 3);
    EXPECT_EQ(FirstColumn(store, 5), QStringList({"r0", "r2", "r3", "r1", "r4"}));
    store.MoveRow(3, 1);
    EXPECT_EQ(FirstColumn(store, 5), QStringList({"r0", "r1", "r2", "r3", "r4"}));

    // An empty row moves as well: its place is empty afterwards.
    store.SetCell(0, 2, "");
    store.MoveRow(2, 4);
    EXPECT_EQ(FirstColumn(store, 5), QStringList({"r0", "r1", "r3", "r4", ""}));
}

TEST(CellStore, SwapRowsExchangesContentsWithEmptyRowsToo) {
    TCellStore store = Numbered(4);
    store.SwapRows(1, 3);
    EXPECT_EQ(FirstColumn(store, 4), QStringList({"r0", "r3", "r2", "r1"}));
    store.ClearRow(2);
    store.SwapRows(2, 1);
    EXPECT_EQ(FirstColumn(store, 4), QStringList({"r0", "", "r3", "r1"}));
}

TEST(CellStore, ApplyRowOrderMovesWholeRowsInsideTheRangeOnly) {
    TCellStore store = Numbered(5);
    store.SetCell(7, 2, "beyond the columns");
    store.SetCell(0, 6, "parked");
    store.ClearRow(4);

    store.ApplyRowOrder(1, {4, 2, 3, 1});
    EXPECT_EQ(FirstColumn(store, 5), QStringList({"r0", "", "r2", "r3", "r1"}));
    EXPECT_EQ(store.Cell(7, 2), "beyond the columns"); // travels with its row
    EXPECT_EQ(store.Cell(0, 6), "parked");

    // A row named twice would lose another: refused, nothing moves.
    EXPECT_FALSE(store.ApplyRowOrder(1, {1, 1, 2, 3}));
    EXPECT_FALSE(store.ApplyRowOrder(1, {0, 1, 2, 3}));
    EXPECT_EQ(FirstColumn(store, 5), QStringList({"r0", "", "r2", "r3", "r1"}));
    EXPECT_EQ(store.AllocatedRows(), 5u);
}

TEST(CellStore, ColumnOperationsWorkAcrossAllStoredRows) {
    TCellStore store(3, 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            store.SetCell(c, r, QStringLiteral("%1%2").arg(QChar(u'a' + c)).arg(r));
    store.SetCell(0, 8, "a8");

    store.InsertColumn(1);
    EXPECT_EQ(store.ColCount(), 4);
    EXPECT_EQ(store.Row(2), QStringList({"a2", "", "b2", "c2"}));

    store.MoveColumn(3, 0);
    EXPECT_EQ(store.Row(2), QStringList({"c2", "a2", "", "b2"}));
    store.MoveColumn(0, 3);
    EXPECT_EQ(store.Row(2), QStringList({"a2", "", "b2", "c2"}));

    store.DeleteColumn(0);
    EXPECT_EQ(store.ColCount(), 3);
    EXPECT_EQ(store.Row(1), QStringList({"", "b1", "c1"}));
    // The parked row lost its only cell and with it its storage.
    EXPECT_EQ(store.Cell(0, 8), "");
    EXPECT_EQ(store.AllocatedRows(), 3u);
}
