#include "console/GameOpening.h"

#include "console/Console.h"
#include "console/GameLog.h"
#include "console/HostName.h"
#include "console/Pacing.h"
#include "services/Clock.h"
#include "text/FixedLines.h"

void OpenGame(Console& console)
{
    GameState& g = console.game;
    ConsoleState& c = console.controls;
    c.mnuRecover.Enabled = false; // a recovery only makes sense before the game is opened
    DetectHostName(console, OpeningBanner());
    g.PlayerCapacity = MaxPlayers;
    const QString registration = QStringLiteral("To register ESP a ") + console.settings.RegChar +
                                 QStringLiteral(" to ") + g.HostName + u'.';
    SayAndPause(console, VersionLine());
    SayAndPause(console, ContactLine());
    SayAndPause(console, registration);

    g.GameStarted = console.clock.Now();
    StartGameLog(console);

    g.RoundState = RoundDrawPlayer;
    c.cmdSay.Caption = QStringLiteral("Draw Player");
    c.cmdSay.Enabled = false;
    c.txtPlayer.Text = QStringLiteral("(no player)");
    g.CardIndex = 0;
    for (std::size_t i = 1; i < c.cmbStart.size(); ++i)
        c.cmbStart[i].Enabled = false;
}
