#include "text/Cards.h"

const QString CardRanks = QStringLiteral("2345678910JQKA");

int CardRank(const QString& card)
{
    if (card.isEmpty())
        return 0;
    return static_cast<int>(CardRanks.indexOf(card, 0, Qt::CaseSensitive)) + 1;
}

QStringList CardList()
{
    return {QStringLiteral("2"),  QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
            QStringLiteral("6"),  QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
            QStringLiteral("10"), QStringLiteral("J"), QStringLiteral("Q"), QStringLiteral("K"),
            QStringLiteral("A")};
}

bool IsValidCard(const QString& card)
{
    return CardRank(card) > 0;
}

QString CardArticle(const QString& card)
{
    const int rank = CardRank(card);
    return (rank == 7 || rank == 14) ? QStringLiteral("Your Card is an ")
                                     : QStringLiteral("Your Card is a ");
}
