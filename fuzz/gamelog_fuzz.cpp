// The players file and the game log as recovery reads them, both arbitrary. The reader marks
// every logged player drawn; recovery ends with a roster of distinct players taken from the
// players file, a game state the main button can go on from, and a failure that empties the
// roster. The input is the players file, "\|" and the log ("\\" for a backslash before that).

#include "FuzzSupport.h"
#include "console/Recovery.h"
#include "records/GameLogReader.h"
#include "support/TestConsole.h"
#include "text/Cp1252.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QSet>

namespace {

QString roster(const GameState& g)
{
    QString text;
    for (int i = 1; i <= g.PlayerCount; ++i)
        text += g.PlayerTable[static_cast<std::size_t>(i)].Name + u'\n';
    return text;
}

void checkReader(const QString& log)
{
    const GameLogContents contents = ReadGameLogText(log);
    for (const LoggedTurn& turn : contents.Turns)
        FUZZ_CHECK(turn.Record.Drawn, log);
    FUZZ_CHECK(!contents.Fault || contents.FaultLine >= 1, log);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string players = input.ConsumeRandomLengthString(size);
    const std::string log = input.ConsumeRemainingBytesAsString();
    const QByteArray playersBytes(players.data(), static_cast<qsizetype>(players.size()));
    const QByteArray logBytes(log.data(), static_cast<qsizetype>(log.size()));
    checkReader(FromCp1252(logBytes));

    TestConsole test;
    Console& console = test.console;
    console.settings.PlayersFile = test.Path(QStringLiteral("players.txt"));
    console.settings.LogFile = test.Path(QStringLiteral("quillo.log"));
    WriteFuzzFile(console.settings.PlayersFile, playersBytes);
    WriteFuzzFile(console.settings.LogFile, logBytes);
    console.controls.mnuRecover.Enabled = true;
    RecoverGame(console);

    const GameState& g = console.game;
    FUZZ_CHECK(!console.controls.mnuRecover.Enabled, QStringLiteral("offered once"));
    FUZZ_CHECK(g.PlayerCount >= 0 && g.PlayerCount <= MaxPlayers, roster(g));
    QStringList listed;
    for (QString line : FromCp1252(playersBytes).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        listed.append(line);
    }
    QSet<QString> seen;
    for (int i = 1; i <= g.PlayerCount; ++i) {
        const QString& name = g.PlayerTable[static_cast<std::size_t>(i)].Name;
        FUZZ_CHECK(!name.isEmpty() && listed.contains(name) && !seen.contains(name), roster(g));
        seen.insert(name);
    }
    FUZZ_CHECK(g.RoundState >= RoundStart && g.RoundState <= RoundAskForWager,
               QString::number(g.RoundState));
    if (g.RoundState == RoundAskForWager) {
        FUZZ_CHECK(g.CurrentPlayer >= 1 && g.CurrentPlayer <= g.PlayerCount, roster(g));
        FUZZ_CHECK(g.CardIndex >= 0 && g.CardIndex < 6, QString::number(g.CardIndex));
        FUZZ_CHECK(console.controls.cmbStart[static_cast<std::size_t>(g.CardIndex)].Enabled,
                   QString::number(g.CardIndex));
    }
    if (test.room.SaidLines().contains(QStringLiteral("Recovery Failed")))
        FUZZ_CHECK(g.PlayerCount == 0 && g.RoundState == RoundStart, roster(g));
    FUZZ_CHECK(console.controls.lstPlayers.Rows.size() == g.PlayerCount, roster(g));
    return 0;
}
