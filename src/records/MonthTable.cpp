#include "records/MonthTable.h"

#include "game/GameState.h"
#include "records/TextFile.h"
#include "text/NumberText.h"

#include <QStringList>

#include <utility>

std::optional<FileError> ReadMonthTable(const QString& path, MonthTable& table)
{
    table.clear();
    auto read = ReadTextFile(path);
    if (auto* error = std::get_if<FileError>(&read))
        return *error;
    const QStringList lines = std::get<QString>(read).split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        // The last "=": a name may hold one itself ("A=B"), the total never does.
        const qsizetype equals = line.lastIndexOf(u'=');
        if (equals < 0)
            continue;
        const std::optional<double> number = ParseNumber(QStringView(line).mid(equals + 1));
        if (!number)
            return FaultError(FileFault::BadValue);
        const std::optional<std::int16_t> points = ToInt16(*number);
        if (!points)
            return FaultError(FileFault::OutOfRange);
        if (static_cast<int>(table.size()) >= MaxMonthEntries)
            return FaultError(FileFault::TooManyLines);
        table.push_back({line.left(equals), *points});
    }
    return std::nullopt;
}

std::optional<FileError> WriteMonthTable(const QString& path, const MonthTable& table)
{
    QString text = QStringLiteral("[Monthly]\r\n");
    for (const MonthEntry& entry : table) {
        if (entry.Points > 0)
            text += entry.Name + u'=' + NumericPrintForm(int{entry.Points}) + u"\r\n";
    }
    return SaveTextFile(path, text);
}

void SortMonthDescending(MonthTable& table)
{
    const std::size_t n = table.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (table[i].Points < table[j].Points)
                std::swap(table[i], table[j]);
        }
    }
}

void SortMonthAscending(MonthTable& table)
{
    const std::size_t n = table.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (table[i].Points > table[j].Points)
                std::swap(table[i], table[j]);
        }
    }
}

namespace {

const MonthEntry* findEntry(const MonthTable& table, const QString& name)
{
    for (const MonthEntry& entry : table) {
        if (entry.Name == name)
            return &entry;
    }
    return nullptr;
}

} // namespace

std::optional<FileError> AddRosterToMonth(const GameState& game, MonthTable& table)
{
    const FileError overflow = FaultError(FileFault::OutOfRange);
    for (MonthEntry& entry : table) {
        for (int slot = 1; slot <= game.PlayerCount; ++slot) {
            const PlayerRecord& player = game.PlayerTable[static_cast<std::size_t>(slot)];
            if (player.Name != entry.Name)
                continue;
            const auto total = ToInt16(static_cast<double>(entry.Points) + double{player.Score});
            if (!total)
                return overflow;
            entry.Points = *total;
            break;
        }
    }
    for (int slot = 1; slot <= game.PlayerCount; ++slot) {
        const PlayerRecord& player = game.PlayerTable[static_cast<std::size_t>(slot)];
        if (!(player.Score > 0.0f) || findEntry(table, player.Name))
            continue;
        const auto points = ToInt16(double{player.Score});
        if (!points)
            return overflow;
        if (static_cast<int>(table.size()) >= MaxMonthEntries)
            return FaultError(FileFault::TooManyLines);
        table.push_back({player.Name, *points});
    }
    return std::nullopt;
}
