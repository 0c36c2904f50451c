#include "game/TurnRules.h"

#include "game/GameState.h"
#include "text/Cards.h"

std::int32_t ScoreTurnedCard(GameState& g, const QString& previousCard, const QString& card)
{
    PlayerRecord& player = g.Current();
    g.LastHigher = player.Higher;
    g.LastWager = player.Wager; // exact, so Fix Card gives a fractional stake back whole
    const int was = CardRank(previousCard);
    const int now = CardRank(card);
    if (now == was) {
        g.LastResult = ResultPush;
    } else if ((player.Higher && now > was) || (!player.Higher && now < was)) {
        g.LastResult = ResultWin;
        player.Score += player.Wager;
    } else {
        g.LastResult = ResultLose;
        player.Score -= player.Wager;
    }
    return g.LastResult;
}

void UndoLastResult(GameState& g)
{
    PlayerRecord& player = g.Current();
    player.Wager = g.LastWager;
    player.Higher = g.LastHigher;
    if (g.LastResult == ResultWin)
        player.Score -= player.Wager;
    else if (g.LastResult == ResultLose)
        player.Score += player.Wager;
    g.LastResult = 0; // only the last result is known: it is taken back once
}

bool TurnGoesOn(float score, qsizetype loggedCards)
{
    return score > 0.0f && loggedCards < 7;
}

bool FindLastPlayer(GameState& g)
{
    if (g.CurrentPlayer != 0)
        return true;
    for (int i = 1; i <= g.PlayerCount; ++i) {
        if (g.PlayerTable[static_cast<std::size_t>(i)].Name == g.CurrentPlayerCopy.Name &&
            !g.CurrentPlayerCopy.Name.isEmpty()) {
            g.CurrentPlayer = static_cast<std::int16_t>(i);
            return true;
        }
    }
    return false;
}
