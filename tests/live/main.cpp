#include <QCoreApplication>

#include <gtest/gtest.h>

// The server under test runs on its own thread; the tests' own sockets and
// the in-thread servers of some tests need this thread's event loop.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
