#pragma once

#include <QString>

#include <cstdint>

struct GameState;

// A turn's rules, on the game state alone: scoring a turned card and taking a result back.

// LastResult: how the last turned card went for the current player.
inline constexpr std::int32_t ResultWin = 1;
inline constexpr std::int32_t ResultLose = 2;
inline constexpr std::int32_t ResultPush = 3;

// Scores the turned card against the one before it for the current player: a higher or lower
// rank as guessed wins the wager, the other way loses it, the same rank pushes. The wager and
// the guess are kept, exactly, with the result, so Fix Card can take it back.
std::int32_t ScoreTurnedCard(GameState& g, const QString& previousCard, const QString& card);

// Takes back the last result from the current player: its stake and guess come back, and the
// points it won or lost are returned. Once: until a card is scored again there is no result.
void UndoLastResult(GameState& g);

// Whether a turn with this score and this many cards in the log (the face-up card first) goes
// on: until the score reaches 0 or the sixth card is turned.
bool TurnGoesOn(float score, qsizetype loggedCards);

// After a game's last turn the busy lock has let go of the player: finds it again by name.
// False when it is no longer in the roster.
bool FindLastPlayer(GameState& g);
