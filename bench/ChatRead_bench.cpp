// Get Regs and host-name detection on a long evening's chat text, each beside its anchor: an
// in-process memmem count of the marker over the same bytes, in the same run. The ratio is
// printed as a counter of the console's benchmark ("x_memmem", taken against the anchor run
// just before it at the same size), and so is the peak memory above what the process held
// before the text existed ("peak_x_text", as a multiple of the text).
#include "QuietToolkit.h"
#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/HostName.h"
#include "console/RegistrationScan.h"
#include "room/PracticeRoom.h"
#include "services/SystemClock.h"
#include "text/Cp1252.h"
#include "text/FixedLines.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <string>

namespace {

constexpr qsizetype MiB = 1024 * 1024;
constexpr int Registrations = 150;

// Talk and ESPs with a game opening every 2000 lines, and 150 registrations after the last
// opening, in one buffer of the asked size.
QByteArray eveningChat(qsizetype size)
{
    const QByteArray banner = "Host: " + ToCp1252(OpeningBanner()) + "\r\n";
    const QByteArray talk[] = {
        QByteArray("Ann Example: wtg!  Bob gets 5 points \xD7 and some more chat here\r\n"),
        QByteArray("ESP from Mary Ann: are you playing tonight?\r\n"),
        QByteArray("Bob: \xA4   9   \xA4\r\n"),
    };
    QByteArray tail = banner;
    for (int i = 1; i <= Registrations; ++i)
        tail += "ESP from Player " + QByteArray::number(i) + ": $\r\n" + talk[i % 3];
    QByteArray text;
    text.reserve(size);
    int line = 0;
    while (text.size() + qsizetype(80) + tail.size() < size) {
        text += talk[line % 3];
        if (++line % 2000 == 0)
            text += banner;
    }
    text += tail;
    return text;
}

// memmem's count of the marker's occurrences: what a user's own tool would do on the bytes.
qsizetype memmemCount(const QByteArray& text, const QByteArray& marker)
{
    qsizetype count = 0;
    const char* at = text.constData();
    const char* end = at + text.size();
    while (const void* found = memmem(at, static_cast<std::size_t>(end - at), marker.constData(),
                                      static_cast<std::size_t>(marker.size()))) {
        ++count;
        at = static_cast<const char*>(found) + marker.size();
    }
    return count;
}

// Kilobytes of a /proc/self/status field ("VmRSS", "VmHWM").
qint64 statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field) + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak over from the present (Linux 4.0 and later).
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// The anchor's mean time per size, for the ratio of the console's run that follows it.
std::map<std::pair<std::string, qsizetype>, double>& anchors()
{
    static std::map<std::pair<std::string, qsizetype>, double> times;
    return times;
}

void anchor(benchmark::State& state, const QByteArray& marker, const char* name)
{
    const qsizetype size = state.range(0) * MiB;
    const QByteArray text = eveningChat(size);
    qsizetype count = 0;
    QElapsedTimer clock;
    double total = 0;
    for (auto _ : state) {
        clock.start();
        count = memmemCount(text, marker);
        total += static_cast<double>(clock.nsecsElapsed());
        benchmark::DoNotOptimize(count);
    }
    anchors()[{name, size}] = total / static_cast<double>(state.iterations());
    state.counters["found"] = static_cast<double>(count);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}

// One console playing in the practice room, its records in a folder of its own.
struct Table
{
    Table()
        : chat(room, toolkit, QStringLiteral("quillo")),
          console(chat, toolkit, clock, folder.path())
    {
        console.settings.Confirm = false; // the pauses would be all there is to measure
        console.settings.PlayersFile = folder.filePath(QStringLiteral("QOPlayers.txt"));
        console.game.PlayerCapacity = 150;
        chat.InitDDE();
        chat.DapiRegister();
    }

    QTemporaryDir folder;
    PracticeRoom room;
    QuietToolkit toolkit;
    SystemClock clock;
    ChatLink chat;
    Console console;
};

void report(benchmark::State& state, const char* anchorName, double totalNs, qint64 startKb,
            qint64 peakKb, qsizetype textSize)
{
    const qsizetype size = state.range(0) * MiB;
    const double mean = totalNs / static_cast<double>(state.iterations());
    const auto it = anchors().find({anchorName, size});
    if (it != anchors().end() && it->second > 0)
        state.counters["x_memmem"] = mean / it->second;
    if (startKb > 0 && peakKb > 0)
        state.counters["peak_x_text"] =
            static_cast<double>(peakKb - startKb) * 1024.0 / static_cast<double>(textSize);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * textSize);
}

void BM_MemmemEspFrom(benchmark::State& state)
{
    anchor(state, QByteArrayLiteral("ESP from"), "ESP from");
}

// Get Regs on the room's own text (the client's, not a copy). With everyoneNew the roster is
// emptied before each scan, so the 150 senders are registered again: the players file's 150
// appends count too (its disk sync runs on a thread of its own, which the host does not wait
// for); without, every sender is in the roster already and the reading and the scan alone are
// measured.
void getRegs(benchmark::State& state, bool everyoneNew)
{
    const qint64 startKb = statusKb("VmRSS:");
    Table t;
    t.room.AppendRaw(eveningChat(state.range(0) * MiB));
    const qsizetype textSize = t.room.ChatText().size();
    if (!everyoneNew)
        ScanRegistrations(t.console);
    resetPeak();
    QElapsedTimer clock;
    double total = 0;
    for (auto _ : state) {
        if (everyoneNew) {
            state.PauseTiming();
            t.console.game.PlayerCount = 0;
            QFile::remove(t.console.settings.PlayersFile);
            state.ResumeTiming();
        }
        clock.start();
        ScanRegistrations(t.console);
        total += static_cast<double>(clock.nsecsElapsed());
    }
    const qint64 peakKb = statusKb("VmHWM:");
    if (t.console.game.PlayerCount != Registrations)
        state.SkipWithError("the scan did not find the 150 registrations");
    report(state, "ESP from", total, startKb, peakKb, textSize);
}

void BM_GetRegs(benchmark::State& state)
{
    getRegs(state, true);
}

void BM_GetRegsNoneNew(benchmark::State& state)
{
    getRegs(state, false);
}

void BM_MemmemBanner(benchmark::State& state)
{
    anchor(state, QByteArrayLiteral("Higher or Lower"), "Higher or Lower");
}

void BM_DetectHostName(benchmark::State& state)
{
    const qint64 startKb = statusKb("VmRSS:");
    Table t;
    const qsizetype size = state.range(0) * MiB;
    t.room.AppendRaw(eveningChat(size));
    const qsizetype textSize = t.room.ChatText().size();
    resetPeak();
    QElapsedTimer clock;
    double total = 0;
    for (auto _ : state) {
        clock.start();
        DetectHostName(t.console, OpeningBanner());
        total += static_cast<double>(clock.nsecsElapsed());
    }
    const qint64 peakKb = statusKb("VmHWM:");
    if (t.console.game.HostName != u"Host")
        state.SkipWithError("the host's name was not found");
    report(state, "Higher or Lower", total, startKb, peakKb, textSize);
}

} // namespace

// Each anchor runs just before the console's benchmark at the same size.
BENCHMARK(BM_MemmemEspFrom)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
// A fixed count: the room keeps a record of every call, which would grow with the iterations.
BENCHMARK(BM_GetRegs)->Arg(1)->Arg(10)->Arg(100)->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetRegsNoneNew)
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemmemBanner)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetectHostName)
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
