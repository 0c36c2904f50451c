#pragma once

#include <QString>

#include <cstdint>

// The host's settings, each named after its key in quillo.ini, plus the record file paths.
// One instance per run.
// Delay: the speed of the Speed menu, the pause after each line said.
inline constexpr std::int16_t SpeedVeryFast = 0;
inline constexpr std::int16_t SpeedFast = 1;
inline constexpr std::int16_t SpeedMedium = 2;
inline constexpr std::int16_t SpeedSlow = 3;

struct Settings
{
    std::int16_t Delay = SpeedVeryFast;
    std::int16_t Left = 0;
    std::int16_t Top = 0;
    bool OnTop = false;
    QString RegChar = QStringLiteral("$");
    std::int16_t Start = 10;
    bool Confirm = true;
    bool Points = false;
    bool DayOfWeek = false;
    QString Call = QStringLiteral("WTG!  %player%, you have been chosen");
    QString WTG = QStringLiteral("wtg!  %player% gets %points% points");
    QString Lose = QStringLiteral("awwww  %player% loses %points% points");
    QString Push = QStringLiteral("push!  %player% gets no points");
    QString MacroFile;
    // Options > Deal Cards: the console deals each turn from a deck the players can check.
    // Kept in quillo.ini only when it differs from these, so a file without it is unchanged.
    bool DealCards = false;
    QString DealCommit = QStringLiteral("Deck for %player% sealed, SHA-256 %hash%");
    QString DealReveal = QStringLiteral("Deck for %player% was: %deck%");
    QString DealLost = QStringLiteral("The deck of this turn is lost: the host picks the cards");

    QString LogFile;
    QString PlayersFile;
    QString MonthlyFile;
};
