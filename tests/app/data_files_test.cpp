#include "controls/bit_btn_with_color.h"
#include "controls/sort_grid.h"
#include "test_platform.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

// An installed console: its cues and pages lie in the data folder, not in the
// working folder; what lies in the working folder comes first.
TEST(DataFilesOfTheConsole, FoundInTheDataFoldersInTheirOrder) {
    Workbench wb;
    QDir(wb.dir.path()).mkpath("share");
    const QDir share(wb.Path("share"));
    for (const char* name : {"FERTIG.wav", "START.wav", "app_tests.html", "app_tests-info.html"}) {
        QFile f(share.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    wb.Touch("START.wav");
    {
        QFile f(share.filePath("Klasse.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Männer\nFrauen\n");
    }
    PlatformServices platform = wb.Platform();
    platform.dataFiles = {wb.dir.path(), share.path()};
    ConsoleProbe form(platform);
    form.UseResultFolder(OutputLocation{wb.dir.path(), true});
    ASSERT_TRUE(Workbench::ShowActive(form));

    EXPECT_EQ(form.ClassList.value_or(QStringList()), (QStringList{"Männer", "Frauen"}));
    form.bHelpClick();
    form.Label5Click();
    EXPECT_EQ(wb.shell.opened,
              (QStringList{share.filePath("app_tests.html"), share.filePath("app_tests-info.html")}));

    TSortGrid* protocol = form.SortGrid2;
    protocol->SetRowCount(3);
    protocol->SetCell(0, 1, "7");
    protocol->SetCell(1, 1, "Ost");
    protocol->SetCell(0, 2, "12");
    protocol->SetCell(1, 2, "West");
    form.RebuildLaneLists();
    form.cbBuhn1->setCurrentIndex(0);
    form.cbBuhn2->setCurrentIndex(1);
    form.UpdateCommandStates();
    ASSERT_TRUE(form.bSTART->isEnabled());
    QTest::mouseClick(form.bSTART, Qt::LeftButton);
    QTest::keyClick(&form, Qt::Key_1);
    // Found cues go to the player by their whole path; a missing one by its
    // bare name, which sounds the system alert.
    EXPECT_EQ(wb.sound.paths, (QStringList{share.filePath("FERTIG.wav"), wb.Path("START.wav"), "STOPP.wav"}));
}
