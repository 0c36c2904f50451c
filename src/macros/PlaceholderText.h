#pragma once

#include <QString>

#include <functional>

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
};

// Fills "%host%", "%reg%", "%player%", "%points%" and "%card%" (any case), left to right. A
// filled-in value is never examined again, and an unknown name or a "%" without a partner
// stays as it stands, so no text can make the filling loop.
QString FillPlaceholderText(const QString& line, const PlaceholderValues& values,
                            const PlaceholderAction& action = {});
