#include "game/GameState.h"

PlayerRecord& GameState::Current()
{
    return PlayerTable[static_cast<std::size_t>(CurrentPlayer)];
}

const PlayerRecord& GameState::Current() const
{
    return PlayerTable[static_cast<std::size_t>(CurrentPlayer)];
}
