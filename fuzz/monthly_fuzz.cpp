// The monthly points reader over any file. A month that reads holds at most its number of
// names and writes back to a file that reads as the same month (totals above 0); adding a
// game's scores either succeeds with the right totals or leaves the file as it was, after its
// box; listing never fails silently.

#include "FuzzSupport.h"
#include "console/MonthlyPoints.h"
#include "records/MonthTable.h"
#include "support/TestConsole.h"

namespace {

QString describe(const MonthTable& table)
{
    QString text;
    for (const MonthEntry& entry : table)
        text += entry.Name + u'=' + QString::number(entry.Points) + u'\n';
    return text;
}

// The highest total listed under the name (a hand-edited month may list it twice), 0 when none.
int pointsOf(const MonthTable& table, const QString& name)
{
    int most = 0;
    bool found = false;
    for (const MonthEntry& entry : table) {
        if (entry.Name == name && (!found || entry.Points > most)) {
            most = entry.Points;
            found = true;
        }
    }
    return most;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TestConsole test;
    Console& console = test.console;
    const QByteArray bytes = FuzzBytes(data, size);
    const QString path = test.Path(QStringLiteral("QOP0303.txt"));
    WriteFuzzFile(path, bytes);

    MonthTable month;
    const auto failure = ReadMonthTable(path, month);
    if (!failure) {
        FUZZ_CHECK(month.size() <= MaxMonthEntries, describe(month));
        const QString copy = test.Path(QStringLiteral("copy.txt"));
        FUZZ_CHECK(!WriteMonthTable(copy, month), copy);
        MonthTable again;
        FUZZ_CHECK(!ReadMonthTable(copy, again), copy);
        MonthTable kept;
        for (const MonthEntry& entry : month) {
            if (entry.Points > 0)
                kept.push_back(entry);
        }
        FUZZ_CHECK(describe(again) == describe(kept),
                   describe(kept) + QStringLiteral("--- read back as ---\n") + describe(again));
    }

    // Two players' scores added to the month.
    GameState& g = console.game;
    g.PlayerCapacity = MaxPlayers;
    g.PlayerCount = 2;
    g.PlayerTable[1] = {QStringLiteral("Ann"), false, 0.0f, 25.0f, true};
    g.PlayerTable[2] = {QStringLiteral("Bob"), false, 0.0f, 0.0f, false};
    console.settings.MonthlyFile = path;
    if (SaveTodaysPoints(console)) {
        FUZZ_CHECK(!failure, QStringLiteral("a month that did not read was saved over"));
        MonthTable saved;
        FUZZ_CHECK(!ReadMonthTable(path, saved), path);
        const int total = pointsOf(month, QStringLiteral("Ann")) + 25;
        FUZZ_CHECK(pointsOf(saved, QStringLiteral("Ann")) == (total > 0 ? total : 0),
                   describe(month) + QStringLiteral("--- saved as ---\n") + describe(saved));
    } else {
        FUZZ_CHECK(ReadFuzzFile(path) == bytes, QStringLiteral("a failed save kept the file"));
        FUZZ_CHECK(!test.toolkit.Boxes.isEmpty() &&
                       test.toolkit.Boxes.back().Title == u"Points File Error",
                   QStringLiteral("a failed save has its box"));
    }

    test.toolkit.Boxes.clear();
    WriteFuzzFile(path, bytes);
    const qsizetype saidBefore = test.room.SaidLines().size();
    ListMonthlyPoints(console, path);
    const qsizetype said = test.room.SaidLines().size() - saidBefore;
    if (failure) {
        FUZZ_CHECK(said == 0 && test.toolkit.Boxes.size() == 1, QStringLiteral("listing failed"));
    } else {
        qsizetype listed = 0;
        for (const MonthEntry& entry : month)
            listed += entry.Points > 0 ? 1 : 0;
        FUZZ_CHECK(test.toolkit.Boxes.isEmpty(), test.toolkit.Boxes.front().Text);
        FUZZ_CHECK(said == (month.empty() ? 1 : listed + 3), describe(month));
    }
    return 0;
}
