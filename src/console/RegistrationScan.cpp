#include "console/RegistrationScan.h"

#include "chat/ChatLink.h"
#include "chat/ChatRegistrations.h"
#include "console/Console.h"
#include "console/GameLog.h"
#include "console/Roster.h"
#include "console/Toolkit.h"
#include "game/GameState.h"
#include "game/RosterRules.h"
#include "records/AppendFile.h"
#include "text/ControlCharacters.h"
#include "text/Gestures.h"

#include <QSet>

#include <algorithm>

namespace {

// Called when nothing after the last banner registers. ESPs sent before the game opened are
// never counted, and the host cannot tell that from an empty scan: say how many avatars not in
// the roster did that, in the console only (the chat hears nothing of it).
void noteEarlyRegistrations(Console& console, const ChatText& chatText, const QString& marker)
{
    const QStringList early = RegistrationsBeforeBanner(chatText.Bytes(), marker);
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

// A name holding a control character is refused (it would break its line in the record
// files), which the host cannot see from the roster. One note a scan, whatever the number of
// such ESPs, so a hostile avatar cannot pile boxes on the host; the chat hears nothing of it.
void noteRefusedNames(Console& console, const QStringList& senders)
{
    QSet<QString> refused;
    for (const QString& sender : senders) {
        if (HasControlCharacter(sender))
            refused.insert(sender);
    }
    if (refused.isEmpty())
        return;
    const QString count = refused.size() == 1 ? QStringLiteral("1 name was")
                                              : QStringLiteral("%1 names were").arg(refused.size());
    console.toolkit.MessageBox(count + QStringLiteral(" refused: a name holding a control "
                                                      "character (a line break, a tab) cannot "
                                                      "be kept in the players file or the log."),
                               QStringLiteral("Get Regs"));
}

} // namespace

void ScanRegistrations(Console& console)
{
    console.chat.ReadAllText();
    // Held here (shared, not copied): the pauses after each confirmation may bring a new
    // chat text meanwhile.
    const ChatText text = console.chat.ReceivedText;
    ScanChatText(console, text);
}

void ScanChatText(Console& console, const ChatText& chatText)
{
    const QString marker = RegMarker(console.settings.RegChar);
    const ChatRegistrations found = ReadRegistrations(chatText.Bytes(), marker);
    if (found.Rest < 0) {
        noteEarlyRegistrations(console, chatText, marker);
        return;
    }
    // Every name is written as the player enters, so a crash of the console loses none; only
    // the wait for the disk is shared by the whole scan, as one sync a player made a scan of
    // 150 registrations wait for 150 of them. The file stays open between names for the same
    // reason, unless a confirmation's pause comes between.
    AppendFile playersFile(console.settings.PlayersFile);
    for (const QString& sender : found.Senders)
        RegisterPlayer(console, sender, playersFile);
    SyncPlayersFile(console, playersFile);
    // The main window's splitter is left where the scan stopped, as if it had done the split.
    console.RemainingText = chatText.Sliced(found.Rest).ToString();
    SortRoster(console);
    ShowRoster(console);
    noteRefusedNames(console, found.Senders);
    if (found.Senders.isEmpty())
        noteEarlyRegistrations(console, chatText, marker);
}
