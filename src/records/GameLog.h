#pragma once

#include <QDateTime>
#include <QString>

struct Console;

// The game log and the players file, from which an interrupted game is rebuilt. Every entry
// is on disk when the call returns; a failure is shown as "Program Error" and the game goes on.

// Writes what the round state calls for: at the draw (state 1) the separator and the current
// player's name; at the results (state 4) the wager line over the previous card, or, with a
// new card, the closing line.
void WriteLog(Console& console, const QString& previousCard, const QString& newCard);

// After a Fix Card has taken back a result: the line that tells a recovery the last wager line
// is open again. The next wager line of the turn takes its place, and a closing line written
// since no longer counts.
void LogFixCard(Console& console);

// One line with the name of a player who has just entered the roster.
void AppendPlayersFile(Console& console, const QString& name);

// The game opening: removes the players file and the log (failures ignored) and creates the
// log with its header: version line, monthly file, start time, "Host=" and the host, a blank
// line. A log that cannot be created is reported; the game goes on without it.
void StartGameLog(Console& console);

// "9:05pm, Saturday, March 1, 2003", with the system language's names.
QString FormatGameStarted(const QDateTime& started);

// The log's lines, laid out in columns: score from column 1, card from 8, wager from 10,
// guess from 18. A field that runs past its column follows the one before after one blank.
QString WagerLine(float score, const QString& card, float wager, bool higher);
QString ClosingLine(float score, const QString& card);

// 25 plus signs, the first line of each drawn player's block.
QString LogSeparator();

// "Fixing Card", the words said in the chat at that moment: no score line reads like it.
QString FixCardLine();
