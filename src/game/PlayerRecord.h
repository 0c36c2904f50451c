#pragma once

#include <QString>

// One roster entry. Field order matters: the game log and recovery copy whole records.
struct PlayerRecord
{
    QString Name;
    bool Higher = false;
    float Wager = 0.0f;
    float Score = 0.0f;
    bool Drawn = false;
};
