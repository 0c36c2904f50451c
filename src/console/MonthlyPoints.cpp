#include "console/MonthlyPoints.h"

#include "chat/ChatLink.h"
#include "console/BusyLock.h"
#include "console/Console.h"
#include "console/Pacing.h"
#include "console/Toolkit.h"
#include "records/MonthTable.h"
#include "text/NumberText.h"

#include <QLocale>

namespace {

const QString PointsFileError = QStringLiteral("Points File Error");

void reportFailure(Console& console, const FileError& failure, const QString& closingLine)
{
    console.toolkit.MessageBox(FileErrorText(failure, closingLine), PointsFileError);
}

// "#,##0": whole points with the system's group separator between thousands.
QString groupedPoints(int points)
{
    const QString digits = QString::number(points);
    const QString separator = QLocale::system().groupSeparator();
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const qsizetype left = digits.size() - i;
        if (i > 0 && left % 3 == 0 && digits[i - 1].isDigit())
            text += separator;
        text += digits[i];
    }
    return text;
}

// Once the host stops the listing, the lines left go unsaid.
void say(Console& console, const QString& line)
{
    if (!console.ListingStopRequested)
        SayAndPause(console, line);
}

} // namespace

QString MonthlyPointsFilter()
{
    return QStringLiteral("Points (*.TXT)|QOP*.txt|All Files (*.*)|*.*");
}

bool SaveTodaysPoints(Console& console)
{
    const QString& path = console.settings.MonthlyFile;
    const QString tail = QStringLiteral("Error with file: ") + path;
    MonthTable table;
    if (auto failure = ReadMonthTable(path, table); failure && !IsNotFound(*failure)) {
        reportFailure(console, *failure, tail);
        return false;
    }
    if (auto failure = AddRosterToMonth(console.game, table)) {
        reportFailure(console, *failure, tail);
        return false;
    }
    SortMonthDescending(table);
    if (auto failure = WriteMonthTable(path, table)) {
        reportFailure(console, *failure, tail);
        return false;
    }
    return true;
}

void ListMonthlyPoints(Console& console, const QString& path)
{
    MonthTable table;
    if (auto failure = ReadMonthTable(path, table)) {
        reportFailure(console, *failure, QStringLiteral("Error with points file: ") + path);
        return;
    }
    SortMonthAscending(table);
    if (table.empty()) {
        say(console, QStringLiteral("---  No Monthly Points  ---"));
        return;
    }
    const QString rule = QStringLiteral("--o--o--o--o--o--o--o--o--");
    say(console, QStringLiteral("---  Monthly Points  ---"));
    say(console, rule);
    for (const MonthEntry& entry : table) {
        if (entry.Points > 0)
            say(console, entry.Name + u" -- " + groupedPoints(entry.Points) + u" points");
    }
    say(console, rule);
}

void mnuMSave_Click(Console& console)
{
    BeginBusy(console);
    SaveTodaysPoints(console);
    EndBusy(console);
}

void mnuMThis_Click(Console& console)
{
    BeginBusy(console);
    ListMonthlyPoints(console, console.settings.MonthlyFile);
    EndBusy(console);
}

void mnuMOther_Click(Console& console)
{
    BeginBusy(console);
    const std::optional<QString> chosen = console.toolkit.OpenFileName(MonthlyPointsFilter());
    if (chosen && !chosen->isEmpty())
        ListMonthlyPoints(console, *chosen);
    EndBusy(console);
}
