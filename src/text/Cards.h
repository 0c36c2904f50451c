#pragma once

#include <QString>
#include <QStringList>

// "2345678910JQKA": a card's rank is the 1-based position of its text in it, 0 when absent.
extern const QString CardRanks;

int CardRank(const QString& card);
// The thirteen cards from "2" to "A", in rank order, as the card boxes list them.
QStringList CardList();
bool IsValidCard(const QString& card);

// "Your Card is an " for the eight and the ace, "Your Card is a " for every other card.
QString CardArticle(const QString& card);
