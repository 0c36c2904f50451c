#pragma once

#include <QString>

class AppendFile;
struct Console;

// Adds a player unless the name is already in the roster (exact comparison). A full roster,
// or one not yet opened, shows "No More" and adds nobody. A name holding a control character
// (CR, LF, NUL, tab, DEL and the rest) is refused silently. True when the player was added.
bool AddPlayer(Console& console, const QString& name);

// Adds a player who registered by ESP: also writes the players file and, when Confirm is set,
// says "You are registered" to the player by ESP and pauses. True when the player was added.
bool RegisterPlayer(Console& console, const QString& name);

// The same, in a run of registrations sharing the players file held open by the caller: the
// name is written at once and reaches the disk at the caller's SyncPlayersFile. The file is
// let go before the pause, in which the host may act on it.
bool RegisterPlayer(Console& console, const QString& name, AppendFile& playersFile);

// Adds a player read back from the players file: nothing more than AddPlayer.
void RestorePlayer(Console& console, const QString& name);

// Draws one of the undrawn players at random and makes it current; false when none is left.
bool DrawPlayer(Console& console);

// Orders the roster by name, then by descending score, finds the current player again, and
// sends an opened game back to "Draw Player" when that player is gone.
void SortRoster(Console& console);

// Refills the player list and the count label.
void ShowRoster(Console& console);

// Says every score, lowest first, between a heading and a closing line.
void SayScores(Console& console);

// The player list's pop-up menu: remove the selected player / say the selected player's score.
void mnuPDelete_Click(Console& console);
void mnuPSayScore_Click(Console& console);

// The main window's text splitter: the next piece of text (or, given an empty text, of what
// is left of the last one) up to the separator.
QString GetNext(Console& console, const QString& text, const QString& separator);
