#pragma once

#include "game/Deck.h"
#include "game/PlayerRecord.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>

// Slots 0 to 150: slot 0 is never a player, so "no current player" reads and writes it harmlessly.
inline constexpr int PlayerSlots = 151;
inline constexpr std::int16_t MaxPlayers = 150;

// RoundState: the step the main button takes next, named by the button's caption then.
inline constexpr std::int16_t RoundStart = 0;
inline constexpr std::int16_t RoundDrawPlayer = 1;
inline constexpr std::int16_t RoundAskForWager = 2;
inline constexpr std::int16_t RoundSayWager = 3;
inline constexpr std::int16_t RoundSayResults = 4;

// The shared state of one game: one instance per run, read and written by every handler.
struct GameState
{
    std::array<PlayerRecord, PlayerSlots> PlayerTable{};
    std::int16_t PlayerCount = 0;
    std::int16_t PlayerCapacity = 0;
    std::int16_t CurrentPlayer = 0;
    PlayerRecord CurrentPlayerCopy;
    std::int16_t DrawnCount = 0;
    std::int16_t RoundState = RoundStart;
    std::int16_t CardIndex = 0;
    QDateTime GameStarted;
    QString HostName = QStringLiteral("Me");
    float LastWager = 0.0f; // exact, so undoing a fractional stake gives the score back
    bool LastHigher = false;
    std::int32_t LastResult = 0;
    // The deck the turn under way is dealt from, while DeckInPlay; DeckRevealed once its turn
    // ended and the order was said, so that turn can no longer be reopened.
    Deck TurnDeck;
    QString DeckPlayer; // whose turn it is dealt for
    bool DeckInPlay = false;
    bool DeckRevealed = false;

    PlayerRecord& Current();
    const PlayerRecord& Current() const;
};
