#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QRandomGenerator;

// A deck the console deals a turn from: 52 cards, four of each rank "2" to "A" (suits play no
// part), and a salt that keeps its commitment from being guessed by trying orders.
struct Deck
{
    QString Salt;      // 32 hexadecimal digits
    QStringList Cards; // in the order they are dealt
};

// A fresh deck in a uniformly random order, with a fresh salt. Fisher-Yates: each card is
// swapped with one of those not yet placed, so that every order is equally likely.
Deck ShuffledDeck(QRandomGenerator& random);

// The 52 cards in rank order, four of each.
QStringList UnshuffledCards();

// The text the commitment is taken over and the reveal shows: the salt, then the cards in
// order, separated by single blanks ("0a1b... 7 K 2 10 ...").
QString DeckText(const Deck& deck);

// The deck read back from its text; empty unless it is a salt and exactly the 52 cards.
std::optional<Deck> ParseDeckText(const QString& text);

// SHA-256 of the deck's text (ASCII), in lower-case hexadecimal, as sha256sum prints it.
QString DeckCommitment(const Deck& deck);
