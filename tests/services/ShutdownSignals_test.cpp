#include "services/ShutdownSignals.h"
#include "support/WaitUntil.h"

#include <csignal>

#include <gtest/gtest.h>

TEST(ShutdownSignals, SigtermAndSigintReachTheEventLoopAsSignals)
{
    QList<int> received;
    {
        ShutdownSignals signals;
        QObject::connect(&signals, &ShutdownSignals::requested,
                         [&](int number) { received.append(number); });
        ASSERT_TRUE(signals.Installed());
        std::raise(SIGTERM);
        std::raise(SIGINT);
        EXPECT_TRUE(received.isEmpty()); // nothing runs inside the handler
        WaitUntil([&] { return received.size() >= 2; }, 5000);
        EXPECT_EQ(received, (QList<int>{SIGTERM, SIGINT}));

        // One per process: a second one stays out of the way.
        const ShutdownSignals second;
        EXPECT_FALSE(second.Installed());
    }
    struct sigaction now = {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL); // handed back once gone
}
