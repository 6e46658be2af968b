#include "controls/sort_grid.h"
#include "test_platform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

namespace {

constexpr int kTeams = 120;

// The team of number n (1 .. 120) is "Team <letter><digit>": 96 is "Team J5".
QString TeamName(int n) {
    return QStringLiteral("Team %1%2").arg(QChar(u'A' + (n - 1) / 10)).arg((n - 1) % 10);
}

// A time protocol of 120 teams shown in the window, in shuffled number order,
// so that a click on the "Nr." header moves nearly every row.
class ListSelection : public ::testing::Test {
protected:
    Workbench wb;
    std::unique_ptr<ConsoleProbe> form;
    TSortGrid* protocol = nullptr;

    void SetUp() override {
        wb.Touch(QStringLiteral("Klasse.txt"));
        QFile classes(wb.Path(QStringLiteral("Klasse.txt")));
        ASSERT_TRUE(classes.open(QIODevice::WriteOnly));
        classes.write("M\xc3\xa4nner\nFrauen\nJugend\n");
        classes.close();

        form = wb.MakeForm();
        ASSERT_TRUE(Workbench::ShowActive(*form));
        protocol = form->SortGrid2;
        QList<QStringList> rows{ProtocolHeaderRow()};
        for (int r = 1; r <= kTeams; ++r) {
            const int nr = (r * 37) % kTeams + 1; // 37 is prime to 120: every number once
            rows.append({QString::number(nr), TeamName(nr)});
        }
        FillList(protocol, rows);
        form->SelectDatenbank(form->DatenbanknachVorlauf2);
        form->RebuildLaneLists();
        form->UpdateCommandStates();
    }

    void TearDown() override { form.reset(); }

    int RowOfTeam(const QString& name) const {
        for (int r = 1; r < protocol->RowCount(); ++r)
            if (protocol->GetCell(pc::Name, r) == name) return r;
        return -1;
    }

    void ClickCell(int col, int row) {
        const QRect cell = protocol->CellRect(col, row);
        ASSERT_FALSE(cell.isEmpty()) << col << "," << row << " is not in view";
        QTest::mouseClick(protocol->viewport(), Qt::LeftButton, {}, cell.center());
    }

    // The current row is on screen and the only marked row.
    void ExpectCurrentRowShownAndMarked(int row) {
        EXPECT_EQ(protocol->CurrentRow(), row);
        EXPECT_FALSE(protocol->CellRect(pc::Name, row).isEmpty()) << "row " << row << " is scrolled out";
        EXPECT_EQ(protocol->SelectedRows(), std::vector<int>{row});
    }

    QString KeyOfRow(int row) const {
        return TeamKey(protocol->GetCell(pc::Nr, row), protocol->GetCell(pc::Name, row));
    }
};

} // namespace

TEST_F(ListSelection, HeaderSortKeepsThePickedTeamCurrentAndOnALane) {
    protocol->ScrollToCell(pc::Name, RowOfTeam("Team J5"));
    ClickCell(pc::Name, RowOfTeam("Team J5"));
    ASSERT_EQ(protocol->GetCell(pc::Name, protocol->CurrentRow()), "Team J5");

    ClickCell(pc::Nr, 0);
    ASSERT_EQ(protocol->GetCell(pc::Nr, 1), "1"); // the header click did sort
    ExpectCurrentRowShownAndMarked(96);
    EXPECT_EQ(protocol->GetCell(pc::Name, 96), "Team J5");

    QTest::mouseClick(form->sb1, Qt::LeftButton);
    EXPECT_EQ(form->cbBuhn1->currentText(), " 96 Team J5");
}

TEST_F(ListSelection, KeysMoveTheSelectedRowAndKeepItInView) {
    ClickCell(pc::Name, 1);
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(protocol, Qt::Key_Down);
    ExpectCurrentRowShownAndMarked(41);
    QTest::mouseClick(form->sb2, Qt::LeftButton);
    EXPECT_EQ(form->cbBuhn2->currentText(), KeyOfRow(41));

    QTest::keyClick(protocol, Qt::Key_End, Qt::ControlModifier);
    ExpectCurrentRowShownAndMarked(kTeams);
    QTest::mouseClick(form->sb1, Qt::LeftButton);
    EXPECT_EQ(form->cbBuhn1->currentText(), KeyOfRow(kTeams));

    // A sort now keeps that team, not the one that was marked before.
    const QString last = protocol->GetCell(pc::Name, kTeams);
    ClickCell(pc::Name, 0);
    EXPECT_EQ(protocol->GetCell(pc::Name, protocol->CurrentRow()), last);
    ExpectCurrentRowShownAndMarked(protocol->CurrentRow());
}

TEST_F(ListSelection, ClassListWritesOnlyAPick) {
    QListWidget* list = protocol->ComboList();
    protocol->SetModified(false);

    // Opened on an empty cell and left by a click elsewhere: nothing written.
    ClickCell(pc::Klasse, 1);
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->currentItem()->text(), "Frauen");
    ClickCell(pc::Name, 3);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(protocol->GetCell(pc::Klasse, 1), "");
    EXPECT_FALSE(protocol->Modified());

    // Escape leaves the cell and Modified alone.
    ClickCell(pc::Klasse, 2);
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(protocol->GetCell(pc::Klasse, 2), "");
    EXPECT_FALSE(protocol->Modified());

    // A pick writes.
    ClickCell(pc::Klasse, 2);
    ASSERT_TRUE(list->isVisible());
    const QListWidgetItem* jugend = list->findItems("Jugend", Qt::MatchExactly).value(0);
    ASSERT_NE(jugend, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(jugend).center());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(protocol->GetCell(pc::Klasse, 2), "Jugend");
    EXPECT_TRUE(protocol->Modified());
}

// A penalty typed and then a header click: the edit stays with its team and
// Enter commits it there; the team that comes to stand at the old row number
// is not touched (its blank penalty would otherwise become "0").
TEST_F(ListSelection, PenaltyEditStaysWithItsTeamThroughASort) {
    for (int r = 1; r <= kTeams; ++r)
        protocol->SetCell(pc::Zeit1, r, "30,00");
    ClickCell(pc::Fehler1, 2);
    const QString team = protocol->GetCell(pc::Name, 2);
    QTest::keyClicks(protocol, "3");
    ClickCell(pc::Nr, 0);
    QTest::keyClick(protocol->InplaceEditor(), Qt::Key_Return);

    const int row = RowOfTeam(team);
    EXPECT_EQ(protocol->CurrentRow(), row);
    EXPECT_EQ(RowOf(protocol, row).mid(pc::Zeit1, 3), (QStringList{"30,00", "3", "33,00"}));
    QStringList penalties = protocol->ColumnStrings(pc::Fehler1);
    penalties.removeAt(row);
    EXPECT_EQ(penalties.join(QString()), "Fehler");
}
