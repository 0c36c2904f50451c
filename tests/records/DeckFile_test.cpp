#include "records/DeckFile.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

TEST(DeckFile, HoldsThePlayerTheCommitmentAndTheDeckAndAnythingElseIsDamaged)
{
    const Deck deck = ShuffledDeck(*QRandomGenerator::system());
    const QString file = DeckFileText(u"Bob"_s, deck);
    const auto saved = ReadDeckFileText(file);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Player, u"Bob"_s);
    EXPECT_EQ(saved->Cards.Cards, deck.Cards);
    Deck swapped = deck; // two cards of different ranks trade places
    swapped.Cards.swapItemsAt(0, swapped.Cards.indexOf(*std::find_if(
                                     deck.Cards.begin(), deck.Cards.end(),
                                     [&](const QString& c) { return c != deck.Cards[0]; })));
    const QString otherOrder =
        u"Bob\r\n"_s + DeckCommitment(deck) + u"\r\n"_s + DeckText(swapped) + u"\r\n"_s;
    ASSERT_NE(swapped.Cards, deck.Cards);
    EXPECT_FALSE(ReadDeckFileText(otherOrder));
    EXPECT_FALSE(ReadDeckFileText(file.left(file.size() / 2)));
    EXPECT_FALSE(ReadDeckFileText(QString()));
}
