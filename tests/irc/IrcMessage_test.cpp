#include "irc/IrcMessage.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

TEST(IrcMessage, ReadsPrefixCommandMiddleAndTrailingParameters)
{
    const auto m =
        IrcMessage::Parse("@time=x :Bob!bob@example.org privmsg #quillo :hi  there :)\r");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Prefix, QByteArray("Bob!bob@example.org"));
    EXPECT_EQ(m->PrefixNick(), QByteArray("Bob"));
    EXPECT_EQ(m->Command, QByteArray("PRIVMSG"));
    ASSERT_EQ(m->Params.size(), 2);
    EXPECT_EQ(m->Params[0], QByteArray("#quillo"));
    EXPECT_EQ(m->Params[1], QByteArray("hi  there :)"));

    const auto ping = IrcMessage::Parse("PING irc.example.org");
    ASSERT_TRUE(ping);
    EXPECT_TRUE(ping->Prefix.isEmpty());
    EXPECT_EQ(ping->Param(0), QByteArray("irc.example.org"));
    EXPECT_TRUE(ping->Param(1).isEmpty());

    const auto numeric = IrcMessage::Parse(":srv 433 * Host :Nickname already in use");
    ASSERT_TRUE(numeric);
    EXPECT_EQ(numeric->Command, QByteArray("433"));
    EXPECT_EQ(numeric->PrefixNick(), QByteArray("srv"));
    EXPECT_EQ(numeric->Param(1), QByteArray("Host"));

    const auto empty = IrcMessage::Parse(":a!b@c PRIVMSG #q :");
    ASSERT_TRUE(empty);
    ASSERT_EQ(empty->Params.size(), 2);
    EXPECT_TRUE(empty->Params[1].isEmpty());
}

TEST(IrcMessage, MalformedOversizedAndBrokenLinesAreDropped)
{
    EXPECT_FALSE(IrcMessage::Parse(""));
    EXPECT_FALSE(IrcMessage::Parse("   "));
    EXPECT_FALSE(IrcMessage::Parse(": PRIVMSG #q :x")); // a bare colon for a prefix
    EXPECT_FALSE(IrcMessage::Parse(":srv"));            // no command
    EXPECT_FALSE(IrcMessage::Parse(":srv 12 x"));       // two digits
    EXPECT_FALSE(IrcMessage::Parse(":srv PRIV-MSG x")); // not a word
    EXPECT_FALSE(IrcMessage::Parse(QByteArray(":a PRIVMSG #q :x\0y", 18)));
    EXPECT_FALSE(IrcMessage::Parse(":a PRIVMSG #q :x\ry"));
    EXPECT_FALSE(IrcMessage::Parse(":a PRIVMSG #q :" + QByteArray(8200, 'x')));
    EXPECT_TRUE(IrcMessage::Parse(":a PRIVMSG #q :" + QByteArray(8000, 'x')));
}

TEST(IrcMessage, FifteenParametersAtMostTheLastTakingTheRest)
{
    QByteArray line = "CMD";
    for (int i = 0; i < 20; ++i)
        line += " p" + QByteArray::number(i);
    const auto m = IrcMessage::Parse(line);
    ASSERT_TRUE(m);
    ASSERT_EQ(m->Params.size(), 15);
    EXPECT_EQ(m->Params[13], QByteArray("p13"));
    EXPECT_EQ(m->Params[14], QByteArray("p14 p15 p16 p17 p18 p19"));
}

TEST(IrcMessage, FormatsWithATrailingColonOnlyWhereNeededAndRefusesLineBreaks)
{
    EXPECT_EQ(IrcMessage::Format("PRIVMSG", {"#q", "hello there"}),
              QByteArray("PRIVMSG #q :hello there\r\n"));
    EXPECT_EQ(IrcMessage::Format("NICK", {"Host"}), QByteArray("NICK Host\r\n"));
    EXPECT_EQ(IrcMessage::Format("PRIVMSG", {"Bob", ":)"}), QByteArray("PRIVMSG Bob ::)\r\n"));
    EXPECT_EQ(IrcMessage::Format("PRIVMSG", {"Bob", ""}), QByteArray("PRIVMSG Bob :\r\n"));
    EXPECT_TRUE(IrcMessage::Format("PRIVMSG", {"#q", "a\r\nQUIT"}).isEmpty());
    EXPECT_TRUE(IrcMessage::Format("PRIVMSG", {"#q x", "a"}).isEmpty());
    EXPECT_TRUE(IrcMessage::Format("PRIVMSG", {"", "a"}).isEmpty());
    EXPECT_TRUE(IrcMessage::Format("PRIVMSG", {QByteArray("a\0b", 3), "a"}).isEmpty());
    EXPECT_TRUE(IrcMessage::Format("BAD CMD", {}).isEmpty());

    const QByteArray fits = IrcMessage::Format("PRIVMSG", {"#q", QByteArray(499, 'x')});
    EXPECT_EQ(fits.size(), 512);
    EXPECT_TRUE(IrcMessage::Format("PRIVMSG", {"#q", QByteArray(500, 'x')}).isEmpty());

    const auto back = IrcMessage::Parse(IrcMessage::Format("PRIVMSG", {"Bob", ":) a"}).chopped(2));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Params, (QList<QByteArray>{"Bob", ":) a"}));
}

TEST(IrcMessage, CtcpIsTextStartingWithByteOne)
{
    EXPECT_TRUE(IrcMessage::IsCtcp("\x01VERSION\x01"));
    EXPECT_TRUE(IrcMessage::IsCtcp("\x01"
                                   "ACTION waves\x01"));
    EXPECT_FALSE(IrcMessage::IsCtcp("hi \x01"));
    EXPECT_FALSE(IrcMessage::IsCtcp(""));
}

TEST(IrcMessage, WhateverBytesComeEveryLineReadHoldsOnlyWellFormedParts)
{
    QRandomGenerator random(20261208);
    const QByteArray alphabet =
        QByteArray(" :!@#\x01\r\n", 8) + QByteArray("\0", 1) + "PRIVMSG 001 aZ9\xc3\xff";
    for (int round = 0; round < 20000; ++round) {
        QByteArray line;
        const int size = static_cast<int>(random.bounded(40));
        for (int i = 0; i < size; ++i)
            line.append(alphabet[static_cast<int>(random.bounded(alphabet.size()))]);
        const auto m = IrcMessage::Parse(line);
        if (!m)
            continue;
        EXPECT_FALSE(m->Command.isEmpty());
        EXPECT_FALSE(m->Prefix.contains(' '));
        EXPECT_LE(m->Params.size(), 15);
        for (const QByteArray& part : QList<QByteArray>{m->Prefix, m->Command} + m->Params) {
            EXPECT_FALSE(part.contains('\0')) << line.toHex().constData();
            EXPECT_FALSE(part.contains('\r')) << line.toHex().constData();
            EXPECT_FALSE(part.contains('\n')) << line.toHex().constData();
        }
        for (qsizetype i = 0; i + 1 < m->Params.size(); ++i) {
            EXPECT_FALSE(m->Params[i].isEmpty()) << line.toHex().constData();
            EXPECT_FALSE(m->Params[i].contains(' ')) << line.toHex().constData();
        }
    }
}
