#include "records/GameLog.h"

#include "game/Console.h"
#include "game/FixedLines.h"
#include "game/NumberText.h"
#include "records/TextFile.h"

#include <QFile>
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

void appendEntry(Console& console, const QString& path, const QString& text)
{
    if (const auto error = AppendTextFile(path, text))
        ShowProgramError(console.toolkit, *error, path);
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

void WriteLog(Console& console, const QString& previousCard, const QString& newCard)
{
    const GameState& game = console.game;
    const PlayerRecord& player = game.current();
    QString text;
    if (game.RoundState == 1)
        text = LogSeparator() + LineEnd + player.Name + LineEnd;
    else if (game.RoundState == 4 && newCard.isEmpty())
        text = WagerLine(player.Score, previousCard, player.Wager, player.Higher) + LineEnd;
    else if (game.RoundState == 4)
        text = ClosingLine(player.Score, newCard) + LineEnd;
    appendEntry(console, console.settings.LogFile, text);
}

void LogFixCard(Console& console)
{
    appendEntry(console, console.settings.LogFile, FixCardLine() + LineEnd);
}

void AppendPlayersFile(Console& console, const QString& name)
{
    appendEntry(console, console.settings.PlayersFile, name + LineEnd);
}

void StartGameLog(Console& console)
{
    const Settings& settings = console.settings;
    QFile::remove(settings.PlayersFile);
    QFile::remove(settings.LogFile);
    const QString header = VersionLine() + LineEnd + settings.MonthlyFile + LineEnd +
                           FormatGameStarted(console.game.GameStarted) + LineEnd +
                           QStringLiteral("Host=") + console.game.HostName + LineEnd + LineEnd;
    if (const auto error = CreateTextFile(settings.LogFile, header))
        ShowProgramError(console.toolkit, *error, settings.LogFile);
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
