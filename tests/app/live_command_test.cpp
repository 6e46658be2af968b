#include "test_platform.h"

#include "live/live_server.h"

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QTcpServer>

using namespace zn;
using namespace zn::test;

namespace {

class LiveCommand : public ActiveForm {
protected:
    bool SavedActive() const {
        return QSettings(wb.SettingsPath(), QSettings::IniFormat).value("LiveSeite/Aktiv").toBool();
    }
};

} // namespace

TEST_F(LiveCommand, ATakenPortLeavesTheEntryUntickedAndSaysWhyInFull) {
    QTcpServer other; // another program holds the port
    ASSERT_TRUE(other.listen(QHostAddress::Any));
    form->SetLivePage(false, other.serverPort());
    form->LivePageAction()->trigger();

    EXPECT_FALSE(form->LiveServer());
    EXPECT_FALSE(form->LivePageAction()->isChecked());
    EXPECT_FALSE(SavedActive());
    ASSERT_TRUE(form->StatusPanelLive()->isVisible());
    EXPECT_TRUE(form->StatusPanelLive()->toolTip().startsWith("Live-Seite aus: Port"));
    EXPECT_TRUE(form->StatusPanelLive()->toolTip().endsWith("Bitte einen anderen Port wählen."))
        << form->StatusPanelLive()->toolTip().toStdString();
    EXPECT_TRUE(form->StatusBar1->toolTip().isEmpty());

    other.close(); // free again: the same entry switches it on
    form->LivePageAction()->trigger();
    ASSERT_TRUE(form->LiveServer());
    EXPECT_TRUE(form->LivePageAction()->isChecked());
    EXPECT_TRUE(SavedActive());
    EXPECT_FALSE(form->StatusPanelLive()->isVisible());
}

// The message panel belongs to the next message; the address stays.
TEST_F(LiveCommand, TheAddressStaysInTheStatusBarsTooltipAfterAWorkbookLoads) {
    form->SetLivePage(true, 0);
    ASSERT_TRUE(form->LiveServer());
    const QString address = form->LiveServer()->Address();
    wb.LoadExample(*form);
    EXPECT_FALSE(form->StatusPanel1->text().contains(address));
    EXPECT_TRUE(form->StatusBar1->toolTip().contains(address)) << form->StatusBar1->toolTip().toStdString();
    form->SetLivePage(false, 0);
    EXPECT_TRUE(form->StatusBar1->toolTip().isEmpty());
}
