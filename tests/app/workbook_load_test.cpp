#include "controls/bit_btn_with_color.h"
#include "controls/sort_grid.h"
#include "test_platform.h"

#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

namespace {

class WorkbookLoad : public ShownForm {
protected:
    // A copy in the test's folder under the name the stages are read from.
    QString Fixture(const char* fixture, const QString& name) {
        const QString path = wb.Path(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(QStringLiteral(ZN_TEST_DATA_DIR "/workbooks/") + fixture, path));
        return path;
    }
    void Load(const QString& path) {
        wb.files.chosen = path;
        QTest::mouseClick(form->sbLoad, Qt::LeftButton);
    }
    static QStringList TeamRow(TSortGrid* grid, const QString& nr) {
        for (int r = 1; r < grid->RowCount(); ++r)
            if (grid->GetCell(0, r) == nr) return RowOf(grid, r);
        return {};
    }
    std::array<ListRows, 4> AllLists() const {
        return {RowsOf(form->SortGrid1->Store()), RowsOf(form->SortGrid2->Store()),
                RowsOf(form->SortGrid3->Store()), RowsOf(form->SortGrid4->Store())};
    }
};

} // namespace

TEST_F(WorkbookLoad, TeamsReachTheLanesAndTheStageOpens) {
    const QString path = Fixture("Vorlauf_office.xlsx", "Vorlauf Kreis.xlsx");
    Load(path);
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join(" ").toStdString();
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(form->Startliste[s]->isEnabled(), s == 1) << s;
    EXPECT_EQ(form->CurrentList, form->SortGrid1);
    EXPECT_EQ(form->windowTitle(), "Vorlauf Kreis: " + TFormMain::kAppTitle);
    // The lanes offer the time protocol's three teams (the team list has five).
    EXPECT_EQ(form->cbBuhn1->count(), 3);
    EXPECT_EQ(form->cbBuhn1->currentText(), QString::fromUtf8("  1 Löschzug Nord"));
    EXPECT_EQ(form->cbBuhn2->currentText(), QString::fromUtf8("  2 Wehr Mühlbach & Tal"));
    EXPECT_TRUE(form->bSTART->isEnabled());
    EXPECT_EQ(form->SaveFileName, path);

    // The protocol's times come with two decimals, its penalties as they were.
    EXPECT_EQ(TeamRow(form->SortGrid2, "1"),
              QStringList({"1", QString::fromUtf8("Löschzug Nord"), "A", "", "21,50", "0", "21,50", "22,25",
                           "5", "27,25", "21,50"}));
    EXPECT_EQ(TeamRow(form->SortGrid3, "2").value(1), QString::fromUtf8("Löschzug Nord"));
    EXPECT_EQ(RowOf(form->SortGrid1, 0), ProtocolHeaderRow());
}

// The console's export, opened and saved again by LibreOffice: its number
// formats once crashed the console on loading.
TEST_F(WorkbookLoad, ExportSavedByLibreOfficeFillsTheLists) {
    Load(Fixture("Vorlauf_export.ods", "Vorlauf.ods"));
    EXPECT_TRUE(wb.modal.messages.isEmpty()) << wb.modal.messages.join(" ").toStdString();
    EXPECT_TRUE(form->Startliste[1]->isEnabled());
    EXPECT_EQ(form->cbBuhn1->currentText(), QString::fromUtf8("  1 FF Mühlbach"));
    EXPECT_EQ(TeamRow(form->SortGrid2, "1"),
              QStringList({"1", QString::fromUtf8("FF Mühlbach"), QString::fromUtf8("Männer"), "v", "21,50",
                           "0", "21,50", "22,25", "5", "27,25", "21,50"}));
    EXPECT_EQ(RowOf(form->SortGrid1, 0), ProtocolHeaderRow());
}

// A workbook that cannot be read leaves every list, the caption and the
// target of "save the current list" as the last good load left them.
TEST_F(WorkbookLoad, BrokenFileChangesNothing) {
    const QString good = Fixture("Vorlauf_script.xlsx", "Vorlauf.xlsx");
    Load(good);
    ASSERT_TRUE(wb.modal.messages.isEmpty());
    const auto before = AllLists();
    const QString caption = form->windowTitle();

    const QString broken = wb.Path("Finale.xlsx");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wb.Read(good).left(700)); // cut off mid-package
    file.close();
    Load(broken);
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(wb.modal.messages.front().contains("Finale.xlsx"));
    EXPECT_TRUE(AllLists() == before);
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_FALSE(form->Startliste[5]->isEnabled());
    EXPECT_EQ(form->SaveFileName, good);
}

// `zeitnahme "Vorlauf Kreis.xlsx"` from the file manager: a name relative to
// the working folder loads as the open dialog would; a missing one says so
// and the console starts empty.
TEST_F(WorkbookLoad, WorkbookNamedOnTheCommandLine) {
    const auto empty = AllLists();
    EXPECT_FALSE(form->OpenStartupWorkbook({"zeitnahme"}));
    EXPECT_FALSE(form->OpenStartupWorkbook({"zeitnahme", "fehlt.xlsx"}));
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(wb.modal.messages.front().contains("fehlt.xlsx"));
    EXPECT_TRUE(AllLists() == empty);

    const QString path = Fixture("Vorlauf.ods", "Vorlauf Kreis.ods");
    ASSERT_TRUE(form->OpenStartupWorkbook({"zeitnahme", "-nograb", "Vorlauf Kreis.ods"}));
    EXPECT_EQ(wb.modal.messages.size(), 1);
    EXPECT_EQ(form->SaveFileName, QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(form->cbBuhn1->count(), 3);
    EXPECT_TRUE(form->Startliste[1]->isEnabled());
}
