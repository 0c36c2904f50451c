#include "QuietToolkit.h"
#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/RegistrationScan.h"
#include "room/PracticeRoom.h"
#include "services/SystemClock.h"
#include "text/Cp1252.h"
#include "text/FixedLines.h"

#include <benchmark/benchmark.h>

namespace {

// A long evening: about 10 MB of talk and ESPs with a game opening every 2000 lines, and 150
// registrations after the last opening.
QByteArray eveningChat()
{
    const QByteArray banner = "Host: " + ToCp1252(OpeningBanner()) + "\r\n";
    const QByteArray talk[] = {
        QByteArray("Ann Example: wtg!  Bob gets 5 points \xD7 and some more chat here\r\n"),
        QByteArray("ESP from Mary Ann: are you playing tonight?\r\n"),
        QByteArray("Bob: \xA4   9   \xA4\r\n"),
    };
    QByteArray text;
    text.reserve(11 * 1024 * 1024);
    int line = 0;
    while (text.size() < 10 * 1024 * 1024) {
        text += talk[line % 3];
        if (++line % 2000 == 0)
            text += banner;
    }
    text += banner;
    for (int i = 1; i <= 150; ++i) {
        text += "ESP from Player " + QByteArray::number(i) + ": $\r\n";
        text += talk[i % 3];
    }
    return text;
}

void ScanChatForRegistrations(benchmark::State& state)
{
    PracticeRoom room;
    QuietToolkit toolkit;
    SystemClock clock;
    ChatLink chat(room, toolkit, QStringLiteral("quillo"));
    Console console(chat, toolkit, clock, QStringLiteral("/nonexistent"));
    console.settings.Confirm = false;
    console.settings.PlayersFile = QStringLiteral("/nonexistent/QOPlayers.txt");
    console.game.PlayerCapacity = 150;
    const QByteArray bytes = eveningChat();

    for (auto _ : state) {
        console.game.PlayerCount = 0;
        chat.OnText(bytes); // the 8-bit text as the client delivers it, converted
        ScanChatText(console, chat.ReceivedText);
        benchmark::DoNotOptimize(console.game.PlayerCount);
    }
    if (console.game.PlayerCount != 150)
        state.SkipWithError("the scan did not find the 150 registrations");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes.size());
}
BENCHMARK(ScanChatForRegistrations)->Unit(benchmark::kMillisecond);

} // namespace
