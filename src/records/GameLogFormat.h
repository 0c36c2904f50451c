#pragma once

#include <QDateTime>
#include <QString>

struct GameState;

// The game log and the players file, from which an interrupted game is rebuilt: their lines.

// What the round state calls for: at "Draw Player" the separator and the current player's
// name; at "Say Results" the wager line over the previous card, or, with a new card, the
// closing line. Empty in any other state.
QString TurnLogEntry(const GameState& game, const QString& previousCard, const QString& newCard);

// The log's header: version line, monthly file, start time, "Host=" and the host, a blank line.
QString GameLogHeader(const QString& monthlyFile, const QDateTime& started,
                      const QString& hostName);

// Every line of the log and the players file ends so.
QString RecordLineEnd();

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

// "Turn Recovered", written when a recovery takes a turn up again at its last logged wager:
// that wager is asked again, so the next wager line takes its place as after a Fix Card.
QString ResumedTurnLine();
