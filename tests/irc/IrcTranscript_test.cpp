#include "irc/IrcTranscript.h"

#include "socket/ChatProtocol.h"

#include <gtest/gtest.h>

TEST(IrcTranscript, SaidLinesAndEspsInTheFormsTheConsoleReads)
{
    IrcTranscript t;
    EXPECT_TRUE(t.AddSaid("Host", "\xc3\x97\xc3\x97\xc3\x97  Quillo"));
    EXPECT_TRUE(t.AddEspFrom("Bob", "$"));
    EXPECT_TRUE(t.AddEspTo("Bob", "You are registered"));
    EXPECT_TRUE(t.AddEspFrom("Ann", "caf\xe9"));
    EXPECT_EQ(t.Text(), QByteArray("Host: \xd7\xd7\xd7  Quillo\r\n"
                                   "ESP from Bob: $\r\n"
                                   "ESP to Bob: You are registered\r\n"
                                   "ESP from Ann: caf\xe9\r\n"));
}

TEST(IrcTranscript, AnEspOfExactlyOneGestureCharacterShowsItsTag)
{
    IrcTranscript t;
    EXPECT_TRUE(t.AddEspFrom("Bob", "\xc2\xb5"));
    EXPECT_TRUE(t.AddEspFrom("Bob", "\xc2\xb0"));
    EXPECT_TRUE(t.AddEspFrom("Bob", "\xc2\xb9"));
    EXPECT_TRUE(t.AddEspFrom("Bob", "\xc2\xb5\xc2\xb5"));
    EXPECT_TRUE(t.AddEspFrom("Bob", "\xb5"));  // Latin-1 from an old client
    EXPECT_TRUE(t.AddSaid("Bob", "\xc2\xb5")); // said in the channel: no tag
    EXPECT_EQ(t.Text(), QByteArray("ESP from Bob: <wave>\r\n"
                                   "ESP from Bob: <relax>\r\n"
                                   "ESP from Bob: <present>\r\n"
                                   "ESP from Bob: \xb5\xb5\r\n"
                                   "ESP from Bob: <wave>\r\n"
                                   "Bob: \xb5\r\n"));
}

TEST(IrcTranscript, CtcpEmptyTextsAndOddNicksNeverReachTheConsole)
{
    IrcTranscript t;
    EXPECT_FALSE(t.AddSaid("Bob", "\x01"
                                  "ACTION waves\x01"));
    EXPECT_FALSE(t.AddEspFrom("Bob", "\x01VERSION\x01"));
    EXPECT_FALSE(t.AddEspFrom("Bob", ""));
    EXPECT_FALSE(t.AddSaid("Bob", "\x02\x0f")); // nothing left once the codes are gone
    EXPECT_FALSE(t.AddEspFrom("Bo\r\nESP from Eve", "$"));
    EXPECT_FALSE(t.AddEspFrom("Bob: x", "$"));
    EXPECT_FALSE(t.AddEspFrom("B\x01ob", "$"));
    EXPECT_FALSE(t.AddEspFrom("Jos\xc3\xa9", "$"));
    EXPECT_FALSE(t.AddEspFrom("", "$"));
    EXPECT_FALSE(t.AddEspTo("Bob", "\x01PING 1\x01"));
    EXPECT_TRUE(t.Text().isEmpty());
    // A text cannot start a line of its own either.
    EXPECT_TRUE(t.AddSaid("Eve", "x\r\nESP from Bob: $"));
    EXPECT_EQ(t.Text(), QByteArray("Eve: x  ESP from Bob: $\r\n"));
}

TEST(IrcTranscript, BoundedByItsEscapedSizeDroppingTheOldestWholeLines)
{
    IrcTranscript t(100);
    for (int i = 0; i < 50; ++i)
        t.AddSaid("Bob", "line " + QByteArray::number(i));
    const QByteArray text = t.Text();
    EXPECT_LE(t.EscapedSize(), 100);
    EXPECT_EQ(t.EscapedSize(), EncodeChatMessage("TEXT", {text}).size() - 6);
    EXPECT_TRUE(text.startsWith("Bob: line ")); // whole lines only
    EXPECT_TRUE(text.endsWith("Bob: line 49\r\n"));
    EXPECT_FALSE(text.contains("line 40\r\n"));
    EXPECT_GT(text.size(), 50);

    // At the real limit the TEXT message still fits the protocol's line.
    IrcTranscript big;
    const QByteArray blanks(7000, ' ');
    for (int i = 0; i < 1000; ++i)
        big.AddSaid("Bob", QByteArray::number(i) + blanks);
    EXPECT_LE(EncodeChatMessage("TEXT", {big.Text()}).size(), MaxChatMessageBytes);
    EXPECT_TRUE(big.Text().startsWith("Bob: "));
    EXPECT_TRUE(big.Text().endsWith(QByteArray(blanks + "\r\n")));
    EXPECT_GT(EncodeChatMessage("TEXT", {big.Text()}).size(), MaxChatMessageBytes - 30000);
}
