#pragma once

#include "records/TextFile.h"

#include <QString>

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

// One line with the name of a player who has just entered the roster. With FileSync::Later
// the line is written at once but reaches the disk only with the next SyncPlayersFile.
void AppendPlayersFile(Console& console, const QString& name, FileSync sync = FileSync::Now);

// Has the players file's lines on disk; a failure is shown as "Program Error".
void SyncPlayersFile(Console& console);

// The game opening: removes the players file and the log (failures ignored) and creates the
// log with its header. A log that cannot be created is reported; the game goes on without it.
void StartGameLog(Console& console);
