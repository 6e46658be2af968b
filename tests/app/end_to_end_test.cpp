#include "controls/bit_btn_with_color.h"
#include "controls/sort_grid.h"
#include "core/stages.h"
#include "test_platform.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

namespace {

class EndToEnd : public ActiveForm {
protected:
    // One run: lane `first` stops after `firstMs`, the other lane `secondMs` later.
    void Run(int first, int firstMs, int secondMs) {
        ASSERT_TRUE(form->bSTART->isEnabled());
        QTest::mouseClick(form->bSTART, Qt::LeftButton);
        wb.clock.now += static_cast<uint32_t>(firstMs);
        QTest::keyClick(form.get(), first == 1 ? Qt::Key_1 : Qt::Key_2);
        wb.clock.now += static_cast<uint32_t>(secondMs);
        QTest::mousePress(first == 1 ? form->bSTOP2 : form->bSTOP1, Qt::LeftButton);
        QTest::mouseRelease(first == 1 ? form->bSTOP2 : form->bSTOP1, Qt::LeftButton);
        ASSERT_TRUE(form->bRESET->isEnabled());
    }

    void Reset() { QTest::keyClick(form.get(), Qt::Key_0); }

    void TypePenalty(int col, int row, const QString& seconds) {
        TSortGrid* protocol = form->SortGrid2;
        QTest::mouseClick(protocol->viewport(), Qt::LeftButton, {}, protocol->CellRect(col, row).center());
        QTest::keyClicks(protocol, seconds);
        QTest::keyClick(protocol, Qt::Key_Return);
    }
};

} // namespace

TEST_F(EndToEnd, FromTheTeamsToTheRankedWebPage) {
    // The teams in the time protocol; teams 1 and 2 are marked qualified.
    FillList(
        form->SortGrid2,
        {ProtocolHeaderRow(), {"1", "Eins", "", "v"}, {"2", "Zwei", "", "v"}, {"3", "Drei"}, {"4", "Vier"}});
    form->SelectDatenbank(form->DatenbanknachVorlauf2);
    form->RebuildLaneLists();
    form->UpdateCommandStates();

    // Run 1: teams 1 and 2; lane 1 by key, lane 2 by its button.
    Run(1, 23456, 1000);
    TSortGrid* protocol = form->SortGrid2;
    EXPECT_EQ(protocol->GetCell(pc::Zeit1, 1), "23,45");
    EXPECT_EQ(protocol->GetCell(pc::Zeit2, 2), "24,45");
    EXPECT_EQ(wb.Read(form->AutoSaveFile),
              QByteArray("Nr.\tName\tKlasse\tQ.\tZeit\tFehler\tGesamt\tZeit\tFehler\t"
                         "Gesamt\tBestzeit\t\r\n"
                         "1\tEins\t \tv\t23,45\t0\t23,45\t \t \t \t23,45\t\r\n"
                         "2\tZwei\t \tv\t \t \t \t24,45\t0\t24,45\t24,45\t\r\n"
                         "3\tDrei\t \t \t \t \t \t \t \t \t \t\r\n"
                         "4\tVier\t \t \t \t \t \t \t \t \t \t\r\n"));

    // Run 2: teams 3 and 4, lane 2 first.
    Reset();
    ASSERT_EQ(form->cbBuhn1->currentText(), "  3 Drei");
    ASSERT_EQ(form->cbBuhn2->currentText(), "  4 Vier");
    Run(2, 28100, 1900);
    EXPECT_EQ(protocol->GetCell(pc::Bestzeit, 4), "28,10");
    EXPECT_EQ(protocol->GetCell(pc::Bestzeit, 3), "30,00");

    // Run 3: the lanes swap sides, team 2 on lane 1 and team 1 on lane 2.
    Reset();
    ASSERT_EQ(form->cbBuhn1->currentText(), "  2 Zwei");
    ASSERT_EQ(form->cbBuhn2->currentText(), "  1 Eins");
    Run(1, 22000, 3000);
    EXPECT_EQ(RowOf(protocol, 2).mid(pc::Zeit1),
              (QStringList{"22,00", "0", "22,00", "24,45", "0", "24,45", "22,00"}));
    EXPECT_EQ(RowOf(protocol, 1).mid(pc::Zeit1),
              (QStringList{"23,45", "0", "23,45", "25,00", "0", "25,00", "23,45"}));
    Reset();

    // Penalties: team 2 one second on lane 1, team 1 three seconds on lane 2.
    TypePenalty(pc::Fehler1, 2, "1");
    TypePenalty(pc::Fehler2, 1, "3");
    EXPECT_EQ(RowOf(protocol, 2).mid(pc::Zeit1),
              (QStringList{"22,00", "1", "23,00", "24,45", "0", "24,45", "23,00"}));
    EXPECT_EQ(RowOf(protocol, 1).mid(pc::Gesamt2), (QStringList{"28,00", "23,45"}));

    // The result lists from the list menu.
    QTest::mouseClick(form->bQ, Qt::LeftButton);
    ASSERT_TRUE(form->PopupMenuQ4->isVisible());
    form->PopupMenuQ4->close();
    form->StageEntry(19)->trigger();
    ASSERT_EQ(form->CurrentList, form->SortGrid3);
    EXPECT_EQ(RowOf(form->SortGrid3, 1), (QStringList{"1", "Zwei", "", "22,00", "1", "23,00"}));
    EXPECT_EQ(RowOf(form->SortGrid3, 2), (QStringList{"2", "Eins", "", "23,45", "0", "23,45"}));
    EXPECT_EQ(form->SortGrid3->RowCount(), 3);
    EXPECT_EQ(form->SortGrid4->ColumnStrings(rc::Mannschaft).ToStringList().mid(1),
              (QStringList{"Zwei", "Eins", "Vier", "Drei"}));
    EXPECT_EQ(form->SortGrid4->ColumnStrings(rc::Platz).ToStringList().mid(1),
              (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(protocol->ColumnStrings(pc::Nr).ToStringList().mid(1), (QStringList{"1", "2", "3", "4"}));

    // The page of the shown result, beside the program, opened in the browser.
    QTest::mouseClick(form->sbHTML, Qt::LeftButton);
    const QString page = wb.Path("Qualifikations-Ergebnis.html");
    ASSERT_EQ(wb.shell.opened, QStringList{page});
    const QByteArray html = wb.Read(page);
    EXPECT_TRUE(html.contains("<H3><center><BR>Qualifikations-Ergebnis</H3>"));
    const qsizetype first = html.indexOf("<tr><td>1<td>&nbsp;Zwei<td>&nbsp;<td>22.00<td>1<td>23.00</tr>\r\n");
    const qsizetype second =
        html.indexOf("<tr><td>2<td>&nbsp;Eins<td>&nbsp;<td>23.45<td>0<td>23.45</tr>\r\n");
    EXPECT_GT(first, 0);
    EXPECT_GT(second, first);
    EXPECT_TRUE(wb.modal.messages.isEmpty());
}
