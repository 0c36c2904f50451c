#include "console/Dealing.h"

#include "console/Console.h"
#include "console/Placeholders.h"
#include "console/ProgramError.h"
#include "console/SettingsFile.h"
#include "console/Toolkit.h"
#include "records/DeckFile.h"
#include "records/FileError.h"
#include "records/RecordPaths.h"
#include "records/TextFile.h"

#include <QFile>

namespace {

QString deckPath(const Console& console)
{
    return DeckFilePath(console.programFolder);
}

// Why the deck of the player's turn cannot be dealt from; empty when it can.
QString deckFault(const std::variant<QString, FileError>& read, const QString& player,
                  const QStringList& loggedCards, std::optional<SavedDeck>& saved)
{
    if (const auto* error = std::get_if<FileError>(&read))
        return IsNotFound(*error) ? QStringLiteral("its file is missing") : error->Description;
    saved = ReadDeckFileText(std::get<QString>(read));
    if (!saved)
        return QStringLiteral("its file is damaged");
    if (saved->Player != player)
        return QStringLiteral("its file is of another player's turn");
    if (saved->Cards.Cards.mid(0, loggedCards.size()) != loggedCards)
        return QStringLiteral("its cards differ from the game log");
    return {};
}

} // namespace

void mnuDealCards_Click(Console& console)
{
    Settings& s = console.settings;
    s.DealCards = !s.DealCards;
    console.controls.mnuDealCards.Checked = s.DealCards;
    // A recovery after a crash must know the turn was dealt: the choice is kept at once.
    SaveSettings(console);
}

void DealDeck(Console& console)
{
    GameState& g = console.game;
    RevealDeck(console);
    g.DeckRevealed = false;
    if (!console.settings.DealCards)
        return;
    g.TurnDeck = ShuffledDeck(*console.deckRandom);
    g.DeckPlayer = g.Current().Name;
    g.DeckInPlay = true;
    const QString path = deckPath(console);
    if (const auto error = SaveTextFile(path, DeckFileText(g.DeckPlayer, g.TurnDeck)))
        ShowProgramError(console.toolkit, *error, path);
    PlaceholderValues values = CurrentPlaceholderValues(console);
    values.Hash = DeckCommitment(g.TurnDeck);
    SayMessage(console, console.settings.DealCommit, values);
}

QString DealtCard(const Console& console, int index)
{
    const GameState& g = console.game;
    if (!g.DeckInPlay || index < 0 || index >= g.TurnDeck.Cards.size())
        return {};
    return g.TurnDeck.Cards[index];
}

void RevealDeck(Console& console)
{
    GameState& g = console.game;
    if (!g.DeckInPlay)
        return;
    g.DeckInPlay = false;
    g.DeckRevealed = true;
    // The deck's player: a deck revealed late belongs to a turn that has ended.
    PlaceholderValues values = CurrentPlaceholderValues(console);
    values.Player = g.DeckPlayer;
    values.Deck = DeckText(g.TurnDeck);
    SayMessage(console, console.settings.DealReveal, values);
    QFile::remove(deckPath(console));
}

DeckResumed ResumeDeck(Console& console, const QString& player, const QStringList& loggedCards)
{
    GameState& g = console.game;
    const auto read = ReadTextFile(deckPath(console));
    const bool noFile =
        std::holds_alternative<FileError>(read) && IsNotFound(std::get<FileError>(read));
    if (noFile && !console.settings.DealCards)
        return DeckResumed::NotDealt;
    std::optional<SavedDeck> saved;
    const QString fault = deckFault(read, player, loggedCards, saved);
    if (fault.isEmpty()) {
        g.TurnDeck = saved->Cards;
        g.DeckPlayer = player;
        g.DeckInPlay = true;
        g.DeckRevealed = false;
        return DeckResumed::Dealt;
    }
    console.toolkit.MessageBox(QStringLiteral("The deck of ") + player +
                                   QStringLiteral("'s turn cannot be dealt from: ") + fault +
                                   QStringLiteral(".\nPick the cards for the rest of this turn."),
                               QStringLiteral("Deal Cards"));
    return DeckResumed::Lost;
}

void RevealLeftoverDeck(Console& console)
{
    GameState& g = console.game;
    const auto read = ReadTextFile(deckPath(console));
    if (!std::holds_alternative<QString>(read))
        return;
    if (const auto saved = ReadDeckFileText(std::get<QString>(read))) {
        g.TurnDeck = saved->Cards;
        g.DeckPlayer = saved->Player;
        g.DeckInPlay = true;
        RevealDeck(console);
    }
}
