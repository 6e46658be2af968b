#include <QCoreApplication>

#include <gtest/gtest.h>

// The journal tells its problems through the event loop of the thread that made it.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
