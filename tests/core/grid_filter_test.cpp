#include "core/grid_filter.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {

// Header "Name" plus one data row per name.
TCellStore Names(const QStringList& names) {
    TCellStore store(2, static_cast<int>(names.size()) + 1);
    store.SetCell(0, 0, "Name");
    for (int i = 0; i < names.size(); ++i) {
        store.SetCell(0, i + 1, names[i]);
        store.SetCell(1, i + 1, QString::number(i + 1));
    }
    return store;
}

QStringList Visible(const TCellStore& store) {
    return store.Column(0, store.RowCount());
}

TRowAccept StartsWith(QChar c) {
    return [c](const QStringList& row) { return row.value(0).startsWith(c); };
}

} // namespace

TEST(GridFilter, AcceptedRowsComeFirstAndTheRestIsParkedBehindTheCount) {
    TCellStore store = Names({"Anna", "Bert", "Alma", "Carl"});
    ASSERT_TRUE(CanStartFilter(store));

    const int hidden = FilterRows(store, StartsWith(u'A'));
    EXPECT_EQ(hidden, 2);
    EXPECT_EQ(Visible(store), QStringList({"Name", "Anna", "Alma"}));
    EXPECT_EQ(store.Cell(0, 3), "Bert");
    EXPECT_EQ(store.Cell(0, 4), "Carl");
    EXPECT_EQ(store.Cell(1, 4), "4"); // whole rows, not just the tested column

    UnfilterRows(store, hidden);
    EXPECT_EQ(Visible(store), QStringList({"Name", "Anna", "Alma", "Bert", "Carl"}));
}

TEST(GridFilter, RejectingEveryRowLeavesOneEmptyDataRowAndRestoresAll) {
    TCellStore store = Names({"Anna", "Bert"});
    store.SetCell(0, 9, "written beyond the count");

    const int hidden = FilterRows(store, {}); // no handler: nothing passes
    EXPECT_EQ(hidden, 2);
    EXPECT_EQ(Visible(store), QStringList({"Name", ""}));

    UnfilterRows(store, hidden);
    EXPECT_EQ(Visible(store), QStringList({"Name", "Anna", "Bert"}));
    EXPECT_EQ(store.Cell(0, 9), "written beyond the count");
}

TEST(GridFilter, NothingToDoWithAnEmptyFirstRowOrWhenAllPass) {
    TCellStore empty = Names({});
    empty.SetRowCount(2);
    EXPECT_FALSE(CanStartFilter(empty));

    TCellStore store = Names({"Anna", "Alma"});
    EXPECT_EQ(FilterRows(store, StartsWith(u'A')), 0);
    EXPECT_EQ(store.RowCount(), 3);
    UnfilterRows(store, 0);
    EXPECT_EQ(store.RowCount(), 3);
}

TEST(GridFilter, RowsInsertedOrDeletedWhileFilteredDoNotTouchParkedRows) {
    TCellStore store = Names({"Anna", "Bert", "Alma", "Carl"});
    const int hidden = FilterRows(store, StartsWith(u'A'));

    store.InsertRow(1);
    store.SetCell(0, 1, "Arno");
    store.DeleteRow(2); // Anna
    EXPECT_EQ(Visible(store), QStringList({"Name", "Arno", "Alma"}));

    UnfilterRows(store, hidden);
    EXPECT_EQ(Visible(store), QStringList({"Name", "Arno", "Alma", "Bert", "Carl"}));
}
