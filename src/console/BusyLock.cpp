#include "console/BusyLock.h"

#include "console/Console.h"
#include "console/Toolkit.h"

void BeginBusy(Console& console)
{
    ConsoleState& c = console.controls;
    console.ListingStopRequested = false;
    c.Focus = QStringLiteral("Command2");
    console.toolkit.SetHourglass(true);
    c.mnuFile.Enabled = false;
    c.mnuOptions.Enabled = false;
    c.mnuAbout.Enabled = false;
    c.cmdSay.Enabled = false;
    for (int i = 1; i <= 20; ++i)
        c.txtButton[static_cast<std::size_t>(i)].Enabled = false;
}

void EndBusy(Console& console)
{
    ConsoleState& c = console.controls;
    GameState& g = console.game;
    c.mnuFile.Enabled = true;
    c.mnuOptions.Enabled = true;
    c.mnuAbout.Enabled = true;
    if (g.PlayerCount > g.DrawnCount || g.RoundState != RoundDrawPlayer) {
        c.cmdSay.Enabled = true;
    } else {
        c.txtPlayer.Text = QStringLiteral("(no players)");
        g.CurrentPlayer = 0;
    }
    for (int i = 1; i <= 20; ++i)
        c.txtButton[static_cast<std::size_t>(i)].Enabled = true;
    console.toolkit.SetHourglass(false);
}

void StopListing(Console& console)
{
    console.ListingStopRequested = true;
}
