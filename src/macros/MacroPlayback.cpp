#include "macros/MacroPlayback.h"

#include "chat/ChatLink.h"
#include "chat/Pacing.h"
#include "chat/RegistrationScan.h"
#include "game/BusyLock.h"
#include "game/Console.h"
#include "game/Roster.h"
#include "macros/Placeholders.h"

QStringList MacroLines(const QString& text)
{
    QStringList lines;
    const QStringView rest(text);
    qsizetype pos = 0;
    while (pos < rest.size()) {
        const qsizetype end = rest.indexOf(u"\r\n", pos);
        const QStringView line = rest.sliced(pos, (end < 0 ? rest.size() : end) - pos);
        if (line.isEmpty())
            break;
        lines.append(line.toString());
        if (end < 0)
            break;
        pos = end + 2;
    }
    return lines;
}

void txtButton_Click(Console& console, int index)
{
    console.controls.Focus = QStringLiteral("Command2");
    BeginBusy(console);
    // The lines are taken now and kept apart: the registration scan splits texts of its own.
    const QStringList lines = index >= 1 && index < MacroSlots
                                  ? MacroLines(console.macros[static_cast<std::size_t>(index)].Text)
                                  : QStringList();
    const PlaceholderAction operations = [&console](const QString& name) {
        if (name == u"scores") {
            SayScores(console);
            return true;
        }
        if (name == u"getregs") {
            ScanRegistrations(console);
            return true;
        }
        return false;
    };
    for (const QString& line : lines) {
        if (console.ListingStopRequested)
            break; // the host stopped the macro: its other lines go unsaid
        const QString filled = FillPlaceholders(console, line, operations);
        if (filled.isEmpty())
            continue;
        console.chat.SayLine(0, QString(), filled);
        My_Wait(console.toolkit, console.settings.Delay);
    }
    EndBusy(console);
}
