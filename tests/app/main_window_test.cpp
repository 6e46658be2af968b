#include "app/application_setup.h"
#include "controls/bit_btn_with_color.h"
#include "controls/digit.h"
#include "controls/label_3d.h"
#include "controls/led.h"
#include "controls/sort_grid.h"
#include "core/console_settings.h"
#include "core/main_layout.h"
#include "test_platform.h"

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

using namespace zn;
using namespace zn::test;

namespace {

class MainWindow : public ::testing::Test {
protected:
    Workbench wb;

    static ConsoleSettings PlacedAtDesignSize() {
        ConsoleSettings s;
        s.left = 0;
        s.top = 0;
        s.width = ConsoleProbe::kDesignWidth;
        s.height = ConsoleProbe::kDesignHeight;
        return s;
    }
};

} // namespace

TEST_F(MainWindow, StartUpBuildsTheConsole) {
    auto form = wb.MakeForm();
    EXPECT_EQ(form->windowTitle(), "Kronvik-Rozodiroz-Zevezodid3 v. 1.5");
    EXPECT_EQ(form->size(), QSize(1006, 615));
    EXPECT_EQ(form->CurrentList, form->SortGrid1);
    EXPECT_EQ(form->Lists[2], form->SortGrid2);
    EXPECT_EQ(form->SortGrid1->GetCell(0, 0), "Nr.");
    EXPECT_EQ(form->SortGrid1->GetCell(10, 0), "Bestzeit");
    EXPECT_EQ(form->SortGrid3->GetCell(3, 0), QString::fromUtf8("Übungszeit"));
    EXPECT_EQ(form->SortGridTop->GetCell(2, 0), "Bahn 2");
    EXPECT_EQ(form->StatusPanel1->text(), " Datenbank von Vorlauf");
    EXPECT_EQ(form->StatusPanel0->width(), 50);
    EXPECT_EQ(form->bFSTART->geometry(), form->bSTART->geometry());
    EXPECT_TRUE(form->bFSTART->isHidden());
    EXPECT_FALSE(form->cbBuhn1->isEnabled());
    EXPECT_FALSE(form->ClassList.has_value());
    EXPECT_NE(form->PanelDate->text(), "00:00");
    EXPECT_EQ(wb.sound.warmed, (QStringList{"FERTIG.wav", "START.wav", "STOPP.wav", "Fehlstart.wav"}));
    // No list data yet: the list commands wait for it.
    EXPECT_FALSE(form->sbSave->isEnabled());
    EXPECT_TRUE(form->HelpFile.endsWith(".html"));
}

TEST_F(MainWindow, ClassListComesFromTheWorkingFolder) {
    {
        QFile f(wb.dir.filePath("Klasse.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Frauen\nMaenner\nJugend\n");
    }
    auto form = wb.MakeForm();
    ASSERT_TRUE(form->ClassList.has_value());
    EXPECT_EQ(*form->ClassList, (QStringList{"Frauen", "Maenner", "Jugend"}));
}

TEST_F(MainWindow, SettingsSurviveARestart) {
    {
        auto form = wb.MakeForm();
        form->Title1->SetCaption("FF Ost");
        form->Title2->SetCaption("FF West");
        form->Settings.lanes[0] = {3, 1, 2};
        form->Settings.lanes[1] = {3, 0, 0};
        form->CertificateLines[9].text = "Gestiftet vom Kreisverband";
        form->CertificateLines[9].printOn = 1;
        form->SaveFilterIndex = 3;
        form->resize(1100, 700);
        form->move(40, 30);
    } // shut-down writes the settings back
    QSettings store(wb.SettingsPath(), QSettings::IniFormat);
    EXPECT_EQ(store.value("Port1").toInt(), 256 + 3);
    EXPECT_EQ(store.value("Width").toInt(), 1100);

    auto form = wb.MakeForm();
    EXPECT_EQ(form->Title1->Caption(), "FF Ost");
    EXPECT_EQ(form->Title2->Caption(), "FF West");
    EXPECT_EQ(form->Settings.lanes[0].port, 3);
    EXPECT_EQ(form->Settings.lanes[0].contactLine, 1);
    EXPECT_EQ(form->Settings.lanes[0].contactMode, 2);
    EXPECT_EQ(form->Settings.certificateLayout.size(), kCertificateLayoutSize);
    EXPECT_EQ(form->CertificateLines[9].text, "Gestiftet vom Kreisverband");
    EXPECT_EQ(form->CertificateLines[9].printOn, 1);
    EXPECT_EQ(form->CertificateLines[0].fontName, "Times New Roman"); // first-run places kept
    EXPECT_EQ(form->SaveFilterIndex, 3);
    EXPECT_EQ(form->size(), QSize(1100, 700));
}

TEST_F(MainWindow, EmptySavedTitleKeepsTheDesignCaption) {
    {
        QSettings store(wb.SettingsPath(), QSettings::IniFormat);
        WriteConsoleSettings(store, PlacedAtDesignSize()); // both titles empty
    }
    auto form = wb.MakeForm();
    EXPECT_EQ(form->Title1->Caption(), "Zozaridu Ziveve Zoz ");
}

TEST_F(MainWindow, TooLongLayoutStopsTheReadingBeforeTheTitles) {
    {
        QSettings store(wb.SettingsPath(), QSettings::IniFormat);
        ConsoleSettings s = PlacedAtDesignSize();
        s.title1 = "Nie gelesen";
        s.filterIndex = 4;
        WriteConsoleSettings(store, s);
        store.setValue("Nadpis", QByteArray(kCertificateLayoutSize + 1, 'x'));
    }
    auto form = wb.MakeForm();
    EXPECT_EQ(form->Title1->Caption(), "Zozaridu Ziveve Zoz ");
    EXPECT_EQ(form->SaveFilterIndex, 2);
    // The block is still written back whole at shut-down.
    form.reset();
    QSettings store(wb.SettingsPath(), QSettings::IniFormat);
    EXPECT_EQ(store.value("Nadpis").toByteArray().size(), kCertificateLayoutSize);
}

TEST_F(MainWindow, TimerBandAtTheDesignSize) {
    auto form = wb.MakeForm();
    form->show();
    // P = (1006 - 18) / 2 = 494; band 494 / 2.4 = 205.8 -> 206.
    EXPECT_EQ(form->PanelT1->width(), 494);
    EXPECT_EQ(form->PanelT2->width(), 494);
    EXPECT_EQ(form->PanelTimer->height(), 206);
    TDigit* d1 = form->Digits[0][0];
    EXPECT_EQ(d1->width(), 81); // 494 / 6.125 = 80.65
    EXPECT_EQ(d1->height(), 206 - form->Lab1_sek->height() - d1->y());
    EXPECT_EQ(d1->Thickness(), 9); // 494 / 55 = 8.98
    const int lefts[] = {8, 98, 188, 314, 404};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(form->Digits[0][i]->x(), lefts[i]) << i;
        EXPECT_EQ(form->Digits[1][i]->geometry(), form->Digits[0][i]->geometry()) << i;
    }
    EXPECT_EQ(form->LabSec1->x(), 278);
    EXPECT_EQ(form->LabSec1->width(), 36);
    EXPECT_EQ(form->LabSec1->y(), d1->y() + d1->height() / 2);
    EXPECT_EQ(form->LabSec2->geometry(), form->LabSec1->geometry());
    EXPECT_EQ(form->Lab1_sek->y(), 206 - form->Lab1_sek->height());
    EXPECT_EQ(form->Lab1_100->x(), 314);
    EXPECT_EQ(form->Lab1_100->width(), 162);
    EXPECT_EQ(form->Led1->y(), form->PanelCentr->height() - 16 - 2);
    // Title band: (1006 - 60) / 2.
    EXPECT_EQ(form->PanelLL->width(), 473);
    EXPECT_EQ(form->PanelRR->width(), 473);
}

// The lists keep at least 208 px (buttons and five rows); the timer band
// gives way and its digits shrink with it, keeping their shape.
TEST_F(MainWindow, TimerBandGivesWayToTheLists) {
    auto form = wb.MakeForm();
    form->show();
    form->resize(800, 445);
    EXPECT_EQ(form->height(), 445);
    const int band = 445 - 98 - form->StatusBar1->height() - 208;
    EXPECT_EQ(form->PanelT1->width(), 391);
    EXPECT_EQ(form->PanelTimer->height(), band);
    EXPECT_EQ(form->PanelLeft->y(), 98 + band);
    EXPECT_EQ(form->PanelLeft->height(), 208);
    EXPECT_EQ(form->PanelLeft->geometry().bottom() + 1, form->StatusBar1->y());
    TDigit* d1 = form->Digits[0][0];
    EXPECT_EQ(d1->width(), RoundHalfEven(band * 2.4 / 6.125));
    EXPECT_EQ(d1->height(), band - form->Lab1_sek->height() - d1->y());
    EXPECT_EQ(form->Digits[0][4]->x(), 391 - d1->width() - d1->Thickness()); // hundredths stay right
    EXPECT_EQ(form->Digits[1][4]->geometry(), form->Digits[0][4]->geometry());

    form->resize(1920, 615);
    EXPECT_EQ(form->PanelLeft->height(), 208);
    EXPECT_GE(form->SortGrid2->height(), 208 - 101);
    // Tall enough: the band follows the width again (P = 951, 951 / 2.4).
    form->resize(1920, 1080);
    EXPECT_EQ(form->PanelTimer->height(), 396);
}

TEST_F(MainWindow, ListColumnsFollowTheGridWidth) {
    auto form = wb.MakeForm();
    form->show();
    const int widths[] = {32, -1, 66, 40, 74, 62, 74, 74, 62, 74, 88};
    TSortGrid* g = form->SortGrid1;
    for (int c = 0; c < 11; ++c) {
        if (widths[c] < 0) continue;
        EXPECT_EQ(g->ColWidths(c), widths[c]) << c;
    }
    EXPECT_EQ(g->ColWidths(1), g->ClientWidth() - 646 - 11);
    TSortGrid* top = form->SortGridTop;
    EXPECT_EQ(top->ColWidths(0), 32 + g->ColWidths(1) + 66 + 40 + 3);
    EXPECT_EQ(top->ColWidths(1), 74 + 62 + 74 + 2);
    TSortGrid* r = form->SortGrid3;
    EXPECT_EQ(r->ColWidths(0), 49);
    EXPECT_EQ(r->ColWidths(1), r->ClientWidth() - 403 - 6);
}

TEST_F(MainWindow, HelpAndLogoOpenTheProgramsOwnPages) {
    auto form = wb.MakeForm();
    ASSERT_TRUE(Workbench::ShowActive(*form));
    QTest::keyClick(form.get(), Qt::Key_F1);
    form->Label5Click();
    ASSERT_EQ(wb.shell.opened.size(), 1 + 1);
    EXPECT_TRUE(wb.shell.opened[0].endsWith("app_tests.html"));
    EXPECT_TRUE(wb.shell.opened[1].endsWith("app_tests-info.html"));
}

TEST_F(MainWindow, DisabledMenuItemsDoNotAct) {
    auto form = wb.MakeForm();
    form->Clock->start();
    ConsoleProbe::Click(form->mFStart); // disabled until a run starts
    EXPECT_TRUE(form->Clock->isActive());
    form->mFStart->setEnabled(true);
    ConsoleProbe::Click(form->mFStart);
    EXPECT_FALSE(form->Clock->isActive());
}

TEST_F(MainWindow, DateFitsItsPanelInLocalesWithLongDates) {
    const QLocale german;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    auto form = wb.MakeForm();
    form->TimerDateTimer();
    QLocale::setDefault(german);
    QLabel* date = form->PanelDate;
    EXPECT_LE(QFontMetrics(date->font()).horizontalAdvance(date->text()), date->width());
    EXPECT_TRUE(date->text().contains("   "));
}

TEST_F(MainWindow, BoundsReadBeforeAStopApplyOnTheirOwn) {
    {
        QSettings store(wb.SettingsPath(), QSettings::IniFormat);
        ConsoleSettings s = PlacedAtDesignSize();
        s.left = 70;
        s.width = 1200;
        WriteConsoleSettings(store, s);
        store.remove("Top"); // the reading stops here: Width and Height stay unread
    }
    auto form = wb.MakeForm();
    EXPECT_EQ(form->x(), 70);
    EXPECT_EQ(form->width(), ConsoleProbe::kDesignWidth);
}

// X11 window managers append the application display name to every caption
// that does not already end with it, so none is set: the caption the window
// system gets is the console's own, with the title once.
TEST_F(MainWindow, CaptionReachesTheWindowSystemAsWritten) {
    ConfigureApplication();
    auto form = wb.MakeForm();
    form->show();
    EXPECT_EQ(form->windowHandle()->title(), "Kronvik-Rozodiroz-Zevezodid3 v. 1.5");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

TEST_F(MainWindow, WindowSavedOnAScreenThatIsGoneOpensOnAScreen) {
    {
        QSettings store(wb.SettingsPath(), QSettings::IniFormat);
        ConsoleSettings s = PlacedAtDesignSize();
        s.left = 5000; // a second monitor that is not plugged in today
        s.top = 200;
        WriteConsoleSettings(store, s);
    }
    auto form = wb.MakeForm();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(form->pos())) << form->x() << "," << form->y();
}

TEST_F(MainWindow, ClassListKeepsItsUmlautsFromWindowsAndUtf8Files) {
    const auto classesFrom = [this](const QByteArray& bytes) {
        QFile f(wb.dir.filePath("Klasse.txt"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        return wb.MakeForm()->ClassList.value_or(QStringList{"<none>"});
    };
    EXPECT_EQ(classesFrom("M\xE4nner\r\nFrauen\r\n"), (QStringList{"Männer", "Frauen"}));
    EXPECT_EQ(classesFrom("\xEF\xBB\xBF" + QStringLiteral("Männer\nJugend").toUtf8()),
              (QStringList{"Männer", "Jugend"}));
}
