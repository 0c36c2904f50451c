#include "console/Corrections.h"
#include "console/Dealing.h"
#include "console/Recovery.h"
#include "records/DeckFile.h"
#include "support/FileBytes.h"
#include "support/GameTable.h"
#include "text/Cards.h"
#include "text/NumberText.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString SealedPrefix = u"Deck for %1 sealed, SHA-256 "_s;
const QString RevealPrefix = u"Deck for %1 was: "_s;

QString deckFile(const GameTable& t)
{
    return t.Path(u"QODeck.txt"_s);
}

bool allBoxesLocked(const Console& c)
{
    return std::none_of(c.controls.cmbStart.begin(), c.controls.cmbStart.end(),
                        [](const TextBoxState& box) { return box.Enabled; });
}

// One wager on the card the deck turns next: the whole score on the wrong guess, or one point
// on the right one (a push either way when the ranks are equal).
void guess(GameTable& t, bool toLose)
{
    Console& c = t.console;
    const QStringList& deck = c.game.TurnDeck.Cards;
    const int next = c.game.CardIndex; // the box to be turned, once asked
    const bool higher = CardRank(deck[next]) > CardRank(deck[next - 1]);
    c.controls.txtWager.Text = toLose ? ScoreText(c.game.Current().Score) : u"1"_s;
    c.controls.optHigher.Checked = higher != toLose;
    c.controls.optLower.Checked = higher == toLose;
}

void wagerOnNext(GameTable& t, bool toLose)
{
    t.Click(); // Ask for Wager
    guess(t, toLose);
    t.Click(); // Say Wager
}

// A console started afresh on the files the game left, dealing on, and recovered.
std::unique_ptr<GameTable> recovered(const GameTable& played)
{
    auto fresh = std::make_unique<GameTable>();
    for (const QString& name : {u"Quillo.log"_s, u"QOPlayers.txt"_s, u"QODeck.txt"_s}) {
        if (QFile::exists(played.Path(name)))
            QFile::copy(played.Path(name), fresh->Path(name));
    }
    fresh->console.settings.DealCards = true;
    RecoverGame(fresh->console);
    return fresh;
}

// The commitment said at the draw, checked as a player would: the revealed text hashed.
void expectRevealMatches(const QString& sealed, const QString& revealed)
{
    EXPECT_EQ(
        QString::fromLatin1(
            QCryptographicHash::hash(revealed.toLatin1(), QCryptographicHash::Sha256).toHex()),
        sealed);
}

// The README's recipe for the players, run on what the console revealed.
QString readmeRecipeHash(const QString& revealed)
{
    QFile readme(QStringLiteral(QUILLO_SOURCE_DIR "/README.md"));
    if (!readme.open(QIODevice::ReadOnly))
        return u"no README"_s;
    static const QRegularExpression recipe(uR"(^\s*(printf '%s' ')[^']*(' \| sha256sum)\s*$)"_s,
                                           QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = recipe.match(QString::fromUtf8(readme.readAll()));
    if (!m.hasMatch())
        return u"no recipe"_s;
    QProcess sh;
    sh.start(u"sh"_s, {u"-c"_s, m.captured(1) + revealed + m.captured(2)});
    sh.waitForFinished(10000);
    return QString::fromLatin1(sh.readAllStandardOutput()).section(u' ', 0, 0);
}

} // namespace

TEST(Dealing, ATurnIsDealtFromTheDeckSealedBeforeTheCallAndRevealedAtItsEnd)
{
    GameTable t;
    Console& c = t.console;
    c.settings.DealCards = true;
    t.OpenWith({u"Ann"_s, u"Bob"_s});
    // Ann stakes everything against the deck until she has lost it all; Bob plays all six.
    for (const QString& name : {u"Ann"_s, u"Bob"_s}) {
        SCOPED_TRACE(name.toStdString());
        t.DrawOnly(name);
        const QStringList drawn = t.NewLines();
        ASSERT_EQ(drawn.size(), 2);
        ASSERT_TRUE(drawn[0].startsWith(SealedPrefix.arg(name)));
        EXPECT_EQ(drawn[1], u"WTG!  "_s + name + u", you have been chosen"_s);
        const QString sealed = drawn[0].mid(SealedPrefix.arg(name).size());
        const QStringList deck = c.game.TurnDeck.Cards;
        EXPECT_EQ(c.controls.cmbStart[0].Text, deck[0]);
        EXPECT_TRUE(allBoxesLocked(c));
        EXPECT_TRUE(QFile::exists(deckFile(t)));

        const bool toLose = name == u"Ann"_s;
        int turned = 0;
        while (c.game.RoundState != RoundDrawPlayer) {
            wagerOnNext(t, toLose);
            t.NewLines();
            t.Click(); // Say Results
            ++turned;
            const QStringList said = t.NewLines();
            ASSERT_FALSE(said.isEmpty());
            EXPECT_EQ(said[0], u"¤   "_s + deck[turned] + u"   ¤"_s);
            EXPECT_EQ(c.controls.cmbStart[turned].Text, deck[turned]);
            EXPECT_TRUE(allBoxesLocked(c));
            if (c.game.RoundState == RoundDrawPlayer) {
                // The reveal closes the turn, after the thanks.
                ASSERT_GE(said.size(), 2);
                EXPECT_TRUE(said[said.size() - 2].endsWith(u"Thanks for playing"_s));
                ASSERT_TRUE(said.last().startsWith(RevealPrefix.arg(name)));
                const QString revealed = said.last().mid(RevealPrefix.arg(name).size());
                EXPECT_EQ(revealed.section(u' ', 1), deck.join(u' '));
                expectRevealMatches(sealed, revealed);
                EXPECT_EQ(readmeRecipeHash(revealed), sealed);
                EXPECT_LE(said.last().toUtf8().size(), 400); // one IRC line, with room to spare
            }
        }
        EXPECT_FALSE(QFile::exists(deckFile(t)));
        for (const QString& line : t.room.SaidLines())
            EXPECT_FALSE(line.contains(u"%hash%"_s) || line.contains(u"%deck%"_s));
        if (toLose) {
            EXPECT_EQ(c.game.Current().Score, 0.0f);
            EXPECT_LT(turned, 6);
        } else {
            EXPECT_EQ(turned, 6);
        }
    }
    // Each turn has a deck of its own.
    EXPECT_EQ(t.room.SaidLines().filter(u"sealed, SHA-256"_s).removeDuplicates(), 0);
}

TEST(Dealing, FixCardTakesTheResultBackAndKeepsTheDealtCard)
{
    GameTable t;
    Console& c = t.console;
    c.settings.DealCards = true;
    t.OpenWith({u"Bob"_s});
    t.Click();
    const QStringList deck = c.game.TurnDeck.Cards;
    wagerOnNext(t, false);
    t.Click(); // the first result
    const float after = c.game.Current().Score;
    t.NewLines();

    mnuFixCard_Click(c);
    EXPECT_EQ(c.game.RoundState, RoundSayResults);
    EXPECT_EQ(c.game.Current().Score, 10.0f);
    EXPECT_EQ(c.controls.cmbStart[1].Text, deck[1]);
    EXPECT_TRUE(allBoxesLocked(c));
    c.controls.cmbStart[1].Text = u"2"_s; // nothing the host picks takes the dealt card's place
    t.Click();
    EXPECT_EQ(t.NewLines().mid(1, 1), QStringList{u"¤   "_s + deck[1] + u"   ¤"_s});
    EXPECT_EQ(c.game.Current().Score, after);
    EXPECT_EQ(c.game.TurnDeck.Cards, deck);

    // Back a card from "Say Wager" keeps the boxes locked too; then the turn is played out.
    t.Click();
    mnuFixCard_Click(c);
    EXPECT_EQ(c.game.RoundState, RoundSayResults);
    EXPECT_TRUE(allBoxesLocked(c));
    t.Click();
    while (c.game.RoundState != RoundDrawPlayer) {
        wagerOnNext(t, true);
        t.Click();
    }
    // Its deck revealed, the ended turn cannot be reopened.
    t.NewLines();
    mnuFixCard_Click(c);
    EXPECT_EQ(t.NewLines(), QStringList{u"Fixing Card"_s});
    EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
}

TEST(Dealing, TheOptionsItemTurnsDealingOnForTheNextDrawAndKeepsIt)
{
    GameTable t;
    Console& c = t.console;
    t.OpenWith({u"Ann"_s, u"Bob"_s});
    t.DrawOnly(u"Ann"_s); // dealing off: the host picks, nothing more is said
    EXPECT_EQ(t.NewLines().size(), 1);
    EXPECT_TRUE(c.controls.cmbStart[0].Enabled);
    EXPECT_TRUE(c.controls.cmbStart[0].Text.isEmpty());
    EXPECT_FALSE(QFile::exists(deckFile(t)));

    mnuDealCards_Click(c);
    EXPECT_TRUE(c.settings.DealCards);
    EXPECT_TRUE(c.controls.mnuDealCards.Checked);
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_TRUE(QFile::exists(t.Path(u"quillo.ini"_s)));
    EXPECT_TRUE(c.controls.cmbStart[0].Enabled); // Ann's turn stays the host's
    c.controls.cmbStart[0].Text = u"5"_s;
    t.Click();
    c.controls.txtWager.Text = u"10"_s;
    c.controls.optHigher.Checked = true;
    t.Click();
    c.controls.cmbStart[1].Text = u"3"_s;
    t.Click(); // all lost: the turn ends
    ASSERT_EQ(c.game.RoundState, RoundDrawPlayer);
    EXPECT_FALSE(t.NewLines().last().startsWith(u"Deck"_s));
    t.DrawOnly(u"Bob"_s);
    EXPECT_EQ(t.NewLines().size(), 2);
    EXPECT_FALSE(c.controls.cmbStart[0].Enabled);

    mnuDealCards_Click(c);
    EXPECT_FALSE(c.controls.mnuDealCards.Checked);
    EXPECT_TRUE(c.game.DeckInPlay); // Bob's turn keeps its deck
}

TEST(Dealing, ARecoveryAfterEveryClickResumesOnTheSameDeckAtTheSameCard)
{
    GameTable t;
    t.console.settings.DealCards = true;
    t.OpenWith({u"Bob"_s});
    t.Click(); // Bob drawn
    const QStringList deck = t.console.game.TurnDeck.Cards;
    // face: the card a recovery asks the wager on again; -1 between turns, where a deck whose
    // turn could not be resumed is revealed.
    const auto check = [&](int face, bool leftover, const std::string& where) {
        SCOPED_TRACE(where);
        auto fresh = recovered(t);
        Console& c = fresh->console;
        EXPECT_TRUE(fresh->toolkit.Boxes.isEmpty());
        const QStringList said = fresh->NewLines();
        if (face < 0) {
            EXPECT_EQ(c.game.RoundState, RoundDrawPlayer);
            EXPECT_EQ(said.last().startsWith(RevealPrefix.arg(u"Bob"_s)), leftover);
            EXPECT_FALSE(QFile::exists(deckFile(*fresh)));
            return;
        }
        EXPECT_EQ(said.last(), u"Current Player is Bob"_s);
        ASSERT_EQ(c.game.RoundState, RoundAskForWager);
        EXPECT_TRUE(c.game.DeckInPlay);
        EXPECT_EQ(c.game.TurnDeck.Cards, deck);
        ASSERT_EQ(c.game.CardIndex, face);
        for (int i = 0; i <= face; ++i)
            EXPECT_EQ(c.controls.cmbStart[i].Text, deck[i]) << i;
        EXPECT_TRUE(allBoxesLocked(c));
        // The rest of the turn comes from the same deck.
        wagerOnNext(*fresh, false);
        fresh->Click();
        EXPECT_EQ(c.controls.cmbStart[face + 1].Text, deck[face + 1]);
    };
    check(-1, true, "drawn");
    int face = -1;
    while (t.console.game.RoundState != RoundDrawPlayer) {
        const std::string card = std::to_string(t.console.game.CardIndex);
        t.Click();
        check(face, face < 0, "asked on " + card);
        guess(t, false);
        t.Click();
        check(face, face < 0, "wagered on " + card);
        t.Click();
        face = t.console.game.CardIndex - 1;
        check(t.console.game.RoundState == RoundDrawPlayer ? -1 : face, false, "turned " + card);
    }
}

TEST(Dealing, ARecoveryWithoutItsDeckTellsTheHostAndTheChatAndTheHostPicks)
{
    const QList<std::pair<QString, std::function<void(const QString&)>>> faults = {
        {u"missing"_s, [](const QString& path) { QFile::remove(path); }},
        {u"damaged"_s,
         [](const QString& path) { WriteBytes(path, ReadBytes(path).replace(" A", " 2")); }},
        {u"another player's"_s,
         [](const QString& path) { WriteBytes(path, ReadBytes(path).replace("Bob", "Ann")); }},
        {u"differ from the game log"_s,
         [](const QString& path) {
             // A whole deck sealed as it should be, but not the one the log's cards came from.
             SavedDeck saved = *ReadDeckFileText(QString::fromLatin1(ReadBytes(path)));
             QStringList& cards = saved.Cards.Cards;
             qsizetype other = cards.size() - 1;
             while (cards[other] == cards[0])
                 --other;
             cards.move(other, 0);
             WriteBytes(path, DeckFileText(saved.Player, saved.Cards).toLatin1());
         }},
    };
    for (const auto& [fault, spoil] : faults) {
        SCOPED_TRACE(fault.toStdString());
        GameTable t;
        t.console.settings.DealCards = true;
        t.OpenWith({u"Bob"_s});
        t.Click();
        wagerOnNext(t, false);
        t.Click(); // one card turned: the turn can be resumed
        spoil(deckFile(t));
        auto fresh = recovered(t);
        Console& c = fresh->console;
        ASSERT_EQ(fresh->toolkit.Boxes.size(), 1);
        EXPECT_EQ(fresh->toolkit.Boxes[0].Title, u"Deal Cards"_s);
        EXPECT_TRUE(fresh->toolkit.Boxes[0].Text.contains(fault))
            << fresh->toolkit.Boxes[0].Text.toStdString();
        EXPECT_EQ(fresh->NewLines().last(), c.settings.DealLost);
        EXPECT_EQ(c.game.RoundState, RoundAskForWager);
        EXPECT_FALSE(c.game.DeckInPlay);
        EXPECT_TRUE(c.controls.cmbStart[0].Enabled); // the host picks again
        t.console.settings.DealCards = false;
    }
}
