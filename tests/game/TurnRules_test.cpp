#include "game/GameState.h"
#include "game/RosterRules.h"
#include "game/TurnRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

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

TEST(RosterRules, SortingLeavesTheOrderOfTheTwoExchangePasses)
{
    // The order scores are said in: exchange passes by lowered name, then by score. Rosters
    // with and without names equal but for case, and with many equal scores.
    const QStringList pool{u"ann"_s, u"Bob"_s, u"bob"_s, u"Cy"_s,  u"dee"_s, u"Ed"_s,
                           u"Fay"_s, u"Gil"_s, u"ANN"_s, u"hal"_s, u"Ida"_s, u"Jo"_s};
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        GameState g;
        QStringList names = pool;
        std::shuffle(names.begin(), names.end(), random);
        g.PlayerCount = static_cast<std::int16_t>(1 + round % pool.size());
        std::vector<PlayerRecord> expected(1);
        for (int i = 1; i <= g.PlayerCount; ++i) {
            PlayerRecord& p = g.PlayerTable[static_cast<std::size_t>(i)];
            p.Name = names[i - 1];
            p.Score = static_cast<float>(random() % 3) * 5.0f;
            expected.push_back(p);
        }
        const auto exchange = [&](auto before) {
            for (std::size_t i = 1; i + 1 < expected.size(); ++i)
                for (std::size_t j = i + 1; j < expected.size(); ++j)
                    if (before(expected[j], expected[i]))
                        std::swap(expected[i], expected[j]);
        };
        exchange([](const PlayerRecord& a, const PlayerRecord& b) {
            return a.Name.toLower().compare(b.Name.toLower()) < 0;
        });
        exchange([](const PlayerRecord& a, const PlayerRecord& b) { return a.Score > b.Score; });
        SortPlayers(g);
        for (int i = 1; i <= g.PlayerCount; ++i)
            ASSERT_EQ(g.PlayerTable[static_cast<std::size_t>(i)].Name,
                      expected[static_cast<std::size_t>(i)].Name)
                << "round " << round << ", place " << i;
    }
}
