#include "console/RegistrationScan.h"

#include "chat/ChatLink.h"
#include "chat/ChatRegistrations.h"
#include "console/Console.h"
#include "console/Roster.h"
#include "console/Toolkit.h"
#include "game/GameState.h"
#include "game/RosterRules.h"
#include "text/Gestures.h"

#include <algorithm>

namespace {

// Called when nothing after the last banner registers. ESPs sent before the game opened are
// never counted, and the host cannot tell that from an empty scan: say how many avatars not in
// the roster did that, in the console only (the chat hears nothing of it).
void noteEarlyRegistrations(Console& console, const QString& chatText, const QString& marker)
{
    const QStringList early = RegistrationsBeforeBanner(chatText, marker);
    const auto unknown = std::count_if(early.begin(), early.end(), [&](const QString& sender) {
        return RosterSlot(console.game, sender) == 0;
    });
    if (unknown == 0)
        return;
    console.toolkit.MessageBox(
        QStringLiteral("No registrations since the game opened, but %1 came before it: "
                       "those players must send their ESP again.")
            .arg(unknown),
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
    const ChatRegistrations found = ReadRegistrations(chatText, marker);
    if (found.Rest < 0) {
        noteEarlyRegistrations(console, chatText, marker);
        return;
    }
    for (const QString& sender : found.Senders)
        RegisterPlayer(console, sender);
    // The main window's splitter is left where the scan stopped, as if it had done the split.
    console.RemainingText = chatText.sliced(found.Rest);
    SortRoster(console);
    ShowRoster(console);
    if (found.Senders.isEmpty())
        noteEarlyRegistrations(console, chatText, marker);
}
