#pragma once

#include "records/FileError.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

struct GameState;

// One line of a monthly points file.
struct MonthEntry
{
    QString Name;
    std::int16_t Points = 0;
};

// A month's totals in file order. A month holds at most MaxMonthEntries names.
using MonthTable = std::vector<MonthEntry>;
inline constexpr int MaxMonthEntries = 150;

// Reads every line holding "=": the name up to the last "=", the total after it. Lines without
// "=" (the "[Monthly]" header among them) are skipped. Empty when read whole.
std::optional<FileError> ReadMonthTable(const QString& path, MonthTable& table);

// Replaces the file whole with "[Monthly]" and the entries whose total is above 0. The old
// file stays untouched unless the new one was written completely.
std::optional<FileError> WriteMonthTable(const QString& path, const MonthTable& table);

// The exchange sorts the monthly lists use. They are not stable, and the order they leave
// among equal totals is the order the host sees.
void SortMonthDescending(MonthTable& table);
void SortMonthAscending(MonthTable& table);

// Adds the roster to the month read from the file: players already listed get their score
// added (even a score of 0), new players are appended when their score is above 0. A total
// past the 16-bit range, or a 151st name, fails and leaves the table unusable.
std::optional<FileError> AddRosterToMonth(const GameState& game, MonthTable& table);
