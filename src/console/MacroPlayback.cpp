#include "console/MacroPlayback.h"

#include "chat/ChatLink.h"
#include "console/BusyLock.h"
#include "console/Console.h"
#include "console/Pacing.h"
#include "console/Placeholders.h"
#include "console/RegistrationScan.h"
#include "console/Roster.h"
#include "macros/MacroLines.h"

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
        if (!filled.isEmpty())
            SayAndPause(console, filled);
    }
    EndBusy(console);
}
