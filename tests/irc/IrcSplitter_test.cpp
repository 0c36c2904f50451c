#include "irc/IrcMessage.h"
#include "irc/IrcSplitter.h"

#include <QStringBuilder>
#include <QUtf8StringView>

#include <gtest/gtest.h>

namespace {

QByteArray joined(const QList<QByteArray>& pieces)
{
    QByteArray all;
    for (const QByteArray& p : pieces)
        all += (all.isEmpty() ? QByteArray() : QByteArray(" ")) + p;
    return all;
}

} // namespace

TEST(IrcSplitter, ALineOf600BytesIsSplitAtBlanksIntoLinesTheServerPassesWhole)
{
    QByteArray text;
    for (int i = 0; text.size() < 600; ++i)
        text += "word" + QByteArray::number(i) + " ";
    text.chop(1);
    const QByteArray nick = "Host";
    const QByteArray target = "#quillo";
    const qsizetype room = IrcSplitter::TextRoom(nick, target);
    const QList<QByteArray> pieces = IrcSplitter::Split(text, room);
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(joined(pieces), text); // only the blanks at the cuts are gone
    for (const QByteArray& p : pieces) {
        EXPECT_LE(p.size(), room);
        EXPECT_FALSE(p.startsWith(' '));
        EXPECT_FALSE(p.endsWith(' '));
        // What the server relays, with the longest prefix it may put in front, still fits.
        const QByteArray relayed = ":" + nick + "!~" + QByteArray(10, 'u') + "@" +
                                   QByteArray(63, 'h') + " " +
                                   IrcMessage::Format("PRIVMSG", {target, p});
        EXPECT_LE(relayed.size(), IrcMessage::MaxLineBytes);
    }
    EXPECT_GT(pieces[0].size(), room - 10); // filled, not cut early
}

TEST(IrcSplitter, ShortTextsStayWholeAndOnlyOverlongWordsAreCut)
{
    EXPECT_EQ(IrcSplitter::Split("hi there", 400), (QList<QByteArray>{"hi there"}));
    EXPECT_EQ(IrcSplitter::Split("", 400), (QList<QByteArray>{""}));
    EXPECT_EQ(IrcSplitter::Split("aaaa bbbb", 4), (QList<QByteArray>{"aaaa", "bbbb"}));
    EXPECT_EQ(IrcSplitter::Split("aaaaaaaaaa b", 4), (QList<QByteArray>{"aaaa", "aaaa", "aa b"}));
}

TEST(IrcSplitter, AHardCutNeverSplitsAUtf8Character)
{
    QByteArray text;
    for (int i = 0; i < 300; ++i)
        text += "\xc3\x97";
    const QList<QByteArray> pieces = IrcSplitter::Split(text, 101);
    QByteArray all;
    for (const QByteArray& p : pieces) {
        EXPECT_LE(p.size(), 101);
        EXPECT_TRUE(QUtf8StringView(p).isValidUtf8());
        all += p;
    }
    EXPECT_EQ(all, text);
}

TEST(IrcSplitter, LongTargetsAndNicksLeaveLessRoom)
{
    EXPECT_LT(IrcSplitter::TextRoom(QByteArray(30, 'n'), "#q"), IrcSplitter::TextRoom("n", "#q"));
    EXPECT_LT(IrcSplitter::TextRoom("n", QByteArray(30, 't')), IrcSplitter::TextRoom("n", "#q"));
    EXPECT_GT(IrcSplitter::TextRoom(QByteArray(400, 'n'), "#q"), 0);
}
