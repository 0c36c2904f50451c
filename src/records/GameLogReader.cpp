#include "records/GameLogReader.h"

#include "game/NumberText.h"

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

// A wager line ("score card wager guess") or a closing line ("score card") into the record.
bool readTurnLine(const QString& line, LoggedTurn& turn)
{
    const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != 2 && fields.size() != 4)
        return false;
    const std::optional<double> score = ParseNumber(fields[0]);
    if (!score)
        return false;
    if (fields.size() == 4) {
        const std::optional<double> wager = ParseNumber(fields[2]);
        const bool higher = fields[3] == u"higher";
        if (!wager || (!higher && fields[3] != u"lower"))
            return false;
        turn.Record.Wager = static_cast<float>(*wager);
        turn.Record.Higher = higher;
    }
    turn.Record.Score = static_cast<float>(*score);
    turn.Cards.append(fields[1]);
    return true;
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

    LoggedTurn* turn = nullptr;
    for (qsizetype i = 4; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (isSeparator(line)) {
            log.Turns.emplace_back();
            turn = &log.Turns.back();
            turn->Record.Drawn = true;
            if (i + 1 < lines.size())
                turn->Record.Name = lines[++i];
            continue;
        }
        if (line.trimmed().isEmpty())
            continue; // the blank line that ends the header
        if (!turn)
            return fail(LogFault::BadLine, i);
        QString joined = line;
        while (i + 1 < lines.size() && isContinuation(lines[i + 1]))
            joined += lines[++i];
        if (!readTurnLine(joined, *turn))
            return fail(LogFault::BadLine, i);
    }
    return log;
}
