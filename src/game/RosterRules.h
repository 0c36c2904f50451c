#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

struct GameState;
struct PlayerRecord;

// The roster's rules, on the game state alone: who may join, the draw, the order, the rows.

// The roster slot holding the name exactly, 0 when none does.
int RosterSlot(const GameState& g, QStringView name);

enum class RosterAdd
{
    Added,
    Refused, // already in the roster, or a name that would break a record file's line
    Full     // the roster is full, or not opened yet
};

// Adds the name at the end of the roster with the starting score, unless it is already there
// (exact comparison) or holds a control character (CR, LF, NUL, tab, DEL and the rest), which
// would split its line in the players file, the log and the monthly file.
RosterAdd AddToRoster(GameState& g, const QString& name, std::int16_t startScore);

// Draws one of the undrawn players at random and makes it current; false, with no current
// player, when none is left.
bool DrawFromRoster(GameState& g);

// Orders the roster by name, then by descending score, and finds the current player again.
// True when an opened game has lost its current player: the round is back at the draw.
bool SortPlayers(GameState& g);

// The player list's rows: the score padded with no-break blanks, "+" for a drawn player or
// "--", and the name.
QStringList RosterRows(const GameState& g);

// "Name has 12 points".
QString ScoreLine(const PlayerRecord& player);

// Takes the player in the slot out of the roster, closing the gap; a drawn player no longer
// counts as drawn.
void RemoveFromRoster(GameState& g, int slot);
