#include "chat/HostNameInChat.h"

#include <algorithm>

namespace {

// The host's own line is looked for within this many characters before the marker.
constexpr qsizetype LookBehind = 40;

} // namespace

QString HostNameInChat(const QString& chatText, const QString& marker, QString* cutText)
{
    const qsizetype last = chatText.lastIndexOf(marker);
    if (last < 0 || marker.isEmpty())
        return {};
    const qsizetype from = std::max<qsizetype>(0, last - LookBehind);
    const QString cut = chatText.mid(from);
    if (cutText)
        *cutText = cut;
    // The host's own line: the speaker's name and ": " directly before the last marker.
    const qsizetype colon = last - from - 2;
    if (colon <= 0 || cut.mid(colon, 2) != u": ")
        return {};
    // Back from the ": " to the line break that ends the line before, or the start of the cut.
    qsizetype start = colon;
    while (start > 0 && cut.at(start - 1).unicode() >= 32)
        --start;
    return cut.mid(start, colon - start);
}
