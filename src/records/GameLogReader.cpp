#include "records/GameLogReader.h"

#include "records/GameLogFormat.h"
#include "text/NumberText.h"

#include <utility>

namespace {

bool isSeparator(const QString& line)
{
    return line.startsWith(QStringLiteral("++++++++++"));
}

// Older logs broke a field that ran past its column onto a new line that starts with the
// seven blanks before the card column; such a line continues the one before.
bool isContinuation(const QString& line)
{
    return line.startsWith(QStringLiteral("       "));
}

// One wager or closing line of the block being read.
struct TurnLine
{
    float Score = 0.0f;
    std::optional<std::pair<float, bool>> Stake; // the wager and the guess, on a wager line
    QString Card;
    std::pair<float, bool> LastStake{0.0f, false}; // of this line or the last wager line before
};

// A wager line ("score card wager guess") or a closing line ("score card").
std::optional<TurnLine> readTurnLine(const QString& line)
{
    const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != 2 && fields.size() != 4)
        return std::nullopt;
    const std::optional<double> score = ParseNumber(fields[0]);
    if (!score)
        return std::nullopt;
    TurnLine read{static_cast<float>(*score), std::nullopt, fields[1]};
    if (fields.size() == 4) {
        const std::optional<double> wager = ParseNumber(fields[2]);
        const bool higher = fields[3] == u"higher";
        if (!wager || (!higher && fields[3] != u"lower"))
            return std::nullopt;
        read.Stake = std::make_pair(static_cast<float>(*wager), higher);
    }
    return read;
}

// The lines of the block being read as they count: a Fix Card takes lines back out of it.
struct Block
{
    LoggedTurn* Turn = nullptr;
    std::vector<TurnLine> Lines;
    bool Reopened = false; // a Fix Card has reopened the last wager line
};

// True when the line dropped was a wager line.
bool dropLast(Block& block)
{
    const bool wager = block.Lines.back().Stake.has_value();
    block.Lines.pop_back();
    block.Turn->Cards.removeLast();
    return wager;
}

// The record as the last line counting leaves it; a closing line keeps the last stake.
void settle(Block& block)
{
    PlayerRecord& r = block.Turn->Record;
    const TurnLine last = block.Lines.empty() ? TurnLine{} : block.Lines.back();
    r.Score = last.Score;
    r.Wager = last.LastStake.first;
    r.Higher = last.LastStake.second;
}

void addLine(Block& block, TurnLine line)
{
    if (block.Reopened && line.Stake) {
        // The wager scored again after a Fix Card takes the place of the one it corrects.
        block.Reopened = false;
        while (!block.Lines.empty() && !dropLast(block)) {
        }
    }
    if (line.Stake)
        line.LastStake = *line.Stake;
    else if (!block.Lines.empty())
        line.LastStake = block.Lines.back().LastStake;
    block.Turn->Cards.append(line.Card);
    block.Lines.push_back(std::move(line));
    settle(block);
}

// Fix Card, or a recovery resuming the turn, reopens the last wager: a closing line after it no
// longer counts, and the wager line stands (to be asked again) until the next wager line replaces
// it.
void fixCard(Block& block)
{
    while (!block.Lines.empty() && !block.Lines.back().Stake)
        dropLast(block);
    block.Reopened = !block.Lines.empty();
    settle(block);
}

} // namespace

QStringList RecordFileLines(const QString& text)
{
    // The console ends every line with CR LF, so in a file that has them a CR or LF alone is
    // part of a line: older versions wrote avatar names holding one as they came.
    const QString lineEnd = QStringLiteral("\r\n");
    QStringList lines = text.contains(lineEnd) ? text.split(lineEnd) : text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line
    return lines;
}

GameLogContents ReadGameLogText(const QString& text)
{
    GameLogContents log;
    const QStringList lines = RecordFileLines(text);
    const auto fail = [&log](LogFault fault, qsizetype index) {
        log.Fault = fault;
        log.FaultLine = static_cast<int>(index) + 1;
        return log;
    };
    if (lines.size() < 4)
        return fail(LogFault::ShortHeader, lines.size());
    const QString hostPrefix = QStringLiteral("Host=");
    if (!lines[3].startsWith(hostPrefix))
        return fail(LogFault::NoHostLine, 3);
    log.Host = lines[3].mid(hostPrefix.size());

    Block block;
    for (qsizetype i = 4; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (isSeparator(line)) {
            LoggedTurn& turn = log.Turns.emplace_back();
            turn.Record.Drawn = true;
            if (i + 1 < lines.size())
                turn.Record.Name = lines[++i];
            block = Block{&turn, {}, false};
            continue;
        }
        if (line.trimmed().isEmpty())
            continue; // the blank line that ends the header
        if (!block.Turn)
            return fail(LogFault::BadLine, i);
        if (line == FixCardLine() || line == ResumedTurnLine()) {
            fixCard(block);
            continue;
        }
        QString joined = line;
        while (i + 1 < lines.size() && isContinuation(lines[i + 1]))
            joined += lines[++i];
        std::optional<TurnLine> read = readTurnLine(joined);
        if (!read)
            return fail(LogFault::BadLine, i);
        addLine(block, std::move(*read));
    }
    return log;
}
