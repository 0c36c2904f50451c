#include "console/Roster.h"
#include "support/TestConsole.h"

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

namespace {

void addPlayer(Console& console, const QString& name, float score, bool drawn = false)
{
    GameState& g = console.game;
    ++g.PlayerCount;
    PlayerRecord& p = g.PlayerTable[static_cast<std::size_t>(g.PlayerCount)];
    p.Name = name;
    p.Score = score;
    p.Drawn = drawn;
    if (drawn)
        ++g.DrawnCount;
}

QStringList names(const Console& console)
{
    QStringList list;
    for (int i = 1; i <= console.game.PlayerCount; ++i)
        list.append(console.game.PlayerTable[static_cast<std::size_t>(i)].Name);
    return list;
}

// A turn under way for the named player: at "Say Wager", card box 1 to be turned.
void midTurn(Console& console, const QString& name)
{
    GameState& g = console.game;
    for (int i = 1; i <= g.PlayerCount; ++i) {
        if (g.PlayerTable[static_cast<std::size_t>(i)].Name == name) {
            g.CurrentPlayer = static_cast<std::int16_t>(i);
            g.CurrentPlayerCopy = g.PlayerTable[static_cast<std::size_t>(i)];
        }
    }
    g.RoundState = RoundSayWager;
    g.CardIndex = 1;
    console.controls.cmdSay.Caption = u"Say Wager"_s;
    console.controls.txtPlayer.Text = name;
    console.controls.cmbStart[0].Enabled = false;
    console.controls.cmbStart[1].Enabled = true;
}

} // namespace

TEST(Roster, SortLeavesEqualScoresInTheOrderOfItsTwoExchangePasses)
{
    TestConsole t;
    Console& c = t.console;
    addPlayer(c, u"cy"_s, 10);
    addPlayer(c, u"Bea"_s, 5);
    addPlayer(c, u"al"_s, 5);
    midTurn(c, u"al"_s);
    SortRoster(c);
    // A stable sort by score would give cy, al, Bea.
    EXPECT_EQ(names(c), (QStringList{u"cy"_s, u"Bea"_s, u"al"_s}));
    EXPECT_EQ(c.game.CurrentPlayer, 3); // follows its player
    EXPECT_EQ(c.game.RoundState, RoundSayWager);

    // Names compare in lower case, ordinally: "Zed" after "bob", and "ab" before "B".
    TestConsole u;
    addPlayer(u.console, u"Zed"_s, 1);
    addPlayer(u.console, u"bob"_s, 1);
    addPlayer(u.console, u"B"_s, 1);
    addPlayer(u.console, u"ab"_s, 1);
    SortRoster(u.console);
    EXPECT_EQ(names(u.console), (QStringList{u"ab"_s, u"B"_s, u"bob"_s, u"Zed"_s}));
}

TEST(Roster, SortSendsAnOpenedGameBackToTheDrawWhenItsPlayerIsGone)
{
    TestConsole t;
    Console& c = t.console;
    addPlayer(c, u"Ann"_s, 10);
    c.game.CurrentPlayerCopy.Name = u"Gone"_s;
    c.game.CurrentPlayer = 1;
    c.game.RoundState = RoundSayResults;
    c.game.CardIndex = 3;
    c.controls.txtPlayer.Text = u"Gone"_s;
    c.controls.cmbStart[0].Enabled = false;
    c.controls.cmbStart[3].Enabled = true;
    SortRoster(c);
    EXPECT_EQ(c.game.CurrentPlayer, 0);
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
    EXPECT_EQ(c.game.CardIndex, 0);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Draw Player"_s);
    EXPECT_TRUE(c.controls.txtPlayer.Text.isEmpty());
    EXPECT_TRUE(c.controls.cmbStart[0].Enabled);
    for (int i = 1; i <= 6; ++i)
        EXPECT_FALSE(c.controls.cmbStart[i].Enabled) << i;
}

TEST(Roster, SortBeforeTheOpeningLeavesTheGameUnopened)
{
    TestConsole t;
    Console& c = t.console;
    addPlayer(c, u"Bob"_s, 10);
    addPlayer(c, u"Ann"_s, 10);
    SortRoster(c);
    EXPECT_EQ(names(c), (QStringList{u"Ann"_s, u"Bob"_s}));
    EXPECT_EQ(c.game.RoundState, RoundStart);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Start"_s);
    EXPECT_EQ(c.game.CurrentPlayer, 0);
}

TEST(Roster, ShowPadsScoresWithNoBreakSpacesAndMarksDrawnPlayers)
{
    TestConsole t;
    Console& c = t.console;
    addPlayer(c, u"Ann"_s, 5, true);
    addPlayer(c, u"Bob"_s, 10);
    addPlayer(c, u"Cy"_s, 99.5f, true);
    addPlayer(c, u"Di"_s, 150);
    addPlayer(c, u"Ed Wu"_s, 0);
    c.controls.lstPlayers.Rows = QStringList{u"stale"_s};
    c.controls.lstPlayers.SelectedRow = 0;
    ShowRoster(c);
    const QString nb(QChar(0x00A0));
    EXPECT_EQ(c.controls.lstPlayers.Rows,
              (QStringList{nb + nb + u"5+Ann"_s, nb + u"10--Bob"_s, nb + u"99.5+Cy"_s, u"150--Di"_s,
                           nb + nb + u"0--Ed Wu"_s}));
    EXPECT_EQ(c.controls.lstPlayers.SelectedRow, -1);
    EXPECT_EQ(c.controls.lblPlayerCnt.Caption, u"5"_s);
}

TEST(Roster, DrawPicksOnlyUndrawnPlayersAndRemembersWhom)
{
    TestConsole t;
    Console& c = t.console;
    addPlayer(c, u"Ann"_s, 10, true);
    addPlayer(c, u"Bob"_s, 10);
    addPlayer(c, u"Cy"_s, 10, true);
    ASSERT_TRUE(DrawPlayer(c));
    EXPECT_EQ(c.game.CurrentPlayer, 2);
    EXPECT_EQ(c.game.CurrentPlayerCopy.Name, u"Bob"_s);
    EXPECT_TRUE(c.game.PlayerTable[2].Drawn);
    EXPECT_EQ(c.game.DrawnCount, 3);

    EXPECT_FALSE(DrawPlayer(c));
    EXPECT_EQ(c.game.CurrentPlayer, 0);
    EXPECT_EQ(c.game.DrawnCount, 3);
}

TEST(Roster, DrawGivesEveryUndrawnPlayerTheSameChance)
{
    TestConsole t;
    Console& c = t.console;
    for (const QString& name : {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s})
        addPlayer(c, name, 10);
    std::map<int, int> hits;
    const int draws = 5000;
    for (int n = 0; n < draws; ++n) {
        ASSERT_TRUE(DrawPlayer(c));
        ++hits[c.game.CurrentPlayer];
        c.game.PlayerTable[static_cast<std::size_t>(c.game.CurrentPlayer)].Drawn = false;
    }
    ASSERT_EQ(hits.size(), 5u);
    for (const auto& [slot, count] : hits) { // 1000 expected; 28 is one standard deviation
        EXPECT_GT(count, 850) << slot;
        EXPECT_LT(count, 1150) << slot;
    }
}

TEST(Roster, SayScoresGoesFromTheLowestToTheLeader)
{
    TestConsole t;
    Console& c = t.console;
    SayScores(c);
    EXPECT_EQ(t.room.SaidLines(), QStringList{u"--- No players registered ---"_s});

    addPlayer(c, u"Ann"_s, 15);
    addPlayer(c, u"Bob Ray"_s, 2.5f);
    t.toolkit.Pauses.clear();
    SayScores(c);
    EXPECT_EQ(t.room.SaidLines().mid(1),
              (QStringList{u"o=o Scores o=o"_s, u"Bob Ray has 2.5 points"_s, u"Ann has 15 points"_s,
                           u"o=o=o=o=o"_s}));
    EXPECT_EQ(t.toolkit.Pauses.size(), 4);
}

TEST(Roster, DeleteOfTheCurrentPlayerMidTurnGoesBackToTheDraw)
{
    TestConsole t;
    Console& c = t.console;
    addPlayer(c, u"Ann"_s, 10, true);
    addPlayer(c, u"Bob"_s, 10, true);
    addPlayer(c, u"Cy"_s, 10);
    midTurn(c, u"Bob"_s);
    c.controls.lstPlayers.SelectedRow = 1;
    mnuPDelete_Click(c);

    EXPECT_EQ(names(c), (QStringList{u"Ann"_s, u"Cy"_s}));
    EXPECT_TRUE(c.game.PlayerTable[3].Name.isEmpty()); // the old last slot is left empty
    EXPECT_EQ(c.game.DrawnCount, 1);
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
    EXPECT_EQ(c.controls.cmdSay.Caption, u"Draw Player"_s);
    EXPECT_TRUE(c.controls.txtPlayer.Text.isEmpty());
    EXPECT_TRUE(c.controls.cmbStart[0].Enabled);
    EXPECT_FALSE(c.controls.cmbStart[1].Enabled);
    EXPECT_EQ(c.controls.lstPlayers.Rows.size(), 2);
    EXPECT_EQ(c.controls.lblPlayerCnt.Caption, u"2"_s);
    EXPECT_TRUE(t.room.SaidLines().isEmpty());
}

TEST(Roster, DeleteOfAnotherPlayerKeepsTheTurnAndCountsOnlyDrawnOnes)
{
    TestConsole t;
    Console& c = t.console;
    addPlayer(c, u"Ann"_s, 10, true);
    addPlayer(c, u"Bob"_s, 10);
    addPlayer(c, u"Cy"_s, 10);
    midTurn(c, u"Cy"_s);
    c.controls.lstPlayers.SelectedRow = 1; // Bob, undrawn
    mnuPDelete_Click(c);
    EXPECT_EQ(c.game.DrawnCount, 1);
    EXPECT_EQ(c.game.CurrentPlayer, 2); // Cy moved up and is still found
    EXPECT_EQ(c.game.RoundState, RoundSayWager);

    c.controls.lstPlayers.SelectedRow = 0; // Ann, drawn
    mnuPDelete_Click(c);
    EXPECT_EQ(c.game.DrawnCount, 0);
    EXPECT_EQ(names(c), QStringList{u"Cy"_s});

    c.controls.lstPlayers.SelectedRow = -1;
    mnuPDelete_Click(c);
    c.controls.lstPlayers.SelectedRow = 5; // past the roster
    mnuPDelete_Click(c);
    EXPECT_EQ(c.game.PlayerCount, 1);
}

TEST(Roster, SayScoreSaysTheSelectedPlayerAsComposedWithoutAPause)
{
    TestConsole t;
    Console& c = t.console;
    addPlayer(c, u"%host%"_s, 12.5f);
    mnuPSayScore_Click(c); // nothing selected
    c.controls.lstPlayers.SelectedRow = 0;
    mnuPSayScore_Click(c);
    EXPECT_EQ(t.room.SaidLines(), QStringList{u"%host% has 12.5 points"_s});
    EXPECT_TRUE(t.toolkit.Pauses.isEmpty());
}

TEST(Roster, GetNextSplitsOneTextPieceByPiece)
{
    TestConsole t;
    Console& c = t.console;
    const QString crlf = u"\r\n"_s;
    EXPECT_EQ(GetNext(c, u"a\r\nb"_s, crlf), u"a"_s);
    EXPECT_EQ(GetNext(c, QString(), crlf), u"b"_s);
    EXPECT_EQ(GetNext(c, QString(), crlf), QString());
    EXPECT_EQ(GetNext(c, QString(), crlf), QString());

    EXPECT_EQ(GetNext(c, u"x\r\n\r\ny\r\n"_s, crlf), u"x"_s);
    EXPECT_EQ(GetNext(c, QString(), crlf), QString()); // the empty line
    EXPECT_EQ(c.RemainingText, u"y\r\n"_s);
    EXPECT_EQ(GetNext(c, u"new"_s, crlf), u"new"_s); // a new text replaces the rest
    EXPECT_TRUE(c.RemainingText.isEmpty());
}

TEST(Roster, AddingRefusesDuplicatesAndAFullOrUnopenedRoster)
{
    TestConsole t;
    Console& c = t.console;
    c.settings.Start = 25;
    RestorePlayer(c, u"Bob"_s); // before the opening nobody gets in
    EXPECT_EQ(c.game.PlayerCount, 0);
    ASSERT_EQ(t.toolkit.Boxes.size(), 1);
    EXPECT_EQ(t.toolkit.Boxes[0].Text, u"Maximum Player count has been reached!!"_s);
    EXPECT_EQ(t.toolkit.Boxes[0].Title, u"No More"_s);

    c.game.PlayerCapacity = 150;
    RestorePlayer(c, u"Bob"_s);
    RestorePlayer(c, u"Bob"_s);
    RestorePlayer(c, u"bob"_s);
    EXPECT_EQ(names(c), (QStringList{u"Bob"_s, u"bob"_s}));
    EXPECT_EQ(c.game.PlayerTable[1].Score, 25.0f);
    EXPECT_FALSE(c.game.PlayerTable[1].Drawn);
    EXPECT_EQ(t.toolkit.Boxes.size(), 1);

    for (int i = 3; i <= 150; ++i)
        EXPECT_TRUE(AddPlayer(c, u"P"_s + QString::number(i)));
    EXPECT_EQ(c.game.PlayerCount, 150);
    EXPECT_FALSE(AddPlayer(c, u"Late"_s));
    EXPECT_FALSE(AddPlayer(c, u"P77"_s)); // already in: no box
    EXPECT_EQ(c.game.PlayerCount, 150);
    EXPECT_EQ(t.toolkit.Boxes.size(), 2);
    EXPECT_TRUE(t.room.EspsSent().isEmpty());
}
