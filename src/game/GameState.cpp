#include "game/GameState.h"

PlayerRecord& GameState::current()
{
    return PlayerTable[static_cast<std::size_t>(CurrentPlayer)];
}

const PlayerRecord& GameState::current() const
{
    return PlayerTable[static_cast<std::size_t>(CurrentPlayer)];
}
