#include "console/MacroPlayback.h"
#include "console/RoundFlow.h"
#include "console/SettingsFile.h"
#include "socket/SocketChatClient.h"
#include "support/BridgeOnIrcServer.h"
#include "support/RecordingChatClient.h"
#include "support/TestConsole.h"
#include "support/WaitUntil.h"
#include "text/Cards.h"

#include <QCryptographicHash>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

class IrcDealtGame : public BridgeOnIrcServer
{
};

// A dealt turn in a real channel: what Bob reads there lets him check every card he was dealt.
TEST_F(IrcDealtGame, APlayerChecksHisDealtTurnFromTheChannelAlone)
{
    ASSERT_TRUE(StartHostedChannel());
    auto socket = std::make_unique<SocketChatClient>(bridge->SocketPath());
    auto recorder = std::make_unique<RecordingChatClient>(*socket);
    TestConsole t(*recorder);
    Console& c = t.console;
    ASSERT_TRUE(SetDefaults(c));
    c.settings.LogFile = t.Path(u"Quillo.log"_s);
    c.settings.PlayersFile = t.Path(u"QOPlayers.txt"_s);
    c.settings.MonthlyFile = t.Path(u"QOPMarch03.txt"_s);
    c.settings.DealCards = true;
    const auto click = [&] {
        cmdSay_Click(c);
        EXPECT_FALSE(t.toolkit.Hourglass) << "the busy lock was not released";
    };

    click(); // the opening
    ASSERT_EQ(c.game.HostName, u"Host"_s);
    bob->Esp("Host", "$");
    ASSERT_TRUE(WaitUntil(
        [&] {
            t.chat.ReadAllText();
            return t.chat.ReceivedText.contains(u"ESP from Bob: $"_s);
        },
        10000));
    txtButton_Click(c, 10); // Get Regs
    ASSERT_EQ(c.game.PlayerCount, 1);

    click(); // Draw Player: Bob, on a deck of his own
    const QStringList deck = c.game.TurnDeck.Cards;
    ASSERT_EQ(deck.size(), 52);
    while (c.game.RoundState != RoundDrawPlayer) {
        click(); // Ask for Wager
        const int next = c.game.CardIndex;
        const bool higher = CardRank(deck[next]) > CardRank(deck[next - 1]);
        c.controls.txtWager.Text = u"1"_s;
        c.controls.optHigher.Checked = higher;
        c.controls.optLower.Checked = !higher;
        click(); // Say Wager
        click(); // Say Results
    }
    EXPECT_FALSE(QFile::exists(t.Path(u"QODeck.txt"_s)));

    // Bob, in the channel, reads the seal before he is called, six cards, and the deck.
    const QByteArray revealPrefix = "Deck for Bob was: ";
    ASSERT_TRUE(bob->WaitFor(
        [&](const auto&) {
            const QList<QByteArray> seen = bob->TextsFrom("Host", "#quillo");
            return !seen.isEmpty() && seen.last().startsWith(revealPrefix);
        },
        20000))
        << bridge->Log().toStdString();
    const QList<QByteArray> seen = bob->TextsFrom("Host", "#quillo");
    const QByteArray sealPrefix = "Deck for Bob sealed, SHA-256 ";
    qsizetype seal = -1;
    for (qsizetype i = 0; i < seen.size(); ++i) {
        if (seen[i].startsWith(sealPrefix))
            seal = i;
    }
    ASSERT_GE(seal, 0);
    EXPECT_EQ(seen.value(seal + 1), "WTG!  Bob, you have been chosen");
    QStringList turned;
    for (const QByteArray& line : seen) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(u"¤   "_s))
            turned.append(text.mid(4, text.size() - 8));
    }
    EXPECT_EQ(turned, deck.mid(1, 6));
    const QByteArray revealed = seen.last().mid(revealPrefix.size());
    EXPECT_EQ(QCryptographicHash::hash(revealed, QCryptographicHash::Sha256).toHex(),
              seen[seal].mid(sealPrefix.size()));
    EXPECT_EQ(QString::fromLatin1(revealed).section(u' ', 1).split(u' '), deck);
}
