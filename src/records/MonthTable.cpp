#include "records/MonthTable.h"

#include "chat/Cp1252.h"
#include "game/NumberText.h"

#include <QFile>
#include <QSaveFile>

#include <utility>

namespace {

MonthFileFailure fromDevice(const QFileDevice& file, bool reading)
{
    MonthFileFailure failure;
    failure.Missing = reading && !QFile::exists(file.fileName());
    failure.Description = file.errorString();
    failure.Number = static_cast<int>(file.error());
    return failure;
}

} // namespace

std::optional<MonthFileFailure> ReadMonthTable(const QString& path, MonthTable& table)
{
    table.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fromDevice(file, true);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fromDevice(file, true);
    const QStringList lines = FromCp1252(bytes).split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        // The last "=": a name may hold one itself ("A=B"), the total never does.
        const qsizetype equals = line.lastIndexOf(u'=');
        if (equals < 0)
            continue;
        const std::optional<double> number = ParseNumber(QStringView(line).mid(equals + 1));
        if (!number)
            return MonthFileFailure{false, QStringLiteral("Type mismatch"), 13};
        const std::optional<std::int16_t> points = ToInt16(*number);
        if (!points)
            return MonthFileFailure{false, QStringLiteral("Overflow"), 6};
        if (static_cast<int>(table.size()) >= MaxMonthEntries)
            return MonthFileFailure{false, QStringLiteral("Subscript out of range"), 9};
        table.push_back({line.left(equals), *points});
    }
    return std::nullopt;
}

std::optional<MonthFileFailure> WriteMonthTable(const QString& path, const MonthTable& table)
{
    QByteArray bytes = "[Monthly]\r\n";
    for (const MonthEntry& entry : table) {
        if (entry.Points > 0)
            bytes += ToCp1252(entry.Name + u'=' + NumericPrintForm(int{entry.Points})) + "\r\n";
    }
    // Unbuffered: a write that fails late (a full disk) must fail here, not in a flush the
    // commit would not report.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || !file.commit())
        return fromDevice(file, false);
    return std::nullopt;
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
