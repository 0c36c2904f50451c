#include "records/DeckFile.h"

#include "records/GameLogFormat.h"
#include "records/GameLogReader.h"

QString DeckFileText(const QString& player, const Deck& deck)
{
    const QString end = RecordLineEnd();
    return player + end + DeckCommitment(deck) + end + DeckText(deck) + end;
}

std::optional<SavedDeck> ReadDeckFileText(const QString& text)
{
    const QStringList lines = RecordFileLines(text);
    if (lines.size() != 3)
        return std::nullopt;
    std::optional<Deck> deck = ParseDeckText(lines[2]);
    if (!deck || DeckCommitment(*deck) != lines[1])
        return std::nullopt;
    return SavedDeck{lines[0], *deck};
}
