#include "console/Roster.h"

#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/Placeholders.h"
#include "console/Toolkit.h"
#include "game/RosterRules.h"
#include "text/NumberText.h"

#include <QChar>

#include <algorithm>
#include <chrono>
#include <random>
#include <utility>
#include <vector>

namespace {

// The selected row's slot, or 0 when no player row is selected.
int selectedSlot(const Console& console)
{
    const int row = console.controls.lstPlayers.SelectedRow;
    if (row < 0 || row >= console.game.PlayerCount)
        return 0;
    return row + 1;
}

} // namespace

bool AddPlayer(Console& console, const QString& name)
{
    switch (AddToRoster(console.game, name, console.settings.Start)) {
    case RosterAdd::Added:
        return true;
    case RosterAdd::Full:
        console.toolkit.MessageBox(QStringLiteral("Maximum Player count has been reached!!"),
                                   QStringLiteral("No More"));
        return false;
    case RosterAdd::Refused:
        break;
    }
    return false;
}

void RestorePlayer(Console& console, const QString& name)
{
    AddPlayer(console, name);
}

bool DrawPlayer(Console& console)
{
    return DrawFromRoster(console.game);
}

void SortRoster(Console& console)
{
    if (!SortPlayers(console.game))
        return;
    // The current player is gone: the round is back at the draw.
    ConsoleState& c = console.controls;
    c.txtPlayer.Text.clear();
    c.cmdSay.Caption = QStringLiteral("Draw Player");
    c.cmbStart[0].Enabled = true;
    for (std::size_t i = 1; i < c.cmbStart.size(); ++i)
        c.cmbStart[i].Enabled = false;
}

void ShowRoster(Console& console)
{
    ConsoleState& c = console.controls;
    c.lblPlayerCnt.Caption = QString::number(console.game.PlayerCount);
    c.lstPlayers.Rows = RosterRows(console.game);
    c.lstPlayers.SelectedRow = -1;
}

void SayScores(Console& console)
{
    const GameState& g = console.game;
    // Once the host stops the list, the lines left (the closing one too) go unsaid.
    const auto say = [&console](const QString& line) {
        if (!console.ListingStopRequested)
            SayMessage(console, line);
    };
    if (g.PlayerCount < 1) {
        say(QStringLiteral("--- No players registered ---"));
        return;
    }
    say(QStringLiteral("o=o Scores o=o"));
    // Each pause lets the host change the roster; read it afresh for every line.
    for (int i = g.PlayerCount; i >= 1 && !console.ListingStopRequested; --i) {
        if (i > g.PlayerCount)
            continue;
        say(ScoreLine(g.PlayerTable[static_cast<std::size_t>(i)]));
    }
    say(QStringLiteral("o=o=o=o=o"));
}

void mnuPDelete_Click(Console& console)
{
    const int chosen = selectedSlot(console);
    if (chosen == 0)
        return;
    RemoveFromRoster(console.game, chosen);
    SortRoster(console);
    ShowRoster(console);
}

void mnuPSayScore_Click(Console& console)
{
    const int chosen = selectedSlot(console);
    if (chosen == 0)
        return;
    console.chat.SayLine(ChatModeRoom, QString(),
                         ScoreLine(console.game.PlayerTable[static_cast<std::size_t>(chosen)]));
}

QString GetNext(Console& console, const QString& text, const QString& separator)
{
    QString& rest = console.RemainingText;
    if (!text.isEmpty())
        rest = text;
    const qsizetype at = separator.isEmpty() ? -1 : rest.indexOf(separator);
    if (at < 0)
        return std::exchange(rest, QString());
    QString piece = rest.left(at);
    rest.remove(0, at + separator.size());
    return piece;
}
