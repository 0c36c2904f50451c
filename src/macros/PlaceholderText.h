#pragma once

#include <QString>

#include <functional>
#include <optional>

// Names a caller knows beyond the value placeholders. Given the lower-cased name; returns true
// when it ran an operation in place of the line, which then becomes empty. Macro playback
// uses it for "scores" and "getregs".
using PlaceholderAction = std::function<bool(const QString& name)>;

// What the value placeholders stand for at the moment a line is filled.
struct PlaceholderValues
{
    QString Host;   // %host%
    QString Reg;    // %reg%
    QString Player; // %player%
    QString Points; // %points%: the current player's wager
    QString Card;   // %card%: the text of the card box in play
    // A dealt turn's deck, only in the lines that commit to it and reveal it; elsewhere
    // "%hash%" and "%deck%" stay as they stand.
    std::optional<QString> Hash; // %hash%: the deck's commitment
    std::optional<QString> Deck; // %deck%: the salt and the cards in order
};

// Fills "%host%", "%reg%", "%player%", "%points%" and "%card%" (and, when given, "%hash%" and
// "%deck%"), any case, left to right. A
// filled-in value is never examined again, and an unknown name or a "%" without a partner
// stays as it stands, so no text can make the filling loop.
QString FillPlaceholderText(const QString& line, const PlaceholderValues& values,
                            const PlaceholderAction& action = {});
