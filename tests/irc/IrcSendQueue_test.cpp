#include "irc/IrcSendQueue.h"
#include "irc/IrcTimer.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

// Time that moves only when the test says so.
class FakeTimer final : public IrcTimer
{
public:
    qint64 NowMs() const override
    {
        return now;
    }
    void Start(qint64 ms, std::function<void()> callback) override
    {
        due = now + ms;
        fire = std::move(callback);
    }
    void Stop() override
    {
        due = -1;
    }
    // Moves the clock on, firing the timer whenever it falls due on the way.
    void Advance(qint64 ms)
    {
        const qint64 end = now + ms;
        while (due >= 0 && due <= end) {
            now = due;
            due = -1;
            fire();
        }
        now = end;
    }

    qint64 now = 1000;
    qint64 due = -1;
    std::function<void()> fire;
};

struct Sent
{
    qint64 At;
    QByteArray Line;
};

} // namespace

TEST(IrcSendQueue, ABurstGoesAtOnceThenOneLinePerIntervalInOrder)
{
    FakeTimer timer;
    IrcSendQueue queue(timer, 4, 600);
    QList<Sent> sent;
    queue.SetWriter([&](const QByteArray& line, quint64) { sent.append({timer.now, line}); });
    queue.Open();
    for (int i = 0; i < 10; ++i)
        queue.Push("line " + QByteArray::number(i));
    EXPECT_EQ(sent.size(), 4);
    EXPECT_EQ(queue.Pending(), 6);
    timer.Advance(20000);
    ASSERT_EQ(sent.size(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(sent[i].Line, "line " + QByteArray::number(i));
    for (int i = 4; i < 10; ++i)
        EXPECT_GE(sent[i].At - sent[i - 1].At, 600) << i;
    EXPECT_LE(sent[9].At - sent[0].At, 6 * 600 + 10);
    // Over any stretch of time no more lines than the burst plus one per interval.
    for (int i = 0; i < 10; ++i) {
        for (int j = i; j < 10; ++j)
            EXPECT_LE(j - i + 1, 4 + (sent[j].At - sent[i].At) / 600);
    }
}

TEST(IrcSendQueue, AQuietSpellEarnsTheBurstBack)
{
    FakeTimer timer;
    IrcSendQueue queue(timer, 3, 500);
    int sent = 0;
    queue.SetWriter([&](const QByteArray&, quint64) { ++sent; });
    queue.Open();
    for (int i = 0; i < 5; ++i)
        queue.Push("x");
    timer.Advance(5000);
    EXPECT_EQ(sent, 5);
    for (int i = 0; i < 4; ++i)
        queue.Push("y");
    EXPECT_EQ(sent, 8);
}

TEST(IrcSendQueue, LinesWaitWhileClosedAndGoInOrderWhenOpenAgain)
{
    FakeTimer timer;
    IrcSendQueue queue(timer, 2, 100);
    QList<QByteArray> sent;
    queue.SetWriter([&](const QByteArray& line, quint64) { sent.append(line); });
    queue.Push("a");
    queue.Push("b");
    timer.Advance(1000);
    EXPECT_TRUE(sent.isEmpty());
    queue.Open();
    queue.Push("c");
    queue.Push("d");
    EXPECT_EQ(sent, (QList<QByteArray>{"a", "b"}));
    queue.Close();
    EXPECT_EQ(timer.due, -1);
    timer.Advance(1000);
    EXPECT_EQ(sent.size(), 2);
    queue.Open();
    timer.Advance(1000);
    EXPECT_EQ(sent, (QList<QByteArray>{"a", "b", "c", "d"}));
    EXPECT_EQ(queue.Pending(), 0);
}

TEST(IrcSendQueue, UrgentLinesGoAtOnceButCountAgainstThePace)
{
    FakeTimer timer;
    IrcSendQueue queue(timer, 2, 100);
    QList<QByteArray> sent;
    queue.SetWriter([&](const QByteArray& line, quint64) { sent.append(line); });
    queue.Open();
    queue.SendNow("PONG 1");
    queue.SendNow("PONG 2");
    EXPECT_EQ(sent.size(), 2);
    queue.Push("a");
    EXPECT_EQ(sent.size(), 2); // the burst is spent
    timer.Advance(100);
    EXPECT_EQ(sent.last(), QByteArray("a"));

    IrcSendQueue unpaced(timer, 1, 0);
    int count = 0;
    unpaced.SetWriter([&](const QByteArray&, quint64) { ++count; });
    unpaced.Open();
    for (int i = 0; i < 100; ++i)
        unpaced.Push("x");
    EXPECT_EQ(count, 100);
}

TEST(IrcSendQueue, AClosedGateHoldsLinesUntilPumpedAndClearGivesBackTheirTickets)
{
    FakeTimer timer;
    IrcSendQueue queue(timer); // no pacing cap by default
    QList<quint64> sent;
    int pauses = 0;
    bool open = true;
    queue.SetWriter([&](const QByteArray&, quint64 ticket) { sent.append(ticket); });
    queue.SetGate([&](qsizetype) { return open && sent.size() < 2; });
    queue.SetPausedHandler([&] { ++pauses; });
    queue.Open();
    for (quint64 ticket = 1; ticket <= 4; ++ticket)
        queue.Push("x", ticket);
    EXPECT_EQ(sent, (QList<quint64>{1, 2}));
    EXPECT_EQ(pauses, 2); // a round for each of the first two pushes
    queue.Pump();
    EXPECT_EQ(pauses, 2); // nothing written, nothing to report
    EXPECT_EQ(timer.due, -1);
    open = false;
    EXPECT_EQ(queue.Clear(), (std::vector<quint64>{3, 4}));
    EXPECT_EQ(queue.Pending(), 0);
}
