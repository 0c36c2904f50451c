#include "support/IrcServerCase.h"
#include "support/IrcTestClient.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

bool Has(const QList<ReceivedPrivmsg>& received, const QByteArray& from, const QByteArray& target,
         const QByteArray& text)
{
    for (const ReceivedPrivmsg& message : received) {
        if (message.From == from && message.Target == target && message.Text == text)
            return true;
    }
    return false;
}

} // namespace

class IrcServers : public ::testing::TestWithParam<IrcServerCase>
{
};

INSTANTIATE_TEST_SUITE_P(EachServer, IrcServers, ::testing::ValuesIn(IrcServerCases()),
                         IrcServerCaseName);

TEST_P(IrcServers, PlayersExchangeChannelLinesAndPrivateMessagesAcrossARestartOnTheSamePort)
{
    if (!GetParam().Installed())
        GTEST_SKIP() << GetParam().Missing().toStdString();
    const std::unique_ptr<IrcServerProcess> started = GetParam().Make();
    IrcServerProcess& server = *started;
    ASSERT_TRUE(server.Start()) << server.Log().toStdString();
    const quint16 port = server.Port();
    EXPECT_EQ(server.Url(QStringLiteral("quillo")),
              QStringLiteral("irc://127.0.0.1:%1/#quillo").arg(port));

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        IrcTestClient ann;
        IrcTestClient bob;
        ASSERT_TRUE(ann.Connect(port, "Ann")) << server.Log().toStdString();
        ASSERT_TRUE(bob.Connect(port, "Bob"));
        ASSERT_TRUE(ann.Join("#quillo"));
        ASSERT_TRUE(bob.Join("#quillo"));

        const QByteArray line = "Quillo \xc3\x97\xc3\x97 round " + QByteArray::number(round);
        ann.Say("#quillo", line);
        EXPECT_TRUE(bob.WaitFor([&](const auto& got) { return Has(got, "Ann", "#quillo", line); }));
        bob.Esp("Ann", "$");
        EXPECT_TRUE(ann.WaitFor([&](const auto& got) { return Has(got, "Bob", "Ann", "$"); }));
        // The sender does not hear its own channel line (no echo-message asked for).
        EXPECT_TRUE(ann.TextsFrom("Ann").isEmpty());
        EXPECT_EQ(bob.TextsFrom("Ann", "#quillo"), QList<QByteArray>{line});

        // A nick in use is refused while its owner is on.
        IrcTestClient second;
        EXPECT_FALSE(second.Connect(port, "Ann", 3000));

        if (round == 0) {
            server.Stop();
            EXPECT_FALSE(server.Running());
            // The players notice the server is gone.
            EXPECT_TRUE(ann.WaitForDisconnect(3000));
            EXPECT_FALSE(ann.Connected());
            ASSERT_TRUE(server.Start()) << server.Log().toStdString();
            EXPECT_EQ(server.Port(), port);
        }
    }
}
