// The trimming of the chat text the client delivers. Trimming the 8-bit text and converting
// only what is kept must give what converting everything and trimming gives, and OnText must
// store exactly that.

#include "FuzzSupport.h"
#include "chat/ChatText.h"
#include "support/TestConsole.h"
#include "text/Cp1252.h"

namespace {

// The rule as it reads, on the converted text: the reference the 8-bit trimming is held to. Cut
// before the first zero (with the four characters in front of it, when it stands past position
// 5), then drop every trailing CR LF pair.
QString referenceTrim(QString text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 5)
        text.truncate(zero - 4);
    while (text.endsWith(u"\r\n"))
        text.chop(2);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const QString converted = FromCp1252(bytes);
    const QString trimmed = referenceTrim(converted);
    FUZZ_CHECK(ChatText::Received(bytes).ToString() == trimmed, converted);
    FUZZ_CHECK(converted.startsWith(trimmed), converted);
    FUZZ_CHECK(!trimmed.endsWith(u"\r\n"), converted);
    // Nothing after a zero standing past the fifth character survives, nor the four before it.
    const qsizetype zero = converted.indexOf(QChar(0));
    if (zero >= 5)
        FUZZ_CHECK(trimmed.size() <= zero - 4, converted);

    static TestConsole console;
    console.chat.OnText(bytes);
    FUZZ_CHECK(console.chat.ReceivedText.ToString() == trimmed, converted);
    return 0;
}
