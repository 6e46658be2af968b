#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// The main window tests share one QApplication; ctest sets QT_QPA_PLATFORM=offscreen.
// The console runs with the German locale at the track, so the tests do too.
int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
