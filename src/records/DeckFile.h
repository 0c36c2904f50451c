#pragma once

#include "game/Deck.h"

#include <QString>

#include <optional>

// The deck of the turn under way, kept beside the game log so that a recovery deals the rest
// of the turn from it: the player's name, the commitment said, the deck's text, a line each.
struct SavedDeck
{
    QString Player;
    Deck Cards;
};

QString DeckFileText(const QString& player, const Deck& deck);

// Empty when the text is not three such lines, or the deck does not match its commitment.
std::optional<SavedDeck> ReadDeckFileText(const QString& text);
