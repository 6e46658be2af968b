#include <QCoreApplication>

#include <gtest/gtest.h>

// The port tests need an event loop on the main thread: the reader threads
// hand their events over to it.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
