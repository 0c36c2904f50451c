#include "records/GameLogFormat.h"

#include "game/GameState.h"
#include "text/FixedLines.h"
#include "text/NumberText.h"

#include <QLocale>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

// Blanks up to the column, so that the next field starts there. A line already past it gets
// one blank instead, keeping every entry on one line.
void padToColumn(QString& line, int column)
{
    const qsizetype width = column - 1;
    if (line.size() < width)
        line += QString(width - line.size(), u' ');
    else if (line.size() > width)
        line += u' ';
}

} // namespace

QString LogSeparator()
{
    return QString(25, u'+');
}

QString FixCardLine()
{
    return QStringLiteral("Fixing Card");
}

QString ResumedTurnLine()
{
    return QStringLiteral("Turn Recovered");
}

QString ClosingLine(float score, const QString& card)
{
    QString line = NumericPrintForm(score);
    padToColumn(line, 8);
    return line + card;
}

QString WagerLine(float score, const QString& card, float wager, bool higher)
{
    QString line = ClosingLine(score, card);
    padToColumn(line, 10);
    line += NumericPrintForm(wager);
    padToColumn(line, 18);
    return line + (higher ? QStringLiteral("higher") : QStringLiteral("lower"));
}

QString RecordLineEnd()
{
    return LineEnd;
}

QString TurnLogEntry(const GameState& game, const QString& previousCard, const QString& newCard)
{
    const PlayerRecord& player = game.Current();
    if (game.RoundState == RoundDrawPlayer)
        return LogSeparator() + LineEnd + player.Name + LineEnd;
    if (game.RoundState == RoundSayResults && newCard.isEmpty())
        return WagerLine(player.Score, previousCard, player.Wager, player.Higher) + LineEnd;
    if (game.RoundState == RoundSayResults)
        return ClosingLine(player.Score, newCard) + LineEnd;
    return {};
}

QString GameLogHeader(const QString& monthlyFile, const QDateTime& started, const QString& hostName)
{
    return VersionLine() + LineEnd + monthlyFile + LineEnd + FormatGameStarted(started) + LineEnd +
           QStringLiteral("Host=") + hostName + LineEnd + LineEnd;
}

QString FormatGameStarted(const QDateTime& started)
{
    const QLocale locale = QLocale::system();
    const QDate date = started.date();
    const QTime time = started.time();
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QString::number(hour) + u':' +
           QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0')) +
           (time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm")) + u", " +
           locale.dayName(date.dayOfWeek(), QLocale::LongFormat) + u", " +
           locale.monthName(date.month(), QLocale::LongFormat) + u' ' +
           QString::number(date.day()) + u", " + QString::number(date.year());
}
