#include "game/RosterRules.h"

#include "game/GameState.h"
#include "text/ControlCharacters.h"
#include "text/NumberText.h"

#include <QChar>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

namespace {

PlayerRecord& slot(GameState& g, int index)
{
    return g.PlayerTable[static_cast<std::size_t>(index)];
}

// The name pass in n log n comparisons where no two names differ only in case: an order of
// distinct keys is the one the exchange pass would leave. Returns false, the roster untouched,
// when two keys are equal, whose order only the exchange pass itself can give.
bool sortByDistinctKeys(GameState& g, const std::vector<QString>& keys)
{
    std::vector<std::size_t> order(keys.size() - 1);
    std::iota(order.begin(), order.end(), std::size_t{1});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return keys[a].compare(keys[b]) < 0; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        if (keys[order[i - 1]] == keys[order[i]])
            return false;
    }
    std::vector<PlayerRecord> sorted;
    sorted.reserve(order.size());
    for (const std::size_t from : order)
        sorted.push_back(std::move(g.PlayerTable[from]));
    std::move(sorted.begin(), sorted.end(), g.PlayerTable.begin() + 1);
    return true;
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

RosterAdd AddToRoster(GameState& g, const QString& name, std::int16_t startScore)
{
    // A name goes into the players file, the log and the monthly file as one line of its own:
    // a control character (a CR or LF above all) would split it or end the line early there.
    if (HasControlCharacter(name) || RosterSlot(g, name) != 0)
        return RosterAdd::Refused; // registering twice is no error
    if (g.PlayerCount >= std::min(g.PlayerCapacity, MaxPlayers))
        return RosterAdd::Full;
    ++g.PlayerCount;
    PlayerRecord& added = slot(g, g.PlayerCount);
    added = PlayerRecord{};
    added.Name = name;
    added.Score = startScore;
    return RosterAdd::Added;
}

bool DrawFromRoster(GameState& g)
{
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

bool SortPlayers(GameState& g)
{
    const int n = g.PlayerCount;
    // Two exchange passes, by name and then by score: the order they leave among equal scores
    // is the order the scores are said in, so neither pass may become a stable sort.
    // Each name lowered once, its key moving with it: lowering in the inner loop made a Get Regs
    // of 150 players spend milliseconds on 22,000 copies of names.
    std::vector<QString> keys(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i)
        keys[static_cast<std::size_t>(i)] = slot(g, i).Name.toLower();
    if (!sortByDistinctKeys(g, keys)) {
        for (int i = 1; i <= n - 1; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                auto& ki = keys[static_cast<std::size_t>(i)];
                auto& kj = keys[static_cast<std::size_t>(j)];
                if (ki.compare(kj) > 0) {
                    std::swap(slot(g, i), slot(g, j));
                    std::swap(ki, kj);
                }
            }
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
    // An unopened game stays unopened: only "Start" may leave it.
    if (g.CurrentPlayer != 0 || g.RoundState == RoundStart)
        return false;
    g.RoundState = RoundDrawPlayer;
    g.CardIndex = 0;
    return true;
}

QStringList RosterRows(const GameState& g)
{
    QStringList rows;
    const QChar noBreak(0x00A0);
    for (int i = 1; i <= g.PlayerCount; ++i) {
        const PlayerRecord& p = g.PlayerTable[static_cast<std::size_t>(i)];
        const int pad = p.Score < 10 ? 2 : (p.Score < 100 ? 1 : 0);
        rows.append(QString(pad, noBreak) + ScoreText(p.Score) +
                    (p.Drawn ? QStringLiteral("+") : QStringLiteral("--")) + p.Name);
    }
    return rows;
}

QString ScoreLine(const PlayerRecord& player)
{
    return player.Name + QStringLiteral(" has ") + ScoreText(player.Score) +
           QStringLiteral(" points");
}

void RemoveFromRoster(GameState& g, int chosen)
{
    if (slot(g, chosen).Drawn)
        --g.DrawnCount;
    for (int i = chosen; i < g.PlayerCount; ++i)
        slot(g, i) = std::move(slot(g, i + 1));
    slot(g, g.PlayerCount) = PlayerRecord{};
    --g.PlayerCount;
}
