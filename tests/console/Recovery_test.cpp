#include "console/Corrections.h"
#include "console/MonthlyPoints.h"
#include "console/Recovery.h"
#include "support/FileBytes.h"
#include "support/GameTable.h"
#include "text/Cp1252.h"
#include "text/FixedLines.h"
#include "text/NumberText.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path, const QString& text)
{
    ASSERT_TRUE(WriteBytes(path, ToCp1252(text)));
}

const QString LogHeader = u"×××  Single Player Version 3.0.0  ×××\r\nQOPMarch03.txt\r\n"
                          u"9:05pm, Saturday, March 1, 2003\r\nHost=Host\r\n\r\n"_s;
const QString Sep = u"+++++++++++++++++++++++++\r\n"_s;

// A console started afresh after a restart, on copies of the record files a game left.
std::unique_ptr<GameTable> restartFrom(const GameTable& played)
{
    auto fresh = std::make_unique<GameTable>();
    for (const QString& name : {u"Quillo.log"_s, u"QOPlayers.txt"_s}) {
        if (QFile::exists(played.Path(name)))
            QFile::copy(played.Path(name), fresh->Path(name));
    }
    return fresh;
}

const PlayerRecord* player(const Console& c, const QString& name)
{
    for (int i = 1; i <= c.game.PlayerCount; ++i) {
        if (c.game.PlayerTable[i].Name == name)
            return &c.game.PlayerTable[i];
    }
    return nullptr;
}

QStringList recoveryLines(const QString& second)
{
    return {OpeningBanner(),        VersionLine(),         ContactLine(), u"Recovery Started"_s,
            u"Players Recovered"_s, u"Scores Recovered"_s, second};
}

// What a recovery must rebuild at one moment of the game.
struct Expected
{
    QMap<QString, std::pair<float, bool>> Roster; // name -> score, drawn
    QString Current;                              // empty: between turns
    QStringList Cards;                            // logged cards of the turn under way
};

void expectRecovered(const GameTable& played, const Expected& e, const std::string& where)
{
    SCOPED_TRACE(where);
    auto fresh = restartFrom(played);
    Console& c = fresh->console;
    RecoverGame(c);
    EXPECT_TRUE(fresh->toolkit.Boxes.isEmpty());
    EXPECT_FALSE(c.controls.mnuRecover.Enabled);
    EXPECT_EQ(c.game.PlayerCapacity, 150);
    EXPECT_EQ(c.game.DrawnCount, 0);
    ASSERT_EQ(c.game.PlayerCount, e.Roster.size());
    EXPECT_EQ(c.controls.lstPlayers.Rows.size(), e.Roster.size());
    for (auto it = e.Roster.begin(); it != e.Roster.end(); ++it) {
        const PlayerRecord* p = player(c, it.key());
        ASSERT_NE(p, nullptr) << it.key().toStdString();
        EXPECT_EQ(p->Score, it.value().first) << it.key().toStdString();
        EXPECT_EQ(p->Drawn, it.value().second) << it.key().toStdString();
    }
    const ConsoleState& k = c.controls;
    if (e.Current.isEmpty()) {
        EXPECT_EQ(fresh->NewLines(), recoveryLines(u"Let's play Quillo"_s));
        EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
        EXPECT_EQ(k.cmdSay.Caption, u"Draw Player"_s);
        EXPECT_EQ(c.game.CardIndex, 0);
        for (int i = 0; i <= 6; ++i) {
            EXPECT_TRUE(k.cmbStart[i].Text.isEmpty()) << i;
            EXPECT_EQ(k.cmbStart[i].Enabled, i == 0) << i;
        }
        return;
    }
    EXPECT_EQ(fresh->NewLines(), recoveryLines(u"Current Player is "_s + e.Current));
    EXPECT_EQ(c.game.RoundState, RoundAskForWager);
    EXPECT_EQ(k.cmdSay.Caption, u"Ask for Wager"_s);
    EXPECT_TRUE(k.cmdSay.Enabled);
    EXPECT_EQ(c.game.Current().Name, e.Current);
    EXPECT_EQ(k.txtPlayer.Text, e.Current);
    EXPECT_EQ(k.txtWager.Text, ScoreText(e.Roster.value(e.Current).first));
    const int face = static_cast<int>(e.Cards.size()) - 1;
    EXPECT_EQ(c.game.CardIndex, face);
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(k.cmbStart[i].Text, i < e.Cards.size() ? e.Cards[i] : QString()) << i;
        EXPECT_EQ(k.cmbStart[i].Enabled, i == face) << i;
    }
}

void face(GameTable& t, const QString& card)
{
    t.console.controls.cmbStart[t.console.game.CardIndex].Text = card;
    t.Click(); // Ask for Wager
}

void wager(GameTable& t, const QString& text, bool higher)
{
    t.console.controls.txtWager.Text = text;
    t.console.controls.optHigher.Checked = higher;
    t.console.controls.optLower.Checked = !higher;
    t.Click(); // Say Wager
}

void reveal(GameTable& t, const QString& card)
{
    t.console.controls.cmbStart[t.console.game.CardIndex].Text = card;
    t.Click(); // Say Results
}

} // namespace

TEST(Recovery, RebuildsTheGameAfterAnInterruptionAtEveryClick)
{
    GameTable t;
    t.OpenWith({u"Ann"_s, u"Bob"_s, u"Cy"_s});
    Expected e;
    e.Roster = {{u"Ann"_s, {10, false}}, {u"Bob"_s, {10, false}}, {u"Cy"_s, {10, false}}};
    expectRecovered(t, e, "opened, nobody drawn");

    // Ann stakes everything and loses on her first card: the turn ends at 0.
    t.DrawOnly(u"Ann"_s);
    e.Roster[u"Ann"_s] = {0, true};
    expectRecovered(t, e, "Ann drawn"); // she does not get her turn back
    face(t, u"5"_s);
    expectRecovered(t, e, "Ann asked");
    wager(t, u"10"_s, true);
    expectRecovered(t, e, "Ann wagered");
    reveal(t, u"3"_s);
    expectRecovered(t, e, "Ann lost all");

    // Bob plays all six cards and ends above 0.
    t.DrawOnly(u"Bob"_s);
    e.Roster[u"Bob"_s] = {0, true};
    expectRecovered(t, e, "Bob drawn");
    face(t, u"5"_s);
    wager(t, u"5"_s, true);
    expectRecovered(t, e, "Bob before his first result");
    struct Step
    {
        QString Stake;
        bool Higher;
        QString Card;
        float ScoreBefore;
    };
    const QList<Step> steps = {{u"5"_s, true, u"9"_s, 10}, {u"3"_s, false, u"Q"_s, 15},
                               {u"1"_s, true, u"K"_s, 12}, {u"1"_s, true, u"A"_s, 13},
                               {u"1"_s, true, u"A"_s, 14}, {u"1"_s, false, u"2"_s, 14}};
    QStringList cards{u"5"_s};
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        if (i > 0) {
            t.Click(); // Ask for Wager
            expectRecovered(t, e, "Bob asked " + std::to_string(i));
            wager(t, s.Stake, s.Higher);
            expectRecovered(t, e, "Bob wagered " + std::to_string(i));
        }
        reveal(t, s.Card);
        if (i + 1 < steps.size()) {
            // Resumed at the wager just logged, even though its result was said.
            e.Current = u"Bob"_s;
            e.Cards = cards;
            e.Roster[u"Bob"_s] = {s.ScoreBefore, true};
            expectRecovered(t, e, "Bob revealed " + std::to_string(i + 1));
        }
        cards.append(s.Card);
    }
    ASSERT_EQ(t.console.game.RoundState, RoundDrawPlayer);
    e.Current.clear();
    e.Cards.clear();
    e.Roster[u"Bob"_s] = {15, true};
    expectRecovered(t, e, "Bob finished after the sixth card");
}

TEST(Recovery, AResumedTurnGoesOnAppendingToTheSameLog)
{
    GameTable t;
    t.OpenWith({u"Bob"_s});
    t.Click();
    face(t, u"5"_s);
    wager(t, u"4"_s, true);
    reveal(t, u"9"_s);
    auto fresh = restartFrom(t);
    const QByteArray before = fresh->LogBytes();
    RecoverGame(fresh->console);
    ASSERT_EQ(fresh->console.game.RoundState, RoundAskForWager);
    fresh->Click(); // Ask for Wager again, on the 5
    EXPECT_EQ(fresh->NewLines().mid(7),
              (QStringList{u"Bob has 10 points"_s, u"Your Card is a 5.  What is your wager?"_s}));
    wager(*fresh, u"2"_s, false);
    reveal(*fresh, u"3"_s);
    EXPECT_EQ(fresh->LogBytes(), before + "Turn Recovered\r\n 10    5  2      lower\r\n");
    EXPECT_EQ(fresh->console.game.Current().Score, 12.0f);
    EXPECT_EQ(fresh->PlayersBytes(), QByteArray("Bob\r\n"));
}

TEST(Recovery, NamesThatLookLikeLogLinesAreRecoveredAsNames)
{
    GameTable t;
    const QStringList odd = {u"123456 Joe"_s, u"Host=Other"_s, u"++++++++++Plus"_s, u"12.5"_s};
    t.OpenWith(odd);
    Expected e;
    for (const QString& name : odd) {
        t.DrawOnly(name);
        face(t, u"5"_s);
        wager(t, u"3"_s, true);
        reveal(t, u"9"_s); // 13
        if (name == odd.last())
            break;
        t.Click();
        wager(t, u"13"_s, false);
        reveal(t, u"J"_s); // 0: the turn ends
        e.Roster[name] = {0, true};
    }
    e.Roster[odd.last()] = {10, true};
    e.Current = odd.last();
    e.Cards = QStringList{u"5"_s};
    expectRecovered(t, e, "odd names");
}

TEST(Recovery, SkipsBlankPlayerLinesAndMatchesLoggedNamesExactly)
{
    GameTable t;
    writeFile(t.console.settings.PlayersFile, u"Ann\r\n\r\nbob\r\n\r\nCy\r\n"_s);
    writeFile(t.console.settings.LogFile, LogHeader + Sep +
                                              u"Bob\r\n 10    5  10     lower\r\n 0     7\r\n"_s +
                                              Sep + u"Cy\r\n 10    K  2      lower\r\n"_s);
    RecoverGame(t.console);
    const Console& c = t.console;
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    ASSERT_EQ(c.game.PlayerCount, 3);
    EXPECT_EQ(player(c, u"bob"_s)->Score, 10.0f); // "Bob" in the log is someone else
    EXPECT_FALSE(player(c, u"bob"_s)->Drawn);
    EXPECT_FALSE(player(c, u"Ann"_s)->Drawn);
    // Cy's turn is under way: back at the K with the score before that wager.
    EXPECT_EQ(player(c, u"Cy"_s)->Score, 10.0f);
    EXPECT_EQ(c.game.RoundState, RoundAskForWager);
    EXPECT_EQ(c.game.Current().Name, u"Cy"_s);
    EXPECT_EQ(c.controls.cmbStart[0].Text, u"K"_s);
    EXPECT_EQ(t.NewLines().last(), u"Current Player is Cy"_s);
}

TEST(Recovery, AnUnmatchedLastPlayerIsNotResumed)
{
    GameTable t;
    writeFile(t.console.settings.PlayersFile, u"Ann\r\n"_s);
    writeFile(t.console.settings.LogFile, LogHeader + Sep + u"ann\r\n 10    K  2      lower\r\n"_s);
    RecoverGame(t.console);
    EXPECT_EQ(t.console.game.RoundState, RoundDrawPlayer);
    EXPECT_EQ(t.console.game.CurrentPlayer, 0);
    EXPECT_EQ(t.NewLines().last(), u"Let's play Quillo"_s);
    EXPECT_TRUE(t.console.controls.cmbStart[0].Text.isEmpty());
}

TEST(Recovery, ALogOfAnotherHostKeepsThePlayersFileRoster)
{
    GameTable t;
    writeFile(t.console.settings.PlayersFile, u"Ann\r\nBob\r\n"_s);
    QString log = LogHeader + Sep + u"Ann\r\n 10    5  x\r\n"_s; // the host is told first
    log.replace(u"Host=Host"_s, u"Host=Other Host"_s);
    writeFile(t.console.settings.LogFile, log);
    t.console.controls.cmdSay.Caption = u"Start"_s;
    RecoverGame(t.console);
    const Console& c = t.console;
    EXPECT_EQ(t.NewLines().mid(4), (QStringList{u"Players Recovered"_s,
                                                u"Recovery failed - different host Other Host"_s}));
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_EQ(c.game.PlayerCount, 2);
    EXPECT_EQ(player(c, u"Ann"_s)->Score, 10.0f);
    EXPECT_FALSE(player(c, u"Ann"_s)->Drawn);
    EXPECT_EQ(c.controls.lstPlayers.Rows.size(), 2);
    EXPECT_EQ(c.game.RoundState, RoundStart);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Start"_s);
    EXPECT_FALSE(c.controls.mnuRecover.Enabled);
    EXPECT_FALSE(t.toolkit.Hourglass);
    EXPECT_TRUE(c.controls.cmdSay.Enabled); // usable again
}

TEST(Recovery, AMissingFileFailsQuietlyAndEmptiesTheRoster)
{
    GameTable noPlayers;
    writeFile(noPlayers.console.settings.LogFile, LogHeader);
    RecoverGame(noPlayers.console);
    EXPECT_TRUE(noPlayers.toolkit.Boxes.isEmpty());
    EXPECT_EQ(noPlayers.NewLines().mid(3),
              (QStringList{u"Recovery Started"_s, u"Recovery Failed"_s}));
    EXPECT_EQ(noPlayers.console.game.PlayerCount, 0);
    EXPECT_EQ(noPlayers.console.game.RoundState, RoundStart);
    EXPECT_FALSE(noPlayers.console.controls.mnuRecover.Enabled);

    GameTable noLog;
    writeFile(noLog.console.settings.PlayersFile, u"Ann\r\nBob\r\n"_s);
    RecoverGame(noLog.console);
    EXPECT_TRUE(noLog.toolkit.Boxes.isEmpty());
    EXPECT_EQ(noLog.NewLines().mid(4), (QStringList{u"Players Recovered"_s, u"Recovery Failed"_s}));
    EXPECT_EQ(noLog.console.game.PlayerCount, 0);
    EXPECT_TRUE(noLog.console.game.PlayerTable[1].Name.isEmpty());
    EXPECT_TRUE(noLog.console.controls.lstPlayers.Rows.isEmpty());
    EXPECT_FALSE(noLog.toolkit.Hourglass);
}

TEST(Recovery, AnUnreadableLogIsReportedWithItsPath)
{
    const QList<QString> broken = {
        LogHeader + Sep + u"Ann\r\n 10    5  ten    higher\r\n"_s, // a wager that does not read
        u"v\r\nm\r\nt\r\n"_s,                                      // no host line
        QString()};                                                // the log is a folder
    for (const QString& text : broken) {
        GameTable t;
        writeFile(t.console.settings.PlayersFile, u"Ann\r\n"_s);
        if (text.isEmpty())
            QDir(t.folder.path()).mkdir(u"Quillo.log"_s);
        else
            writeFile(t.console.settings.LogFile, text);
        RecoverGame(t.console);
        ASSERT_EQ(t.toolkit.Boxes.size(), 1);
        EXPECT_EQ(t.toolkit.Boxes[0].Title, u"Recovery ERROR"_s);
        const QStringList parts = t.toolkit.Boxes[0].Text.split(u'\n');
        ASSERT_EQ(parts.size(), 3);
        EXPECT_FALSE(parts[0].isEmpty());
        EXPECT_EQ(parts[2], u"Error with file: "_s + t.console.settings.LogFile);
        EXPECT_EQ(t.NewLines().last(), u"Recovery Failed"_s);
        EXPECT_EQ(t.console.game.PlayerCount, 0);
        EXPECT_EQ(t.console.game.RoundState, RoundStart);
    }
}

TEST(Recovery, RebuildsATurnWithFixedCardsAfterEveryClick)
{
    GameTable t;
    t.OpenWith({u"Ann"_s, u"Bob"_s});
    Expected e;
    e.Roster = {{u"Ann"_s, {10, false}}, {u"Bob"_s, {0, true}}};
    t.DrawOnly(u"Bob"_s);
    expectRecovered(t, e, "Bob drawn");
    face(t, u"5"_s);
    wager(t, u"5"_s, true);
    expectRecovered(t, e, "Bob wagered");

    // Each step of the turn, and what a recovery right after it must rebuild: the score
    // before the last wager that counts, and the face-up cards of the wagers that count.
    const auto at = [&](float score, const QStringList& cards, const std::string& where) {
        e.Roster[u"Bob"_s] = {score, true};
        e.Current = u"Bob"_s;
        e.Cards = cards;
        expectRecovered(t, e, where);
    };
    reveal(t, u"3"_s); // picked wrong: a loss, 5
    at(10, {u"5"_s}, "first result");
    mnuFixCard_Click(t.console); // back to "Say Results" with 10
    ASSERT_EQ(t.console.game.RoundState, RoundSayResults);
    at(10, {u"5"_s}, "first result fixed");
    mnuFix_Click(t.console);
    at(10, {u"5"_s}, "its wager fixed too");
    wager(t, u"4"_s, true);
    at(10, {u"5"_s}, "wagered again");
    reveal(t, u"9"_s); // a win: 14
    at(10, {u"5"_s}, "scored again");
    t.Click(); // asked on the 9
    at(10, {u"5"_s}, "asked on the 9");
    mnuFixCard_Click(t.console); // back one card, to the result over the 5
    ASSERT_EQ(t.console.game.RoundState, RoundSayResults);
    ASSERT_EQ(t.console.game.Current().Score, 10.0f);
    at(10, {u"5"_s}, "fixed while asking");
    reveal(t, u"K"_s); // the 9 was a K: still a win, 14
    at(10, {u"5"_s}, "scored a third time");
    t.Click();
    wager(t, u"14"_s, false);
    at(10, {u"5"_s}, "wagered on the K");
    reveal(t, u"Q"_s); // 28
    at(14, {u"5"_s, u"K"_s}, "second card");
    t.Click();
    wager(t, u"28"_s, true);
    reveal(t, u"2"_s); // everything lost: the turn ends at 0
    ASSERT_EQ(t.console.game.RoundState, RoundDrawPlayer);
    e.Roster[u"Bob"_s] = {0, true};
    e.Current.clear();
    e.Cards.clear();
    expectRecovered(t, e, "turn ended");
    mnuFixCard_Click(t.console); // the ended turn reopened: its closing line no longer counts
    ASSERT_EQ(t.console.game.RoundState, RoundSayResults);
    at(28, {u"5"_s, u"K"_s, u"Q"_s}, "ended turn fixed");
    reveal(t, u"A"_s); // 56
    at(28, {u"5"_s, u"K"_s, u"Q"_s}, "third card scored again");
    t.Click();
    at(28, {u"5"_s, u"K"_s, u"Q"_s}, "asked on the A");
    wager(t, u"56"_s, true);
    reveal(t, u"5"_s); // lost: 0 again
    ASSERT_EQ(t.console.game.RoundState, RoundDrawPlayer);
    e.Roster[u"Bob"_s] = {0, true};
    e.Current.clear();
    e.Cards.clear();
    expectRecovered(t, e, "turn ended again");
}

TEST(Recovery, ATurnWithMoreLoggedLinesThanCardsStillRecovers)
{
    GameTable t;
    writeFile(t.console.settings.PlayersFile, u"Ann\r\n"_s);
    QString log = LogHeader + Sep + u"Ann\r\n"_s;
    for (int i = 0; i < 8; ++i) // six cards, two of them fixed
        log += u" 10    5  1      higher\r\n"_s;
    writeFile(t.console.settings.LogFile, log + u" 17    9\r\n"_s);
    RecoverGame(t.console);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    ASSERT_EQ(t.console.game.PlayerCount, 1);
    EXPECT_EQ(t.console.game.PlayerTable[1].Score, 17.0f);
    EXPECT_TRUE(t.console.game.PlayerTable[1].Drawn);
    EXPECT_EQ(t.console.game.RoundState, RoundDrawPlayer);
    EXPECT_EQ(t.NewLines().last(), u"Let's play Quillo"_s);
}

TEST(Recovery, ALogWithTensOfThousandsOfCardLinesInTheLastTurnGoesOnBetweenTurns)
{
    GameTable t;
    writeFile(t.console.settings.PlayersFile, u"Ann\r\n"_s);
    QString log = LogHeader + Sep + u"Ann\r\n"_s;
    for (int i = 0; i < 32769; ++i) // one past what a 16-bit card index holds
        log += u" 10    5  1      higher\r\n"_s;
    writeFile(t.console.settings.LogFile, log);
    RecoverGame(t.console);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_EQ(t.console.game.RoundState, RoundDrawPlayer);
    EXPECT_EQ(t.console.game.CardIndex, 0);
    EXPECT_EQ(t.console.controls.cmdSay.Caption, u"Draw Player"_s);
    EXPECT_EQ(t.NewLines().last(), u"Let's play Quillo"_s);
}

TEST(Recovery, ANameAnOlderVersionWroteWithALoneCrOrLfCostsOnlyThatPlayer)
{
    GameTable t;
    Console& c = t.console;
    writeFile(c.settings.PlayersFile, u"Ann\r\nBo\nb\r\nCy\rd\r\nDee\r\n"_s);
    writeFile(c.settings.LogFile, LogHeader + Sep +
                                      u"Bo\nb\r\n 10    5  10     lower\r\n 0     7\r\n"_s + Sep +
                                      u"Ann\r\n 10    5  12     higher\r\n 22    9\r\n"_s + Sep +
                                      u"Cy\rd\r\n 10    K  2      lower\r\n 12    3\r\n"_s + Sep +
                                      u"Dee\r\n 10    K  4      lower\r\n"_s);
    RecoverGame(c);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    ASSERT_EQ(c.game.PlayerCount, 2);
    EXPECT_EQ(player(c, u"Ann"_s)->Score, 22.0f);
    EXPECT_TRUE(player(c, u"Ann"_s)->Drawn);
    EXPECT_EQ(c.game.RoundState, RoundAskForWager); // Dee's turn goes on
    EXPECT_EQ(c.game.Current().Name, u"Dee"_s);
    EXPECT_EQ(c.controls.cmbStart[0].Text, u"K"_s);
    EXPECT_EQ(t.NewLines().last(), u"Current Player is Dee"_s);

    // The month gets the two players, and no piece of a broken name.
    ASSERT_TRUE(SaveTodaysPoints(c));
    EXPECT_EQ(ReadBytes(c.settings.MonthlyFile),
              QByteArray("[Monthly]\r\nAnn= 22 \r\nDee= 10 \r\n"));
}

TEST(Recovery, ATurnRecoveredOnceAndTwiceResumesAtItsCardAfterEveryClick)
{
    GameTable t;
    t.OpenWith({u"Ann"_s, u"Bob"_s});
    t.DrawOnly(u"Bob"_s);
    face(t, u"5"_s);
    wager(t, u"5"_s, true);
    reveal(t, u"9"_s); // won: 15, then the console stops

    Expected e;
    e.Roster = {{u"Ann"_s, {10, false}}};
    struct Step
    {
        std::string Where;
        std::function<void(GameTable&)> Act;
        float Score;       // the score before the wager a recovery asks again
        QStringList Cards; // empty: the turn is over, Bob's score is Score
    };
    const auto play = [&](GameTable& table, const QList<Step>& steps) {
        for (const Step& s : steps) {
            s.Act(table);
            e.Roster[u"Bob"_s] = {s.Score, true};
            e.Current = s.Cards.isEmpty() ? QString() : u"Bob"_s;
            e.Cards = s.Cards;
            expectRecovered(table, e, s.Where);
        }
    };
    const auto recover = [](GameTable& table) {
        RecoverGame(table.console);
        ASSERT_EQ(table.console.game.RoundState, RoundAskForWager);
    };
    const auto ask = [](GameTable& table) { table.Click(); };
    const auto fixCard = [](GameTable& table) { mnuFixCard_Click(table.console); };
    const QStringList on5{u"5"_s}, on3{u"5"_s, u"3"_s};

    auto once = restartFrom(t);
    play(*once, {{"recovered", recover, 10, on5},
                 {"asked on the 5", ask, 10, on5},
                 {"wagered again", [](GameTable& g) { wager(g, u"5"_s, true); }, 10, on5},
                 {"lost on a 3", [](GameTable& g) { reveal(g, u"3"_s); }, 10, on5},
                 {"asked on the 3", ask, 10, on5},
                 {"wagered on the 3", [](GameTable& g) { wager(g, u"2"_s, false); }, 10, on5},
                 {"won on a 2", [](GameTable& g) { reveal(g, u"2"_s); }, 5, on3}});
    EXPECT_EQ(once->console.game.Current().Score, 7.0f);

    // Interrupted again, and once more before any click: back on the 3, not one card further.
    auto twice = restartFrom(*once);
    play(*twice, {{"recovered again", recover, 5, on3}});
    auto thrice = restartFrom(*twice);
    play(*thrice, {{"recovered a third time", recover, 5, on3},
                   // The result over the 5 was scored before the restart: nothing of this run to
                   // take back, whether asked yet or not.
                   {"card fixed at once", fixCard, 5, on3},
                   {"asked on the 3 again", ask, 5, on3},
                   {"card fixed while wagering", fixCard, 5, on3},
                   {"wagered on the 3 again", [](GameTable& g) { wager(g, u"5"_s, true); }, 5, on3},
                   {"won on a K", [](GameTable& g) { reveal(g, u"K"_s); }, 5, on3},
                   {"the K fixed", fixCard, 5, on3},
                   {"lost on a 2 instead", [](GameTable& g) { reveal(g, u"2"_s); }, 0, {}}});
    EXPECT_EQ(thrice->console.game.RoundState, RoundDrawPlayer);
    EXPECT_EQ(thrice->LogBytes().count("Turn Recovered"), 3);
    EXPECT_EQ(thrice->LogBytes().count("Fixing Card"), 1);
}
