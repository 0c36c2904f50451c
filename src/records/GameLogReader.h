#pragma once

#include "game/PlayerRecord.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One drawn player's block of the game log, as the last line of the block leaves it.
struct LoggedTurn
{
    PlayerRecord Record; // Name, and Score, Wager and Higher of the last line; Drawn true
    QStringList Cards;   // every card logged for this turn, in order
};

// What is wrong with a log that cannot be read back.
enum class LogFault
{
    ShortHeader, // the file ends before the "Host=" line
    NoHostLine,  // the fourth line does not begin with "Host="
    BadLine,     // a wager or closing line whose fields do not read
};

struct GameLogContents
{
    std::optional<QString> Host; // after "Host=" on the fourth line, once that line was read
    std::vector<LoggedTurn> Turns;
    std::optional<LogFault> Fault; // set when the log stopped reading there
    int FaultLine = 0;             // 1-based line of the fault
};

// The lines of the players file or the game log, without their ends. Lines end with CR LF; a
// file without a single CR LF (edited by hand elsewhere) is taken to end them with LF alone.
QStringList RecordFileLines(const QString& text);

// Reads a game log by position: four header lines (the fourth "Host=" and the host), then
// blocks of a separator, a name and the turn's wager and closing lines. Whatever a name looks
// like, the line after a separator is a name. Wager and closing lines are read as fields
// separated by blanks: score, card, and on a wager line the wager and "higher" or "lower".
// A block may hold more card lines than a turn has cards: every Fix Card adds a wager line.
// Where Fix Card or a recovery that resumed the turn left its line, the wager line before it is
// replaced by the next wager line and a closing line between them is dropped; logs of older
// versions have no such lines.
GameLogContents ReadGameLogText(const QString& text);
