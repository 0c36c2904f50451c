#include "game/Roster.h"

#include "chat/ChatLink.h"
#include "game/Console.h"
#include "game/NumberText.h"
#include "game/Toolkit.h"
#include "macros/Placeholders.h"

#include <QChar>

#include <algorithm>
#include <chrono>
#include <random>
#include <utility>
#include <vector>

namespace {

PlayerRecord& slot(GameState& g, int index)
{
    return g.PlayerTable[static_cast<std::size_t>(index)];
}

QString scoreLine(const PlayerRecord& player)
{
    return player.Name + QStringLiteral(" has ") + ScoreText(player.Score) +
           QStringLiteral(" points");
}

// A name goes into the players file, the log and the monthly file as one line of its own: a
// control character (a CR or LF above all) would split it or end the line early there.
bool isLineSafe(const QString& name)
{
    return std::none_of(name.begin(), name.end(),
                        [](QChar c) { return c.unicode() < 32 || c.unicode() == 127; });
}

// The selected row's slot, or 0 when no player row is selected.
int selectedSlot(const Console& console)
{
    const int row = console.controls.lstPlayers.SelectedRow;
    if (row < 0 || row >= console.game.PlayerCount)
        return 0;
    return row + 1;
}

} // namespace

int RosterSlot(const GameState& g, QStringView name)
{
    for (int i = 1; i <= g.PlayerCount; ++i) {
        if (g.PlayerTable[static_cast<std::size_t>(i)].Name == name)
            return i;
    }
    return 0;
}

bool AddPlayer(Console& console, const QString& name)
{
    if (!isLineSafe(name))
        return false; // never a player: it would break the record files' lines
    GameState& g = console.game;
    if (RosterSlot(g, name) != 0)
        return false; // registering twice is no error
    if (g.PlayerCount >= std::min(g.PlayerCapacity, MaxPlayers)) {
        console.toolkit.MessageBox(QStringLiteral("Maximum Player count has been reached!!"),
                                   QStringLiteral("No More"));
        return false;
    }
    ++g.PlayerCount;
    PlayerRecord& added = slot(g, g.PlayerCount);
    added = PlayerRecord{};
    added.Name = name;
    added.Score = console.settings.Start;
    return true;
}

void RestorePlayer(Console& console, const QString& name)
{
    AddPlayer(console, name);
}

bool DrawPlayer(Console& console)
{
    GameState& g = console.game;
    g.CurrentPlayer = 0;
    std::vector<int> undrawn;
    for (int i = 1; i <= g.PlayerCount; ++i) {
        if (!slot(g, i).Drawn)
            undrawn.push_back(i);
    }
    if (undrawn.empty())
        return false;

    // Seeded afresh from the clock for every draw, so no two games repeat an order.
    const auto seed = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::mt19937_64 generator(static_cast<std::uint64_t>(seed));
    std::uniform_int_distribution<std::size_t> pick(0, undrawn.size() - 1);
    const int chosen = undrawn[pick(generator)];

    ++g.DrawnCount;
    g.CurrentPlayer = static_cast<std::int16_t>(chosen);
    g.CurrentPlayerCopy = slot(g, chosen);
    slot(g, chosen).Drawn = true;
    return true;
}

void SortRoster(Console& console)
{
    GameState& g = console.game;
    const int n = g.PlayerCount;
    // Two exchange passes, by name and then by score: the order they leave among equal scores
    // is the order the scores are said in, so neither pass may become a stable sort.
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            if (slot(g, i).Name.toLower().compare(slot(g, j).Name.toLower()) > 0)
                std::swap(slot(g, i), slot(g, j));
        }
    }
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            if (slot(g, i).Score < slot(g, j).Score)
                std::swap(slot(g, i), slot(g, j));
        }
    }

    g.CurrentPlayer = 0;
    for (int i = 1; i <= n; ++i) {
        if (slot(g, i).Name == g.CurrentPlayerCopy.Name) {
            g.CurrentPlayer = static_cast<std::int16_t>(i);
            break;
        }
    }
    // An unopened game stays unopened: only "Start" may leave state 0.
    if (g.CurrentPlayer != 0 || g.RoundState == 0)
        return;
    ConsoleState& c = console.controls;
    g.RoundState = 1;
    c.txtPlayer.Text.clear();
    c.cmdSay.Caption = QStringLiteral("Draw Player");
    g.CardIndex = 0;
    c.cmbStart[0].Enabled = true;
    for (std::size_t i = 1; i < c.cmbStart.size(); ++i)
        c.cmbStart[i].Enabled = false;
}

void ShowRoster(Console& console)
{
    const GameState& g = console.game;
    ConsoleState& c = console.controls;
    c.lblPlayerCnt.Caption = QString::number(g.PlayerCount);
    c.lstPlayers.Rows.clear();
    c.lstPlayers.SelectedRow = -1;
    const QChar noBreak(0x00A0);
    for (int i = 1; i <= g.PlayerCount; ++i) {
        const PlayerRecord& p = g.PlayerTable[static_cast<std::size_t>(i)];
        const int pad = p.Score < 10 ? 2 : (p.Score < 100 ? 1 : 0);
        c.lstPlayers.Rows.append(QString(pad, noBreak) + ScoreText(p.Score) +
                                 (p.Drawn ? QStringLiteral("+") : QStringLiteral("--")) + p.Name);
    }
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
        say(scoreLine(g.PlayerTable[static_cast<std::size_t>(i)]));
    }
    say(QStringLiteral("o=o=o=o=o"));
}

void mnuPDelete_Click(Console& console)
{
    const int chosen = selectedSlot(console);
    if (chosen == 0)
        return;
    GameState& g = console.game;
    if (slot(g, chosen).Drawn)
        --g.DrawnCount;
    for (int i = chosen; i < g.PlayerCount; ++i)
        slot(g, i) = std::move(slot(g, i + 1));
    slot(g, g.PlayerCount) = PlayerRecord{};
    --g.PlayerCount;
    SortRoster(console);
    ShowRoster(console);
}

void mnuPSayScore_Click(Console& console)
{
    const int chosen = selectedSlot(console);
    if (chosen == 0)
        return;
    console.chat.SayLine(0, QString(), scoreLine(slot(console.game, chosen)));
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
