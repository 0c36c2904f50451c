#include "chat/RegistrationScan.h"

#include "chat/ChatLink.h"
#include "chat/Gestures.h"
#include "game/Console.h"
#include "game/FixedLines.h"
#include "game/Roster.h"

#include <QStringView>

#include <algorithm>
#include <optional>

namespace {

const QString EspFrom = QStringLiteral("ESP from");
const QString LineBreak = QStringLiteral("\r\n");

// Where the registrations of this game begin: just past the first character of the last
// banner (a banner in the very first position does not count), or past the first character
// of the text when there is no banner.
qsizetype gameStart(const QString& text)
{
    const qsizetype first = std::min<qsizetype>(1, text.size());
    const qsizetype banner = text.lastIndexOf(OpeningBanner());
    return banner >= 1 ? banner + 1 : first;
}

// The sender of a registering ESP line, or nothing when the line does not register.
std::optional<QStringView> registeringSender(QStringView line, QStringView marker)
{
    if (!line.startsWith(EspFrom))
        return std::nullopt;
    const QStringView rest = line.size() > 9 ? line.sliced(9) : QStringView();
    const qsizetype at = rest.indexOf(marker);
    if (at < 0 || at + marker.size() != rest.size())
        return std::nullopt; // no marker, or more after the first one
    return rest.first(at);
}

} // namespace

void ScanRegistrations(Console& console)
{
    console.chat.ReadAllText();
    // A copy: the pauses after each confirmation may bring a new chat text meanwhile.
    const QString text = console.chat.ReceivedText;
    ScanChatText(console, text);
}

void ScanChatText(Console& console, const QString& chatText)
{
    const QString marker = RegMarker(console.settings.RegChar);
    const qsizetype from = chatText.indexOf(EspFrom, gameStart(chatText));
    if (from < 0)
        return;

    const QStringView text(chatText);
    qsizetype pos = from;
    for (;;) {
        const qsizetype end = text.indexOf(LineBreak, pos);
        const QStringView line = text.sliced(pos, (end < 0 ? text.size() : end) - pos);
        pos = end < 0 ? text.size() : end + LineBreak.size();
        if (line.isEmpty())
            break; // an empty line, or the end of the text, ends the scan
        if (const auto sender = registeringSender(line, marker))
            RegisterPlayer(console, sender->toString());
        if (end < 0)
            break;
    }
    // The main window's splitter is left where the scan stopped, as if it had done the split.
    console.RemainingText = chatText.sliced(pos);

    SortRoster(console);
    ShowRoster(console);
}
