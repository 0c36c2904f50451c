#include "chat/ChatText.h"
#include "text/Cp1252.h"

#include <benchmark/benchmark.h>

namespace {

// About 10 MB of chat as a client shows it, with the zero tail a client may leave behind.
QByteArray bigChatText()
{
    QByteArray text;
    const QByteArray spoken("Ann Example: wtg!  Bob gets 5 points \xD7\xD7\xD7\r\n");
    const QByteArray esp("ESP from Mary Ann: <relax>\r\n");
    while (text.size() < 10 * 1024 * 1024) {
        text += spoken;
        text += esp;
    }
    text += "\r\n\r\nabcd";
    text.append('\0');
    text += "garbage after the zero";
    return text;
}

void TrimAndConvertChatText(benchmark::State& state)
{
    const QByteArray text = bigChatText();
    for (auto _ : state) {
        QString received = ChatText::Received(text).ToString();
        benchmark::DoNotOptimize(received);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}
BENCHMARK(TrimAndConvertChatText)->Unit(benchmark::kMillisecond);

void ConvertLineToEightBit(benchmark::State& state)
{
    const QString line = QStringLiteral("×××  Quillo  -  Higher or Lower  ××× and a long line");
    for (auto _ : state)
        benchmark::DoNotOptimize(ToCp1252(line));
}
BENCHMARK(ConvertLineToEightBit);

} // namespace
