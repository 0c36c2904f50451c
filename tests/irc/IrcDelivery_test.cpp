#include "irc/IrcDelivery.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

struct Outcome
{
    quint64 Ticket;
    bool Taken;
    bool operator==(const Outcome&) const = default;
};

struct Tracked
{
    explicit Tracked(bool echoes)
    {
        delivery.SetEchoes(echoes);
        delivery.SetResolvedHandler([this](const IrcDelivery::Line& line, bool taken) {
            outcomes.append({line.Ticket, taken});
        });
    }
    void Write(quint64 ticket, const QByteArray& target, qsizetype bytes = 100)
    {
        ASSERT_TRUE(delivery.HasRoom(bytes));
        delivery.Written({ticket, target, "text"}, bytes);
    }

    IrcDelivery delivery;
    QList<Outcome> outcomes;
};

} // namespace

TEST(IrcDelivery, TheWindowHoldsAFewLinesAndBytesButAlwaysOneLine)
{
    Tracked t(false);
    EXPECT_TRUE(t.delivery.HasRoom(100000)); // nothing waits: even a huge line goes
    for (quint64 i = 1; i <= IrcDelivery::WindowLines; ++i)
        t.Write(i, "#quillo");
    EXPECT_FALSE(t.delivery.HasRoom(1));
    const QByteArray token = t.delivery.PingWritten();
    ASSERT_TRUE(t.delivery.Ponged(token));
    EXPECT_TRUE(t.delivery.HasRoom(IrcDelivery::WindowBytes));
    t.Write(9, "#quillo", IrcDelivery::WindowBytes - 10);
    EXPECT_FALSE(t.delivery.HasRoom(11));
    EXPECT_TRUE(t.delivery.HasRoom(10));
}

TEST(IrcDelivery, WithoutEchoesAPongConfirmsWhatCameBeforeItsPingAndErrorsRefuseByTarget)
{
    Tracked t(false);
    t.Write(1, "#quillo");
    t.Write(2, "Nobody");
    EXPECT_TRUE(t.delivery.PingDue());
    const QByteArray first = t.delivery.PingWritten();
    EXPECT_FALSE(t.delivery.PingDue());
    t.Write(3, "#quillo");
    const QByteArray second = t.delivery.PingWritten();
    t.delivery.Refused("nobody"); // 401, the nick folded as the server likes
    EXPECT_FALSE(t.delivery.Ponged("someone-elses"));
    ASSERT_TRUE(t.delivery.Ponged(first));
    EXPECT_EQ(t.outcomes, (QList<Outcome>{{2, false}, {1, true}}));
    EXPECT_TRUE(t.delivery.Unconfirmed());
    t.delivery.Lost(); // the link went before the second PONG
    EXPECT_EQ(t.outcomes.last(), (Outcome{3, false}));
    EXPECT_FALSE(t.delivery.Unconfirmed());
    EXPECT_TRUE(t.delivery.Ponged(second)); // ours, but nothing left to tell
    EXPECT_EQ(t.outcomes.size(), 3);
}

TEST(IrcDelivery, WithEchoesTheEchoConfirmsAndALineLeftUnechoedBeforeAPongWasDropped)
{
    Tracked t(true);
    t.Write(1, "#quillo");
    t.Write(2, "#quillo");
    t.Write(3, "Bob");
    t.delivery.Echoed("#QUILLO");
    t.delivery.Echoed("Bob");
    EXPECT_EQ(t.outcomes, (QList<Outcome>{{1, true}, {3, true}}));
    ASSERT_TRUE(t.delivery.Ponged(t.delivery.PingWritten()));
    EXPECT_EQ(t.outcomes.last(), (Outcome{2, false}));
}
