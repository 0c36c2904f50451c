#include "game/GameState.h"
#include "game/RosterRules.h"
#include "game/TurnRules.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(TurnRules, ATurnedCardWinsLosesOrPushesAndFixCardTakesItBack)
{
    struct Case
    {
        const char* Previous;
        const char* Card;
        bool Higher;
        std::int32_t Result;
        float Score;
    };
    const Case cases[] = {
        {"5", "K", true, ResultWin, 12.5f},  {"5", "K", false, ResultLose, 7.5f},
        {"A", "2", false, ResultWin, 12.5f}, {"10", "10", true, ResultPush, 10.0f},
        {"J", "10", true, ResultLose, 7.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Previous) + " then " + c.Card);
        GameState g;
        g.PlayerCount = 1;
        g.CurrentPlayer = 1;
        PlayerRecord& p = g.PlayerTable[1];
        p = {u"Ann"_s, c.Higher, 2.5f, 10.0f, true};
        EXPECT_EQ(ScoreTurnedCard(g, QString::fromLatin1(c.Previous), QString::fromLatin1(c.Card)),
                  c.Result);
        EXPECT_EQ(p.Score, c.Score);
        p.Wager = 1;
        p.Higher = !c.Higher;
        UndoLastResult(g);
        EXPECT_EQ(p.Score, 10.0f);
        EXPECT_EQ(p.Wager, 2.5f);
        EXPECT_EQ(p.Higher, c.Higher);
        EXPECT_EQ(g.LastResult, 0);
        UndoLastResult(g); // nothing left to take back
        EXPECT_EQ(p.Score, 10.0f);
    }
}

TEST(RosterRules, TheRosterTakesSafeNewNamesUntilFullAndSortsByScoreThenName)
{
    GameState g;
    EXPECT_EQ(AddToRoster(g, u"Ann"_s, 10), RosterAdd::Full); // not opened yet
    g.PlayerCapacity = 3;
    EXPECT_EQ(AddToRoster(g, u"bob"_s, 10), RosterAdd::Added);
    EXPECT_EQ(AddToRoster(g, u"bob"_s, 10), RosterAdd::Refused);
    EXPECT_EQ(AddToRoster(g, u"Eve\r\nHost=Eve"_s, 10), RosterAdd::Refused);
    EXPECT_EQ(AddToRoster(g, u"Ann"_s, 10), RosterAdd::Added);
    EXPECT_EQ(AddToRoster(g, u"Cy"_s, 20), RosterAdd::Added);
    EXPECT_EQ(AddToRoster(g, u"Dee"_s, 10), RosterAdd::Full);

    g.RoundState = RoundAskForWager; // a turn of bob's under way
    g.CurrentPlayerCopy = g.PlayerTable[1];
    EXPECT_FALSE(SortPlayers(g));
    // By name, then by score in exchange passes that move equal scores about.
    EXPECT_EQ(g.PlayerTable[1].Name, u"Cy"_s);
    EXPECT_EQ(g.PlayerTable[2].Name, u"bob"_s);
    EXPECT_EQ(g.PlayerTable[3].Name, u"Ann"_s);
    EXPECT_EQ(g.CurrentPlayer, 2);
    EXPECT_EQ(ScoreLine(g.PlayerTable[1]), u"Cy has 20 points"_s);

    RemoveFromRoster(g, 2);
    EXPECT_TRUE(SortPlayers(g)); // bob is gone: back to the draw
    EXPECT_EQ(g.RoundState, RoundDrawPlayer);
    EXPECT_EQ(g.CurrentPlayer, 0);
    EXPECT_EQ(RosterSlot(g, u"Ann"_s), 2);
}
