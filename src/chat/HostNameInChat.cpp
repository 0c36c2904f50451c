#include "chat/HostNameInChat.h"

#include "text/Cp1252.h"

#include <algorithm>

namespace {

// The host's own line is looked for within this many characters before the marker.
constexpr qsizetype LookBehind = 40;

} // namespace

QString HostNameInChat(const ChatText& chatText, const QString& marker, ChatText* cutText)
{
    // From the end: the line just said stands there, so the rest of the text is never read.
    const qsizetype last = marker.isEmpty() ? -1 : chatText.LastIndexOf(marker);
    if (last < 0)
        return {};
    const qsizetype from = std::max<qsizetype>(0, last - LookBehind);
    if (cutText)
        *cutText = chatText.Sliced(from);
    const QByteArrayView cut = chatText.Bytes().sliced(from);
    // The host's own line: the speaker's name and ": " directly before the last marker.
    const qsizetype colon = last - from - 2;
    if (colon <= 0 || cut.sliced(colon, 2) != ": ")
        return {};
    // Back from the ": " to the line break that ends the line before, or the start of the cut.
    // A byte under 32 is a control character in the code page as in the converted text.
    qsizetype start = colon;
    while (start > 0 && static_cast<unsigned char>(cut.at(start - 1)) >= 32)
        --start;
    return FromCp1252(cut.sliced(start, colon - start));
}
