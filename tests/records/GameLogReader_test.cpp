#include "records/GameLogReader.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Header = u"×××  Single Player Version 3.0.0  ×××\r\n"
                       u"/q/QOPMarch03.txt\r\n"
                       u"9:05pm, Saturday, March 1, 2003\r\n"
                       u"Host=Hosty\r\n"
                       u"\r\n"_s;
const QString Separator = u"+++++++++++++++++++++++++\r\n"_s;

} // namespace

TEST(GameLogReader, ReadsBlocksWithTheLastLineOfEachDecidingTheRecord)
{
    const GameLogContents log = ReadGameLogText(Header + Separator +
                                                u"Bob\r\n"
                                                u" 10    5  5      higher\r\n"
                                                u" 15    9  15     lower\r\n"
                                                u" 0     Q\r\n"_s +
                                                Separator +
                                                u"Ann\r\n"
                                                u" 10    K  3      lower\r\n"
                                                u"-2.5   A  1.5    higher\r\n"_s +
                                                Separator + u"Cy\r\n"_s);
    ASSERT_FALSE(log.Fault);
    EXPECT_EQ(log.Host, u"Hosty"_s);
    ASSERT_EQ(log.Turns.size(), 3u);

    const PlayerRecord& bob = log.Turns[0].Record;
    EXPECT_EQ(bob.Name, u"Bob"_s);
    EXPECT_EQ(bob.Score, 0.0f);
    EXPECT_EQ(bob.Wager, 15.0f); // a closing line leaves the last wager and guess
    EXPECT_FALSE(bob.Higher);
    EXPECT_TRUE(bob.Drawn);
    EXPECT_EQ(log.Turns[0].Cards, (QStringList{u"5"_s, u"9"_s, u"Q"_s}));

    const PlayerRecord& ann = log.Turns[1].Record;
    EXPECT_EQ(ann.Score, -2.5f);
    EXPECT_EQ(ann.Wager, 1.5f);
    EXPECT_TRUE(ann.Higher);
    EXPECT_EQ(log.Turns[1].Cards, (QStringList{u"K"_s, u"A"_s}));

    EXPECT_EQ(log.Turns[2].Record.Name, u"Cy"_s);
    EXPECT_EQ(log.Turns[2].Record.Score, 0.0f);
    EXPECT_TRUE(log.Turns[2].Cards.isEmpty());
}

TEST(GameLogReader, TheLineAfterASeparatorIsANameWhateverItLooksLike)
{
    const QStringList names = {u" 10    5"_s, u"Host=Other"_s, u"++++++++++Plus"_s, u"123456"_s,
                               u"  spaced  "_s};
    QString text = Header;
    for (const QString& name : names)
        text += Separator + name + u"\r\n 10    J  2      higher\r\n"_s;
    const GameLogContents log = ReadGameLogText(text);
    ASSERT_FALSE(log.Fault) << log.FaultLine;
    EXPECT_EQ(log.Host, u"Hosty"_s);
    ASSERT_EQ(log.Turns.size(), std::size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i) {
        EXPECT_EQ(log.Turns[i].Record.Name, names[i]);
        EXPECT_EQ(log.Turns[i].Cards, QStringList{u"J"_s});
    }
}

TEST(GameLogReader, FieldsThatOverflowTheirColumnsAreReadWhole)
{
    // Kept on one line, and the older form broken onto a line that starts in the card column.
    const GameLogContents log = ReadGameLogText(Header + Separator +
                                                u"Big\r\n"
                                                u" 1048576 10 524288.5 higher\r\n"
                                                u" 2097152 \r\n"
                                                u"       9 1.234568E+07 lower\r\n"
                                                u" 1.234568E+07 \r\n"
                                                u"       K\r\n"_s);
    ASSERT_FALSE(log.Fault) << log.FaultLine;
    ASSERT_EQ(log.Turns.size(), 1u);
    EXPECT_EQ(log.Turns[0].Record.Score, 1.234568E+07f);
    EXPECT_EQ(log.Turns[0].Record.Wager, 1.234568E+07f);
    EXPECT_FALSE(log.Turns[0].Record.Higher);
    EXPECT_EQ(log.Turns[0].Cards, (QStringList{u"10"_s, u"9"_s, u"K"_s}));
}

TEST(GameLogReader, ReadsLogsWithBareLineFeedsAndNoBlocks)
{
    QString text = Header;
    text.remove(u'\r');
    const GameLogContents log = ReadGameLogText(text);
    ASSERT_FALSE(log.Fault);
    EXPECT_EQ(log.Host, u"Hosty"_s);
    EXPECT_TRUE(log.Turns.empty());

    // A host name may be empty, and the header's blank line may be missing.
    const GameLogContents bare = ReadGameLogText(u"v\r\nm\r\nt\r\nHost=\r\n"_s);
    ASSERT_FALSE(bare.Fault);
    EXPECT_EQ(bare.Host, QString());
}

TEST(GameLogReader, ReportsWhereALogStopsReading)
{
    const auto faultOf = [](const QString& text) {
        const GameLogContents log = ReadGameLogText(text);
        return std::make_pair(log.Fault, log.FaultLine);
    };
    using Fault = std::pair<std::optional<LogFault>, int>;
    EXPECT_EQ(faultOf(u"v\r\nm\r\nt\r\n"_s), Fault(LogFault::ShortHeader, 4));
    EXPECT_EQ(faultOf(QString()), Fault(LogFault::ShortHeader, 1));
    EXPECT_EQ(faultOf(u"v\r\nm\r\nt\r\nhost=Hosty\r\n"_s), Fault(LogFault::NoHostLine, 4));

    const QString block = Header + Separator + u"Bob\r\n"_s;
    EXPECT_EQ(faultOf(block + u" 10    5  x      higher\r\n"_s), Fault(LogFault::BadLine, 8));
    EXPECT_EQ(faultOf(block + u" 10    5  5      up\r\n"_s), Fault(LogFault::BadLine, 8));
    EXPECT_EQ(faultOf(block + u" ten   5\r\n"_s), Fault(LogFault::BadLine, 8));
    EXPECT_EQ(faultOf(block + u" 10    5  5\r\n"_s), Fault(LogFault::BadLine, 8));
    EXPECT_EQ(faultOf(Header + u"Stray\r\n"_s), Fault(LogFault::BadLine, 6));

    // Six cards with a few fixed ones: more lines than cards, all read.
    QString fixedOften = block;
    for (int i = 0; i < 9; ++i)
        fixedOften += u" 10    5  1      higher\r\n"_s;
    EXPECT_EQ(faultOf(fixedOften + u" 11    6\r\n"_s), Fault(std::nullopt, 0));

    // The host is known even when a later line does not read: a mismatch is told first.
    const GameLogContents broken = ReadGameLogText(block + u"garbage\r\n"_s);
    EXPECT_EQ(broken.Host, u"Hosty"_s);
    EXPECT_EQ(broken.Fault, LogFault::BadLine);
}

TEST(GameLogReader, AFixCardLineReopensTheWagerBeforeIt)
{
    const QString block = Header + Separator + u"Bob\r\n 10    5  5      higher\r\n"_s;
    const QString fix = u"Fixing Card\r\n"_s;
    const auto turnOf = [](const QString& text) {
        const GameLogContents log = ReadGameLogText(text);
        EXPECT_FALSE(log.Fault) << log.FaultLine;
        return log.Turns.empty() ? LoggedTurn{} : log.Turns.back();
    };

    // Fixed and not yet scored again: the wager stands, to be asked again.
    LoggedTurn turn = turnOf(block + fix);
    EXPECT_EQ(turn.Cards, QStringList{u"5"_s});
    EXPECT_EQ(turn.Record.Score, 10.0f);

    // Scored again: the new wager line takes the old one's place.
    turn = turnOf(block + fix + u" 10    5  4      lower\r\n 6     7\r\n"_s);
    EXPECT_EQ(turn.Cards, (QStringList{u"5"_s, u"7"_s}));
    EXPECT_EQ(turn.Record.Score, 6.0f);
    EXPECT_EQ(turn.Record.Wager, 4.0f);
    EXPECT_FALSE(turn.Record.Higher);

    // A turn that had ended: its closing line no longer counts, the wager before it is open.
    turn = turnOf(block + u" 15    9  15     higher\r\n 0     2\r\n"_s + fix);
    EXPECT_EQ(turn.Cards, (QStringList{u"5"_s, u"9"_s}));
    EXPECT_EQ(turn.Record.Score, 15.0f);
    EXPECT_EQ(turn.Record.Wager, 15.0f);
    EXPECT_TRUE(turn.Record.Higher);

    // Two fixes of the same wager, and one in a block with nothing to reopen.
    turn = turnOf(block + fix + u" 10    5  5      higher\r\n"_s + fix +
                  u" 10    5  3      higher\r\n"_s);
    EXPECT_EQ(turn.Cards, QStringList{u"5"_s});
    EXPECT_EQ(turn.Record.Wager, 3.0f);
    turn = turnOf(Header + Separator + u"Cy\r\n"_s + fix + u" 10    K  2      lower\r\n"_s);
    EXPECT_EQ(turn.Cards, QStringList{u"K"_s});

    // Outside any block it is a line out of place, as any other.
    const GameLogContents stray = ReadGameLogText(Header + fix);
    EXPECT_EQ(stray.Fault, LogFault::BadLine);
}

TEST(GameLogReader, ATurnRecoveredTwiceCountsOneCardPerWager)
{
    // Won on a 5, recovered, lost on a 3, a wager on the 3 logged, recovered again.
    const QString resumed = u"Turn Recovered\r\n"_s;
    const QString log = Header + Separator + u"Bob\r\n 10    5  5      higher\r\n"_s + resumed +
                        u" 10    5  5      higher\r\n 5     3  2      lower\r\n"_s + resumed;
    const GameLogContents read = ReadGameLogText(log);
    ASSERT_FALSE(read.Fault);
    ASSERT_EQ(read.Turns.size(), 1u);
    EXPECT_EQ(read.Turns[0].Cards, (QStringList{u"5"_s, u"3"_s}));
    EXPECT_EQ(read.Turns[0].Record.Score, 5.0f);
    // Without the lines, as older versions wrote it, every wager line is a card.
    QString old = log;
    old.remove(resumed);
    EXPECT_EQ(ReadGameLogText(old).Turns[0].Cards, (QStringList{u"5"_s, u"5"_s, u"3"_s}));
}
