#include "app/application_setup.h"

#include <QApplication>

#include <gtest/gtest.h>

// The main window tests share one QApplication; ctest sets QT_QPA_PLATFORM=offscreen.
// The console runs in German at the track, Qt's own dialogs included, so the
// tests do too.
// Offscreen, the console's laptop screen (800x600, as Qt's default) has a
// projector (1920x1080) and a television (1280x720) beside it, so that the
// spectator board is laid out on the screens it meets at a competition.
int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ZN_TEST_DATA_DIR "/offscreen_screens.json");
    QApplication app(argc, argv);
    zn::InstallTranslations(QStringLiteral("de"), {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
