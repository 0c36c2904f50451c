#include "GameTable.h"

#include "console/BusyLock.h"
#include "console/Roster.h"
#include "console/RoundFlow.h"

#include <QFile>

#include <vector>

#include <gtest/gtest.h>

GameTable::GameTable()
{
    console.settings.LogFile = Path(QStringLiteral("Quillo.log"));
    console.settings.PlayersFile = Path(QStringLiteral("QOPlayers.txt"));
    console.settings.MonthlyFile = Path(QStringLiteral("QOPMarch03.txt"));
}

void GameTable::Click()
{
    cmdSay_Click(console);
    EXPECT_FALSE(toolkit.Hourglass) << "the busy lock was not released";
}

QStringList GameTable::NewLines()
{
    const QStringList all = room.SaidLines();
    const QStringList fresh = all.mid(seen);
    seen = all.size();
    return fresh;
}

static QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray GameTable::LogBytes() const
{
    return fileBytes(console.settings.LogFile);
}

QByteArray GameTable::PlayersBytes() const
{
    return fileBytes(console.settings.PlayersFile);
}

void GameTable::OpenWith(const QStringList& players)
{
    Click();
    console.settings.Confirm = false;
    BeginBusy(console);
    for (const QString& name : players)
        RegisterPlayer(console, name);
    SortRoster(console);
    ShowRoster(console);
    EndBusy(console);
    console.settings.Confirm = true;
    NewLines();
}

void GameTable::DrawOnly(const QString& name)
{
    // Everyone else looks drawn for this one draw, then gets their own flag back.
    GameState& g = console.game;
    std::vector<bool> drawn;
    for (int i = 1; i <= g.PlayerCount; ++i) {
        PlayerRecord& p = g.PlayerTable[static_cast<std::size_t>(i)];
        drawn.push_back(p.Drawn);
        p.Drawn = p.Name != name;
    }
    Click();
    for (int i = 1; i <= g.PlayerCount; ++i) {
        PlayerRecord& p = g.PlayerTable[static_cast<std::size_t>(i)];
        if (p.Name != name)
            p.Drawn = drawn[static_cast<std::size_t>(i - 1)];
    }
}
