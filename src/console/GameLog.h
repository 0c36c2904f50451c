#pragma once

#include <QString>

class AppendFile;
struct Console;

// The game log and the players file as the game writes them. Every entry is on disk when the
// call returns; a failure is shown as "Program Error" and the game goes on.

// Appends what the round state calls for (see TurnLogEntry).
void WriteLog(Console& console, const QString& previousCard, const QString& newCard);

// After a Fix Card has taken back a result: the line that tells a recovery the last wager line
// is open again. The next wager line of the turn takes its place, and a closing line written
// since no longer counts.
void LogFixCard(Console& console);

// After a recovery has taken the last turn up again at its last logged wager: the line that
// tells a later recovery that wager is being asked again, so its next wager line replaces it.
void LogResumedTurn(Console& console);

// One line with the name of a player who has just entered the roster.
void AppendPlayersFile(Console& console, const QString& name);

// The same through the players file held open for a run of names: the line is written at once
// but reaches the disk only with the next SyncPlayersFile.
void AppendPlayersFile(Console& console, AppendFile& playersFile, const QString& name);

// Lets the players file go and has the lines appended through it on disk, on a thread of its
// own: a failure is shown as "Program Error" when the event loop comes round.
void SyncPlayersFile(Console& console, AppendFile& playersFile);

// The game opening: removes the players file and the log (failures ignored) and creates the
// log with its header. A log that cannot be created is reported; the game goes on without it.
void StartGameLog(Console& console);
