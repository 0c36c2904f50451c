// Host-name detection over any chat text. The name found stands in the text directly before
// ": " and the last marker, within the look-behind, on one line; and the whole detection, run
// against a room whose history is arbitrary, names the host from the host's own line.

#include "FuzzSupport.h"
#include "chat/HostNameInChat.h"
#include "console/HostName.h"
#include "support/TestConsole.h"
#include "text/Cp1252.h"

#include <QRegularExpression>

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString takeText(FuzzedDataProvider& input, std::size_t most)
{
    const std::string bytes = input.ConsumeRandomLengthString(most);
    return FromCp1252(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool hasControl(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 32)
            return true;
    }
    return false;
}

void checkFound(const QString& chat, const QString& marker)
{
    ChatText cutText; // set only when the marker is found
    const QString name = HostNameInChat(ChatText::FromString(chat), marker, &cutText);
    const QString cut = cutText.IsEmpty() ? QStringLiteral("untouched") : cutText.ToString();
    const qsizetype last = marker.isEmpty() ? -1 : chat.lastIndexOf(marker);
    if (last < 0) {
        FUZZ_CHECK(name.isEmpty() && cut == u"untouched", chat);
        return;
    }
    FUZZ_CHECK(chat.endsWith(cut) && cut.endsWith(chat.mid(last)), chat);
    if (name.isEmpty())
        return;
    FUZZ_CHECK(name.size() <= 38 && !hasControl(name), name);
    FUZZ_CHECK(chat.mid(last - name.size() - 2, name.size() + 2) == name + u": ", chat);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    QString marker = takeText(input, 40);
    const QString chat = takeText(input, 4000);
    checkFound(chat, marker);

    // The whole detection, in a room whose earlier chat is the rest of the input.
    marker.remove(QRegularExpression(QStringLiteral("[\\x00-\\x1f]")));
    if (marker.isEmpty())
        return 0;
    QByteArray history =
        FuzzBytes(data, size).right(static_cast<qsizetype>(input.remaining_bytes()));
    history.replace('\0', ' '); // a zero ends the chat text the client delivers
    TestConsole test;
    test.room.AppendRaw(history);
    DetectHostName(test.console, marker, 200);
    const QString host = test.console.game.HostName;
    if (history.isEmpty() || history.endsWith("\r\n")) {
        FUZZ_CHECK(host == u"Host", marker + QStringLiteral(" gave ") + host);
    } else {
        FUZZ_CHECK(host == u"Unknown" || (host.endsWith(u"Host") && host.size() <= 38), host);
    }
    return 0;
}
