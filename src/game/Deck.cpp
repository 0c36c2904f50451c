#include "game/Deck.h"

#include "text/Cards.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace {

constexpr int SaltBytes = 16;

bool isSalt(const QString& text)
{
    return text.size() == 2 * SaltBytes && std::all_of(text.begin(), text.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
           });
}

} // namespace

QStringList UnshuffledCards()
{
    QStringList cards;
    for (const QString& rank : CardList()) {
        for (int i = 0; i < 4; ++i)
            cards.append(rank);
    }
    return cards;
}

Deck ShuffledDeck(QRandomGenerator& random)
{
    Deck deck;
    std::array<quint32, SaltBytes / 4> salt{};
    random.fillRange(salt.data(), salt.size());
    deck.Salt = QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(salt.data()), SaltBytes).toHex());
    deck.Cards = UnshuffledCards();
    for (qsizetype i = deck.Cards.size() - 1; i > 0; --i) {
        const auto j = static_cast<qsizetype>(random.bounded(static_cast<quint32>(i + 1)));
        deck.Cards.swapItemsAt(i, j);
    }
    return deck;
}

QString DeckText(const Deck& deck)
{
    return deck.Salt + u' ' + deck.Cards.join(u' ');
}

std::optional<Deck> ParseDeckText(const QString& text)
{
    QStringList words = text.split(u' ');
    if (words.size() != 53 || !isSalt(words.first()))
        return std::nullopt;
    Deck deck{words.takeFirst(), words};
    QStringList sorted = deck.Cards;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return CardRank(a) < CardRank(b); });
    if (sorted != UnshuffledCards())
        return std::nullopt;
    return deck;
}

QString DeckCommitment(const Deck& deck)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(DeckText(deck).toLatin1(), QCryptographicHash::Sha256).toHex());
}
