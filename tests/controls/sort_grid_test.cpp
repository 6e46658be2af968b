#include "controls/qt_color.h"
#include "controls/sort_grid.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

using namespace zn;

namespace {

// A shown, focused grid of 4 columns with a header and the given data rows.
class SortGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid = std::make_unique<TSortGrid>();
        grid->resize(400, 300);
        grid->SetColCount(4);
        grid->SetOptions(grid->Options() | goColSizing);
        grid->show();
        QApplication::setActiveWindow(grid.get());
        grid->setFocus();
        QCoreApplication::processEvents();
    }

    void Fill(const std::vector<QStringList>& rows) {
        grid->SetRowCount(static_cast<int>(rows.size()) + 1);
        for (int c = 0; c < grid->ColCount(); ++c)
            grid->SetCell(c, 0, QStringLiteral("H%1").arg(c));
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            grid->RowStrings(r + 1).Assign(rows[r]);
    }

    QStringList Column(int col) {
        QStringList texts = grid->ColumnStrings(col);
        texts.removeFirst();
        return texts;
    }

    QPoint Center(int col, int row) { return grid->CellRect(col, row).center(); }

    void Click(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(grid->viewport(), button, Qt::NoModifier, Center(col, row));
    }

    std::unique_ptr<TSortGrid> grid;
};

} // namespace

TEST_F(SortGridTest, HeaderClicksSortAndReverse) {
    Fill({{"1", "b"}, {"2", "c"}, {"3", "a"}});
    grid->SortOptions.SortCol = 0;
    int beforeSorts = 0;
    std::vector<int> afterSorts;
    grid->OnBeforeSort = [&](TSortGrid*, int&) { ++beforeSorts; };
    grid->OnAfterSort = [&](TSortGrid* g, int col) {
        afterSorts.push_back(col);
        EXPECT_TRUE(g->NowUpdating()); // the screen is redrawn once, after the sort
    };

    Click(1, 0);
    EXPECT_EQ(grid->SortOptions.SortCol, 1);
    EXPECT_EQ(grid->SortOptions.SortDirection, sdAscending);
    EXPECT_EQ(Column(1), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(Column(0), (QStringList{"3", "1", "2"}));

    Click(1, 0); // the sorted column again: reversed
    EXPECT_EQ(grid->SortOptions.SortDirection, sdDescending);
    EXPECT_EQ(Column(1), (QStringList{"c", "b", "a"}));

    Click(0, 0); // another column: ascending
    EXPECT_EQ(grid->SortOptions.SortDirection, sdAscending);
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3"}));

    Click(0, 0, Qt::RightButton); // the right button always sorts descending
    EXPECT_EQ(grid->SortOptions.SortDirection, sdDescending);
    EXPECT_EQ(Column(0), (QStringList{"3", "2", "1"}));
    Click(0, 0, Qt::RightButton);
    EXPECT_EQ(grid->SortOptions.SortDirection, sdDescending);
    EXPECT_EQ(beforeSorts, 5);
    EXPECT_EQ(afterSorts, (std::vector<int>{1, 1, 0, 0, 0}));
    EXPECT_EQ(grid->GetCell(1, 0), "H1"); // the header never moves
    EXPECT_FALSE(grid->NowUpdating());
}

TEST_F(SortGridTest, SizingZoneAndDataRowsDoNotSort) {
    Fill({{"2"}, {"1"}});
    const QRect header = grid->CellRect(0, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header.left() + 2, header.center().y()));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header.right() - 2, header.center().y()));
    Click(0, 1);
    EXPECT_EQ(Column(0), (QStringList{"2", "1"}));

    // Press in one header cell, release in another: no sort either.
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, Center(0, 0));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, Center(1, 0));
    EXPECT_EQ(Column(0), (QStringList{"2", "1"}));

    // Dragging the edge sizes the column and does not sort on release.
    const int edge = header.right() + 1;
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(edge, header.center().y()));
    QMouseEvent move(QEvent::MouseMove, QPointF(edge + 30, header.center().y()),
                     grid->viewport()->mapToGlobal(QPointF(edge + 30, header.center().y())), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                        QPoint(edge + 30, header.center().y()));
    EXPECT_EQ(grid->ColWidths(0), header.width() + 30);
    EXPECT_EQ(Column(0), (QStringList{"2", "1"}));
}

TEST_F(SortGridTest, WithoutCanSortAClickOnlyFlipsTheDirection) {
    Fill({{"2"}, {"1"}});
    grid->SortOptions.CanSort = false;
    grid->SortOptions.SortCol = 0;
    bool sorted = false;
    grid->OnBeforeSort = [&](TSortGrid*, int&) { sorted = true; };
    Click(0, 0);
    EXPECT_EQ(grid->SortOptions.SortDirection, sdDescending);
    EXPECT_FALSE(sorted);
    EXPECT_EQ(Column(0), (QStringList{"2", "1"}));
}

TEST_F(SortGridTest, SecondaryKeysAndStableTies) {
    Fill({{"1", "x", "", "b"}, {"2", "y", "", "a"}, {"3", "x", "", "a"}, {"4", "y", "", "a"}});
    grid->SortOptions.SecondaryIndex = QStringLiteral("3");
    grid->SortByColumn(1);
    EXPECT_EQ(Column(0), (QStringList{"3", "1", "2", "4"}));
    grid->SortOptions.SortDirection = sdDescending;
    grid->SortByColumn(1);
    EXPECT_EQ(Column(0), (QStringList{"2", "4", "1", "3"})); // full ties keep their order in both directions
    grid->SortByColumn(3);                                   // the duplicate key is dropped
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "4", "3"}));
}

TEST_F(SortGridTest, StyleFromTheHandlerOrDetectedOnce) {
    Fill({{"10"}, {"9"}, {""}});
    std::vector<int> asked;
    grid->OnGetSortStyle = [&](TSortGrid*, int col, TSortStyle& style) {
        asked.push_back(col);
        style = ssNumeric;
    };
    grid->SortByColumn(0);
    EXPECT_EQ(Column(0), (QStringList{"", "9", "10"}));
    EXPECT_EQ(asked, std::vector<int>{0});

    grid->OnGetSortStyle = nullptr;
    grid->SortOptions.SortStyle = ssAutomatic;
    grid->SetCell(0, 1, "3");
    grid->SortByColumn(0);
    EXPECT_EQ(grid->SortOptions.SortStyle, ssNumeric);

    // A custom comparison is handed over for one sort only.
    grid->SortOptions.SortStyle = ssCustom;
    grid->SortOptions.CompareProc = [](const QString& a, const QString& b) { return b.compare(a); };
    grid->SortByColumn(0);
    EXPECT_FALSE(grid->SortOptions.CompareProc);
}

TEST_F(SortGridTest, MarkedRowsFollowTheirDataThroughASort) {
    Fill({{"c"}, {"a"}, {"b"}});
    grid->SetCurrentRow(1); // "c"
    ASSERT_EQ(grid->SelectedRows(), std::vector<int>{1});
    grid->SortByColumn(0);
    EXPECT_EQ(grid->CurrentRow(), 3);
    EXPECT_EQ(grid->SelectedRows(), std::vector<int>{3});
}

TEST_F(SortGridTest, ASortRepaintsTheGridOnce) {
    Fill({{"c"}, {"a"}, {"b"}});
    int paints = 0;
    class PaintCounter : public QObject {
    public:
        explicit PaintCounter(int& n) : count(n) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++count;
            return false;
        }
        int& count;
    } counter(paints);
    QCoreApplication::processEvents();
    grid->viewport()->installEventFilter(&counter);
    grid->SortByColumn(0);
    QCoreApplication::processEvents();
    grid->viewport()->removeEventFilter(&counter);
    EXPECT_EQ(paints, 1);
}

namespace {

void CheckBoxInColumn2(TSortGrid* grid) {
    grid->OnGetCellFormat = [](TSortGrid*, int col, int row, TGridDrawState, TFormatOptions&, bool& checkBox,
                               bool& combobox, bool&) {
        checkBox = row > 0 && col == 2;
        combobox = row > 0 && col == 1;
    };
}

} // namespace

TEST_F(SortGridTest, CheckBoxCellsToggleByClickAndSpace) {
    Fill({{"1", "", "true"}, {"2", "", "x"}});
    CheckBoxInColumn2(grid.get());
    std::vector<std::pair<int, bool>> events;
    grid->OnSetChecked = [&](TSortGrid*, int, int row, bool state) { events.emplace_back(row, state); };

    EXPECT_TRUE(grid->IsCellChecked(2, 1));
    EXPECT_FALSE(grid->IsCellChecked(2, 2)); // any other text is unchecked
    EXPECT_FALSE(grid->IsCellChecked(0, 1)); // not a check-box cell
    Click(2, 1);
    EXPECT_EQ(grid->GetCell(2, 1), "");
    Click(2, 1);
    EXPECT_EQ(grid->GetCell(2, 1), "v");

    grid->SetCurrentCol(2);
    grid->SetCurrentRow(2);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    EXPECT_EQ(grid->GetCell(2, 2), "v");
    const std::vector<std::pair<int, bool>> expected{{1, false}, {1, true}, {2, true}};
    EXPECT_EQ(events, expected);

    grid->SetCell(2, 2, "?");
    EXPECT_TRUE(grid->IsCellChecked(2, 2));
    grid->SetCellChecked(0, 2, true); // only check-box cells are written
    EXPECT_EQ(grid->GetCell(0, 2), "2");
}

TEST_F(SortGridTest, ComboBoxCellOpensItsListAndWritesThePick) {
    Fill({{"1", "Frauen"}, {"2", ""}});
    CheckBoxInColumn2(grid.get());
    grid->OnGetComboBox = [](TSortGrid*, int, int, QStringList& strs, int&, int&, bool&) {
        strs << "Männer"
             << "Frauen"
             << "Jugend";
    };
    std::vector<QString> picks;
    grid->OnSetComboBox = [&](TSortGrid*, int col, int row, const QString& text) {
        EXPECT_EQ(col, 1);
        EXPECT_EQ(row, 1);
        picks.push_back(text);
    };

    Click(1, 1);
    QListWidget* list = grid->ComboList();
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Frauen"); // sorted
    EXPECT_EQ(list->currentItem()->text(), "Frauen");

    const QRect item = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(grid->GetCell(1, 1), "Männer");
    EXPECT_EQ(picks, std::vector<QString>{"Männer"});

    // An empty list does not open.
    grid->OnGetComboBox = [](TSortGrid*, int, int, QStringList&, int&, int&, bool&) {};
    Click(1, 2);
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(grid->ShowComboBox(1, 2));
    EXPECT_FALSE(grid->ShowComboBox(0, 2)); // not a combo-box cell
}

TEST_F(SortGridTest, ComboListCommitsWithEnterIntoTheCellItOpenedFor) {
    Fill({{"1", ""}, {"2", ""}});
    CheckBoxInColumn2(grid.get());
    grid->OnGetComboBox = [](TSortGrid*, int, int, QStringList& strs, int&, int&, bool& sorted) {
        strs << "b"
             << "a";
        sorted = false;
    };
    ASSERT_TRUE(grid->ShowComboBox(1, 2));
    QListWidget* list = grid->ComboList();
    EXPECT_EQ(list->item(0)->text(), "b"); // unsorted as asked
    EXPECT_EQ(list->currentItem()->text(), "b");
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(grid->GetCell(1, 2), "a");
    EXPECT_EQ(grid->GetCell(1, 1), "");
}

TEST_F(SortGridTest, EllipsisButtonReportsClicksAtItsRightEdge) {
    Fill({{"1", "x"}});
    grid->OnGetCellFormat = [](TSortGrid*, int col, int row, TGridDrawState, TFormatOptions&, bool&, bool&,
                               bool& ellipsis) { ellipsis = row > 0 && col == 1; };
    int clicks = 0;
    grid->OnSetEllipsis = [&](TSortGrid*, int col, int row) {
        EXPECT_EQ(col, 1);
        EXPECT_EQ(row, 1);
        ++clicks;
    };
    const QRect cell = grid->CellRect(1, 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(cell.left() + 3, cell.center().y()));
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(cell.right() - 3, cell.center().y()));
    EXPECT_EQ(clicks, 1);
    grid->SetCurrentCol(1);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SortGridTest, CellsOutsideTheCountsAreKept) {
    grid->SetCell(grid->ColCount(), 1, "hidden");
    EXPECT_EQ(grid->GetCell(grid->ColCount(), 1), "hidden");
    EXPECT_EQ(grid->GetCell(100, 100000), "");
    grid->SetRowCount(1000000); // a million rows cost nothing until written
    EXPECT_EQ(grid->RowCount(), 1000000);
    EXPECT_LE(grid->Store().AllocatedRows(), 2u);
    grid->GoToCell(0, 999999, true);
    EXPECT_EQ(grid->CurrentRow(), 999999);
    EXPECT_EQ(grid->TopRow(), 1000000 - grid->VisibleRowCount());
}

TEST_F(SortGridTest, ClientWidthIsTheViewportWidth) {
    grid->SetScrollBars(ssVertical);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->ClientWidth(), grid->viewport()->width());
    TSortGrid hidden; // also before the grid was ever shown
    hidden.SetScrollBars(ssVertical);
    hidden.resize(300, 200);
    hidden.show();
    EXPECT_EQ(hidden.ClientWidth(), hidden.viewport()->width());
}

TEST_F(SortGridTest, LastColumnStretchesToTheClientWidth) {
    for (int c = 0; c < 3; ++c)
        grid->SetColWidths(c, 50);
    grid->resize(450, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->ColWidths(3), grid->ClientWidth() - 150 - 4);
}

TEST_F(SortGridTest, AutoSizeFitsTheWidestText) {
    Fill({{"a"}, {"a much longer text"}});
    const QFontMetrics fm(grid->font());
    grid->AutoSizeColumn(0, false);
    EXPECT_EQ(grid->ColWidths(0), fm.horizontalAdvance("a much longer text") + fm.horizontalAdvance('X'));
    grid->SortOptions.SortCol = 1;
    grid->AutoSizeColumn(1, true);
    EXPECT_EQ(grid->ColWidths(1), fm.horizontalAdvance("H1") + 12 + fm.horizontalAdvance('X'));
    grid->SetCell(2, 0, "");
    grid->AutoSizeColumn(2, true);
    EXPECT_EQ(grid->ColWidths(2), fm.horizontalAdvance("xx"));
}

// The header row stays German data; the grid shows and measures it translated.
TEST_F(SortGridTest, HeaderRowShowsTranslatedAndKeepsTheGermanCell) {
    struct HeaderTranslator : QTranslator {
        QString translate(const char* context, const char* source, const char*, int) const override {
            return QByteArray(context) == "ListHeaders" && QByteArray(source) == "Mannschaft"
                       ? QStringLiteral("Name of the competing team")
                       : QString();
        }
        bool isEmpty() const override { return false; }
    } translator;
    QCoreApplication::installTranslator(&translator);
    Fill({{"Mannschaft", "x"}});
    grid->SetCell(0, 0, "Mannschaft");
    grid->SortOptions.SortCol = 3;
    grid->AutoSizeColumn(0, true);
    EXPECT_EQ(grid->ShownCell(0, 0), "Name of the competing team");
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(grid->GetCell(0, 0), "Mannschaft");
    EXPECT_EQ(grid->RowStrings(0)[0], "Mannschaft");
    EXPECT_EQ(grid->ShownCell(0, 1), "Mannschaft");
    const QFontMetrics fm(grid->font());
    EXPECT_EQ(grid->ColWidths(0),
              fm.horizontalAdvance("Name of the competing team") + fm.horizontalAdvance('X'));
}

TEST_F(SortGridTest, RenderedGridShowsArrowAndCheckBoxGlyphs) {
    Fill({{"1", "", "v"}});
    CheckBoxInColumn2(grid.get());
    grid->SortOptions.SortCol = 0;
    QImage image(grid->viewport()->size(), QImage::Format_RGB32);
    grid->viewport()->render(&image);
    // The "UP" arrow's tip column (x = left + 3 + 3) is dark in the header.
    const QRect header = grid->CellRect(0, 0);
    EXPECT_LT(image.pixelColor(header.left() + 6, header.height() / 2 + 2).lightness(), 100);
    // The check mark inside the "CHECKED" glyph.
    const QRect cell = grid->CellRect(2, 1);
    const int gx = cell.left() + (cell.width() - 16) / 2;
    const int gy = cell.top() + cell.height() / 2 - 8;
    EXPECT_EQ(image.pixelColor(gx + 7, gy + 10), QColor(Qt::black));
}

TEST(SortGridHeaderText, ShortenedToEndInTwoDots) {
    const QFont font(QStringLiteral("Courier New"), 10);
    const QFontMetrics fm(font);
    const QString text = QStringLiteral("Mannschaft");
    EXPECT_EQ(TSortGrid::FitHeaderText(text, fm, fm.horizontalAdvance(text)), text);
    const QString fitted =
        TSortGrid::FitHeaderText(text, fm, fm.horizontalAdvance(QStringLiteral("Mannsch..")));
    EXPECT_EQ(fitted, "Mannsch..");
    EXPECT_EQ(TSortGrid::FitHeaderText(text, fm, 0), "M.."); // never shorter than 3 characters
    EXPECT_EQ(TSortGrid::FitHeaderText(QStringLiteral("X"), fm, 0), "X");
    EXPECT_EQ(TSortGrid::FitHeaderText(QStringLiteral("Nr"), fm, 0), "..");
}

TEST_F(SortGridTest, LiveRowAndColumnLists) {
    Fill({{"a", "b", "c", "d"}, {"e", "f"}});
    TGridStrings row = grid->RowStrings(1);
    EXPECT_EQ(row.Count(), 4);
    row.Assign(QStringList{"x", "y"}); // the rest of the row stays
    EXPECT_EQ(row.ToStringList(), (QStringList{"x", "y", "c", "d"}));
    grid->SetCell(2, 1, "z");
    EXPECT_EQ(row[2], "z"); // live: reads the grid, not a copy
    TGridStrings col = grid->ColumnStrings(0);
    EXPECT_EQ(col.Count(), 3);
    col.Clear(); // header included
    EXPECT_EQ(grid->GetCell(0, 0), "");
    EXPECT_EQ(grid->GetCell(0, 2), "");
    EXPECT_EQ(grid->GetCell(1, 2), "f");
    grid->SetCell(grid->ColCount() + 2, 2, "beyond");
    grid->RowStrings(2).Clear(); // every stored cell of the row
    EXPECT_EQ(grid->GetCell(grid->ColCount() + 2, 2), "");
}

TEST_F(SortGridTest, BulkUpdateDefersAndRestores) {
    Fill({{"b"}, {"a"}});
    int begins = 0;
    int ends = 0;
    grid->OnBeginUpdate = [&](TSortGrid*) { ++begins; };
    grid->OnEndUpdate = [&](TSortGrid*) { ++ends; };
    grid->SortOptions.UpdateOnSizeChange = true;
    grid->BeginUpdate();
    grid->BeginUpdate(); // does not nest, and does not lose the saved setting
    EXPECT_TRUE(grid->NowUpdating());
    EXPECT_FALSE(grid->SortOptions.UpdateOnSizeChange);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    grid->EndUpdate();
    EXPECT_FALSE(grid->NowUpdating());
    EXPECT_TRUE(grid->SortOptions.UpdateOnSizeChange);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(begins, 2);
    EXPECT_EQ(ends, 1);

    grid->SortOptions.SortCol = 0;
    grid->SetRowCount(4); // a size change re-sorts when asked to
    EXPECT_EQ(Column(0), (QStringList{"", "a", "b"}));
}

TEST_F(SortGridTest, PopupMenuOnRightReleaseOverDataRowsOnly) {
    Fill({{"a"}});
    QMenu menu;
    menu.addAction(QStringLiteral("Zeile entfernen"));
    grid->SetPopupMenu(&menu);
    grid->SortOptions.CanSort = false;
    Click(0, 0, Qt::RightButton);
    EXPECT_FALSE(menu.isVisible());
    int poppedRow = -1;
    grid->OnPopup = [&](TSortGrid*, int, int row) { poppedRow = row; };
    Click(0, 1, Qt::RightButton);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(poppedRow, 1); // the menu knows the row it was opened on
    menu.hide();
}

TEST_F(SortGridTest, WheelScrollsThroughScrollToCell) {
    grid->SetRowCount(100);
    grid->SetTopRow(10);
    const auto turn = [&](int delta) {
        const QPointF pos(10, 40);
        QWheelEvent wheel(pos, grid->viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &wheel);
        EXPECT_TRUE(wheel.isAccepted());
    };
    turn(-120);
    EXPECT_EQ(grid->TopRow(), 11);
    turn(120);
    EXPECT_EQ(grid->TopRow(), 8);
    EXPECT_EQ(grid->CurrentRow(), 1); // the wheel moves the view, not the current cell
}

TEST_F(SortGridTest, DoubleClickOnAHeaderEdgeFitsTheColumn) {
    Fill({{"a rather long text"}});
    int doubleClicks = 0;
    grid->OnDblClick = [&](TSortGrid*) { ++doubleClicks; };
    const QRect header = grid->CellRect(0, 0);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(header.right(), header.center().y()));
    const QFontMetrics fm(grid->font());
    EXPECT_EQ(grid->ColWidths(0), fm.horizontalAdvance("a rather long text") + fm.horizontalAdvance('X'));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(grid->SortOptions.SortDirection, sdAscending); // the edge zone never sorts
}

TEST_F(SortGridTest, ProportionalThumbShowsTheVisibleShare) {
    grid->SetRowCount(200);
    grid->SetProportionalScrollBars(true);
    QScrollBar* bar = grid->verticalScrollBar();
    const double range = bar->maximum() - bar->minimum() + 1;
    EXPECT_EQ(bar->pageStep(), qRound((grid->VisibleRowCount() + 1) / 200.0 * range));
    grid->SetProportionalScrollBars(false);
    EXPECT_EQ(bar->pageStep(), 1);
}

TEST_F(SortGridTest, HideRowsBlanksTheDataRows) {
    Fill({{"Text"}, {"Text"}});
    grid->SetCurrentRow(2);
    grid->SetHideRows(true);
    EXPECT_EQ(grid->CurrentRow(), 1);
    QImage image(grid->viewport()->size(), QImage::Format_RGB32);
    grid->viewport()->render(&image);
    const QRect cell = grid->CellRect(0, 2);
    for (int x = cell.left(); x < cell.right(); ++x)
        ASSERT_EQ(image.pixelColor(x, cell.center().y()), QColor(Qt::white)) << x;
}

TEST_F(SortGridTest, DraggingAHeaderMovesTheColumnWithoutSorting) {
    Fill({{"a", "b", "c"}});
    grid->SetOptions(grid->Options() | goColMoving);
    grid->SortOptions.SortCol = 2;
    grid->SetModified(false);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, Center(0, 0));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, Center(2, 0));
    EXPECT_EQ(grid->RowStrings(1).ToStringList().mid(0, 3), (QStringList{"b", "c", "a"}));
    EXPECT_EQ(grid->SortOptions.SortCol, 1); // still on "c"
    EXPECT_TRUE(grid->Modified());
    EXPECT_EQ(grid->SortOptions.SortDirection, sdAscending);
}

TEST_F(SortGridTest, KeyboardReachesTheEndOfAMillionRows) {
    grid->SetRowCount(1000000);
    QTest::keyClick(grid.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentRow(), 999999);
    EXPECT_EQ(grid->TopRow() + grid->VisibleRowCount(), 1000000);
    QTest::keyClick(grid.get(), Qt::Key_PageUp);
    EXPECT_EQ(grid->CurrentRow(), 999999 - grid->VisibleRowCount());
}

// A marked cell keeps its amber on the selected row; the rest of the row
// shows the selection.
TEST_F(SortGridTest, AMarkedCellStaysAmberWhereTheSelectionCoversIt) {
    Fill({{"1", "a"}, {"2", "b"}});
    grid->SetOptions(grid->Options() | goRowSelect);
    grid->OnGetCellFormat = [](TSortGrid*, int col, int row, TGridDrawState, TFormatOptions& fo, bool&, bool&,
                               bool&) {
        if (col == 1 && row >= 1) fo.Mark = clAmber;
    };
    grid->SetCurrentRow(2);
    const QImage image = grid->viewport()->grab().toImage();
    const auto background = [&](int col, int row) {
        const QRect r = grid->CellRect(col, row);
        return image.pixelColor(r.right() - 2, r.bottom() - 2);
    };
    EXPECT_EQ(background(1, 1), ToQColor(clAmber));
    EXPECT_EQ(background(1, 2), ToQColor(clAmber));
    EXPECT_EQ(background(0, 2), ToQColor(clHighlight));
    EXPECT_EQ(background(0, 1), ToQColor(clWindow));
}
