#include "console/MacroPlayback.h"
#include "console/RoundFlow.h"
#include "console/SettingsFile.h"
#include "socket/SocketChatClient.h"
#include "support/BridgeOnIrcServer.h"
#include "support/RecordingChatClient.h"
#include "support/TestConsole.h"
#include "support/WaitUntil.h"
#include "text/Cards.h"
#include "text/NumberText.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

class IrcDealtGame : public BridgeOnIrcServer
{
};

// A dealt game in a real channel: what Bob reads there lets him check every card of every turn,
// his own and Ann's, one lost to 0 and one over all six cards.
TEST_F(IrcDealtGame, APlayerChecksEveryDealtTurnFromTheChannelAlone)
{
    ASSERT_TRUE(StartHostedChannel());
    IrcTestClient ann;
    ASSERT_TRUE(ann.Connect(server->Port(), "Ann") && ann.Join("#quillo"));
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
    ann.Esp("Host", "$");
    ASSERT_TRUE(WaitUntil(
        [&] {
            t.chat.ReadAllText();
            return t.chat.ReceivedText.ToString().contains(u"ESP from Bob: $"_s) &&
                   t.chat.ReceivedText.ToString().contains(u"ESP from Ann: $"_s);
        },
        10000));
    txtButton_Click(c, 10); // Get Regs
    ASSERT_EQ(c.game.PlayerCount, 2);

    // The first drawn stakes everything against the deck, the second one point with it.
    QMap<QString, QStringList> decks;
    for (const bool toLose : {true, false}) {
        click(); // Draw Player, on a deck of the turn's own
        const QStringList deck = c.game.TurnDeck.Cards;
        ASSERT_EQ(deck.size(), 52);
        decks[c.controls.txtPlayer.Text] = deck;
        while (c.game.RoundState != RoundDrawPlayer) {
            click(); // Ask for Wager
            const int next = c.game.CardIndex;
            const bool higher = CardRank(deck[next]) > CardRank(deck[next - 1]);
            c.controls.txtWager.Text = toLose ? ScoreText(c.game.Current().Score) : u"1"_s;
            c.controls.optHigher.Checked = higher != toLose;
            c.controls.optLower.Checked = higher == toLose;
            click(); // Say Wager
            click(); // Say Results
        }
    }
    ASSERT_EQ(decks.size(), 2);
    EXPECT_FALSE(QFile::exists(t.Path(u"QODeck.txt"_s)));

    // Bob, in the channel: for each turn the seal before the call, the cards, and the deck.
    const auto reveals = [&] {
        return bob->TextsFrom("Host", "#quillo").count() > 0 &&
               QString::fromUtf8(bob->TextsFrom("Host", "#quillo").join('\n')).count(u" was: "_s) ==
                   2;
    };
    ASSERT_TRUE(bob->WaitFor([&](const auto&) { return reveals(); }, 20000))
        << bridge->Log().toStdString();
    QString player;
    QByteArray sealed;
    QStringList turned;
    QList<qsizetype> lengths;
    const QList<QByteArray> seen = bob->TextsFrom("Host", "#quillo");
    for (qsizetype i = 0; i < seen.size(); ++i) {
        const QString text = QString::fromUtf8(seen[i]);
        static const QRegularExpression seal(u"^Deck for (\\S+) sealed, SHA-256 ([0-9a-f]{64})$"_s);
        if (const auto m = seal.match(text); m.hasMatch()) {
            player = m.captured(1);
            sealed = m.captured(2).toLatin1();
            turned.clear();
            EXPECT_EQ(QString::fromUtf8(seen.value(i + 1)),
                      u"WTG!  "_s + player + u", you have been chosen"_s);
        } else if (text.startsWith(u"¤   "_s)) {
            turned.append(text.mid(4, text.size() - 8));
        } else if (const QString prefix = u"Deck for "_s + player + u" was: "_s;
                   !player.isEmpty() && text.startsWith(prefix)) {
            SCOPED_TRACE(player.toStdString());
            const QByteArray revealed = seen[i].mid(prefix.toUtf8().size());
            EXPECT_EQ(QCryptographicHash::hash(revealed, QCryptographicHash::Sha256).toHex(),
                      sealed);
            const QStringList deck = QString::fromLatin1(revealed).section(u' ', 1).split(u' ');
            EXPECT_EQ(deck, decks.value(player));
            ASSERT_FALSE(turned.isEmpty());
            EXPECT_EQ(turned, deck.mid(1, turned.size()));
            lengths.append(turned.size());
        }
    }
    // The turn lost to 0 ended early; the other went over all six cards.
    ASSERT_EQ(lengths.size(), 2);
    EXPECT_LT(lengths[0], 6);
    EXPECT_EQ(lengths[1], 6);
}
