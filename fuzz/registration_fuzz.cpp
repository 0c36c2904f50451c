// The registration scan over any chat text, with any registration character. It registers
// only names that stand in the text on an ESP line holding nothing but the registration
// character, each once, keeps who was registered before, never overfills the roster, and
// writes every new name to the players file. The input is the registration character (its
// first byte) and the chat text.

#include "FuzzSupport.h"
#include "console/RegistrationScan.h"
#include "console/Roster.h"
#include "records/RecordPaths.h"
#include "support/TestConsole.h"
#include "text/Cp1252.h"
#include "text/Gestures.h"

#include <QSet>

namespace {

// The senders of the text's registering lines, wherever they stand.
QSet<QString> sendersInText(const QString& text, const QString& marker)
{
    QSet<QString> senders;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u"ESP from") && line.size() > 9 && line.endsWith(marker)) {
            const QString rest = line.mid(9);
            if (rest.indexOf(marker) == rest.size() - marker.size())
                senders.insert(rest.left(rest.size() - marker.size()));
        }
    }
    return senders;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    TestConsole test;
    Console& console = test.console;
    console.settings.RegChar = FuzzText(data, 1);
    console.settings.PlayersFile = PlayersFilePath(test.folder.path());
    GameState& g = console.game;
    g.PlayerCapacity = MaxPlayers;
    g.PlayerCount = 1;
    g.PlayerTable[1].Name = QStringLiteral("Earlier");
    ShowRoster(console);
    const QString text = FuzzText(data + 1, size - 1);
    const QString marker = RegMarker(console.settings.RegChar);

    ScanChatText(console, ChatText::FromString(text));

    FUZZ_CHECK(g.PlayerCount >= 1 && g.PlayerCount <= MaxPlayers, QString::number(g.PlayerCount));
    const QSet<QString> senders = sendersInText(text, marker);
    QSet<QString> roster;
    bool earlierKept = false;
    for (int i = 1; i <= g.PlayerCount; ++i) {
        const QString& name = g.PlayerTable[static_cast<std::size_t>(i)].Name;
        FUZZ_CHECK(!roster.contains(name), name);
        roster.insert(name);
        if (name == u"Earlier") {
            earlierKept = true;
            continue;
        }
        FUZZ_CHECK(senders.contains(name), name + QStringLiteral(" is not in\n") + text);
    }
    FUZZ_CHECK(earlierKept, text);
    FUZZ_CHECK(console.controls.lstPlayers.Rows.size() == g.PlayerCount, text);

    // Every new player is in the players file, one line each, and confirmed by ESP.
    const QString file = FromCp1252(ReadFuzzFile(console.settings.PlayersFile));
    const int added = g.PlayerCount - 1;
    FUZZ_CHECK(file.count(QStringLiteral("\r\n")) >= added, file);
    FUZZ_CHECK(test.room.EspsSent().size() >= added, text);
    return 0;
}
