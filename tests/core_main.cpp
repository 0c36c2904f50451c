#include <QCoreApplication>

#include <gtest/gtest.h>

// The logic runs on an event loop (the chat text arrives through it), so the tests get one.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
