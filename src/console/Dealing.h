#pragma once

#include <QString>
#include <QStringList>

struct Console;

// Options > Deal Cards: the console deals each turn from a freshly shuffled deck, commits to
// its order in the chat before the player is called, and says the order when the turn ends,
// so that the players can check every card afterwards. The host no longer picks those cards.

// Turns dealing on or off for the turns drawn from now on, and keeps the choice at once.
void mnuDealCards_Click(Console& console);

// At a draw, before the player is called. A deck still in play (its turn was cut short) is
// revealed first; then, with dealing on, a fresh deck is shuffled, kept in its file for a
// recovery and committed to in the chat.
void DealDeck(Console& console);

// The card the deck of the turn puts into card box `index`; empty when no deck is in play.
QString DealtCard(const Console& console, int index);

// At the end of a dealt turn: the salt and the order said, the deck's file removed.
void RevealDeck(Console& console);

// A recovery resuming the player's turn, with the cards the log holds for it: deals the rest
// from the deck's file when it is there, whole and agrees with the log. A file that does not
// (or none, with dealing on) is reported to the host, who picks the cards for the rest of
// that turn: Lost, to be said in the chat.
enum class DeckResumed
{
    Dealt,
    NotDealt, // no deck, and dealing off: the turn was not dealt
    Lost,
};
DeckResumed ResumeDeck(Console& console, const QString& player, const QStringList& loggedCards);

// A recovery between turns: a deck whose turn ended before it was revealed is revealed now.
void RevealLeftoverDeck(Console& console);
