#include "game/Deck.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr int DeckSize = 52;
constexpr int RankCount = 13;

// Pearson's chi-square of how often each rank lands in each position of the deck, against
// every position holding each rank with the same chance (four cards in 52).
double rankPositionChiSquare(const std::function<QStringList()>& shuffle, int decks)
{
    const QStringList plain = UnshuffledCards(); // four of each rank, in rank order
    std::vector<std::array<int, DeckSize>> counts(RankCount);
    for (int d = 0; d < decks; ++d) {
        const QStringList cards = shuffle();
        for (int position = 0; position < DeckSize; ++position) {
            const auto rank = static_cast<std::size_t>(plain.indexOf(cards[position]) / 4);
            ++counts[rank][static_cast<std::size_t>(position)];
        }
    }
    const double expected = 4.0 * decks / DeckSize;
    double chi = 0.0;
    for (const auto& row : counts) {
        for (int observed : row)
            chi += (observed - expected) * (observed - expected) / expected;
    }
    return chi;
}

// The well-known mistake: every card swapped with any card, so some orders come more often.
QStringList naiveShuffle(QRandomGenerator& random)
{
    QStringList cards = UnshuffledCards();
    for (int i = 0; i < DeckSize; ++i)
        cards.swapItemsAt(i, random.bounded(static_cast<quint32>(DeckSize)));
    return cards;
}

} // namespace

TEST(Deck, EveryRankLandsInEveryPositionEquallyOftenWithinABoundABiasedShuffleFails)
{
    // 12 x 51 degrees of freedom: a fair shuffle stays within six standard deviations of their
    // number; the naive shuffle's bias adds about 0.59 per deck, some 11,800 over 20,000 decks.
    constexpr int Decks = 20000;
    const double freedom = (RankCount - 1) * (DeckSize - 1);
    const double bound = freedom + 6.0 * std::sqrt(2.0 * freedom);
    QRandomGenerator& secure = *QRandomGenerator::system();
    const double fair = rankPositionChiSquare([&] { return ShuffledDeck(secure).Cards; }, Decks);
    EXPECT_LT(fair, bound);
    EXPECT_GT(fair, freedom - 6.0 * std::sqrt(2.0 * freedom)); // random, not merely spread
    const double biased = rankPositionChiSquare([&] { return naiveShuffle(secure); }, Decks);
    EXPECT_GT(biased, bound) << "the bound would not catch a naive shuffle";
    RecordProperty("ChiSquareFair", std::to_string(fair));
    RecordProperty("ChiSquareNaive", std::to_string(biased));
    RecordProperty("Bound", std::to_string(bound));
}

TEST(Deck, ADeckIsTheFiftyTwoCardsWithASaltAndItsCommitmentIsTheHashOfItsText)
{
    const Deck deck = ShuffledDeck(*QRandomGenerator::system());
    ASSERT_EQ(deck.Cards.size(), DeckSize);
    EXPECT_EQ(ParseDeckText(DeckText(deck))->Cards, deck.Cards);
    EXPECT_EQ(deck.Salt.size(), 32);
    EXPECT_NE(ShuffledDeck(*QRandomGenerator::system()).Salt, deck.Salt);
    const QString text = DeckText(deck);
    EXPECT_TRUE(text.startsWith(deck.Salt + u' '));
    EXPECT_EQ(DeckCommitment(deck),
              QString::fromLatin1(
                  QCryptographicHash::hash(text.toLatin1(), QCryptographicHash::Sha256).toHex()));

    // Only a salt and exactly the 52 cards read back.
    QString fifthAce = text;
    fifthAce.replace(u" 2 "_s, u" A "_s);
    const QStringList broken = {text + u" 2"_s, text.mid(0, text.lastIndexOf(u' ')),
                                fifthAce,       u"XYZ"_s + text.mid(3),
                                text.toUpper(), QString()};
    for (const QString& b : broken)
        EXPECT_FALSE(ParseDeckText(b)) << b.toStdString();
}
