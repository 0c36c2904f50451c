#include "text/Cards.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(CardRank, RanksTheThirteenCardsByPositionInTheRankText)
{
    const QStringList cards = {u"2"_s, u"3"_s,  u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s,
                               u"9"_s, u"10"_s, u"J"_s, u"Q"_s, u"K"_s, u"A"_s};
    const int ranks[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14};
    for (int i = 0; i < cards.size(); ++i)
        EXPECT_EQ(CardRank(cards[i]), ranks[i]) << cards[i].toStdString();
}

TEST(CardRank, TakesAnyPieceOfTheRankTextAndRefusesTheRest)
{
    EXPECT_EQ(CardRank(u"1"_s), 9);  // ranks like "10"
    EXPECT_EQ(CardRank(u"0"_s), 10); // between "10" and "J"
    EXPECT_EQ(CardRank(u"j"_s), 0);
    EXPECT_EQ(CardRank(u"a"_s), 0);
    EXPECT_EQ(CardRank(u""_s), 0);
    EXPECT_EQ(CardRank(u" 5"_s), 0);
    EXPECT_FALSE(IsValidCard(u""_s));
    EXPECT_TRUE(IsValidCard(u"910"_s));
}

TEST(CardRank, TenBeatsNineAndJackBeatsTen)
{
    EXPECT_GT(CardRank(u"10"_s), CardRank(u"9"_s));
    EXPECT_GT(CardRank(u"J"_s), CardRank(u"10"_s));
    EXPECT_GT(CardRank(u"A"_s), CardRank(u"K"_s));
}

TEST(CardArticle, EightAndAceTakeAn)
{
    EXPECT_EQ(CardArticle(u"8"_s), u"Your Card is an "_s);
    EXPECT_EQ(CardArticle(u"A"_s), u"Your Card is an "_s);
    EXPECT_EQ(CardArticle(u"10"_s), u"Your Card is a "_s);
    EXPECT_EQ(CardArticle(u"J"_s), u"Your Card is a "_s);
    EXPECT_EQ(CardArticle(u"2"_s), u"Your Card is a "_s);
}
