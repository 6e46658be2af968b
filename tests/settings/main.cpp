#include <QApplication>

#include <gtest/gtest.h>

// Widget and printer tests need one QApplication for the whole run; ctest sets QT_QPA_PLATFORM=offscreen.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
