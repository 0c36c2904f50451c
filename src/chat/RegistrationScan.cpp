#include "chat/RegistrationScan.h"

#include "chat/ChatLink.h"
#include "chat/Gestures.h"
#include "game/Console.h"
#include "game/FixedLines.h"
#include "game/Roster.h"
#include "game/Toolkit.h"

#include <QSet>
#include <QStringView>

#include <algorithm>
#include <optional>

namespace {

const QString EspFrom = QStringLiteral("ESP from");
const QString LineBreak = QStringLiteral("\r\n");

// Where the last banner stands; a banner in the very first position does not count.
qsizetype lastBanner(const QString& text)
{
    const qsizetype banner = text.lastIndexOf(OpeningBanner());
    return banner >= 1 ? banner : -1;
}

// Where the registrations of this game begin: just past the first character of the last
// banner, or past the first character of the text when there is no banner.
qsizetype gameStart(const QString& text)
{
    const qsizetype banner = lastBanner(text);
    return banner >= 0 ? banner + 1 : std::min<qsizetype>(1, text.size());
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

// Called when nothing after the last banner registers. ESPs sent before the game opened are
// never counted, and the host cannot tell that from an empty scan: say how many avatars not in
// the roster did that, in the console only (the chat hears nothing of it).
void noteEarlyRegistrations(Console& console, const QString& chatText, QStringView marker)
{
    const qsizetype banner = lastBanner(chatText);
    if (banner < 0)
        return;
    QSet<QStringView> early;
    for (const QStringView line : QStringView(chatText).first(banner).split(LineBreak)) {
        const auto sender = registeringSender(line, marker);
        if (sender && !early.contains(*sender) && RosterSlot(console.game, *sender) == 0)
            early.insert(*sender);
    }
    if (early.isEmpty())
        return;
    console.toolkit.MessageBox(
        QStringLiteral("No registrations since the game opened, but %1 came before it: "
                       "those players must send their ESP again.")
            .arg(early.size()),
        QStringLiteral("Get Regs"));
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
    // The client shows an ESP at the start of a line. An "ESP from" inside a spoken line is
    // someone's text: taken as the start, it would register whatever name that avatar typed.
    qsizetype from = chatText.indexOf(EspFrom, gameStart(chatText));
    while (from >= 0 && !QStringView(chatText).first(from).endsWith(LineBreak))
        from = chatText.indexOf(EspFrom, from + 1);
    if (from < 0) {
        noteEarlyRegistrations(console, chatText, marker);
        return;
    }

    const QStringView text(chatText);
    qsizetype pos = from;
    bool registering = false;
    for (;;) {
        const qsizetype end = text.indexOf(LineBreak, pos);
        const QStringView line = text.sliced(pos, (end < 0 ? text.size() : end) - pos);
        pos = end < 0 ? text.size() : end + LineBreak.size();
        if (line.isEmpty())
            break; // an empty line, or the end of the text, ends the scan
        if (const auto sender = registeringSender(line, marker)) {
            registering = true;
            RegisterPlayer(console, sender->toString());
        }
        if (end < 0)
            break;
    }
    // The main window's splitter is left where the scan stopped, as if it had done the split.
    console.RemainingText = chatText.sliced(pos);

    SortRoster(console);
    ShowRoster(console);
    if (!registering)
        noteEarlyRegistrations(console, chatText, marker);
}
