#pragma once

#include <QString>

#include <functional>

struct Console;

// Names a caller knows beyond the value placeholders. Given the lower-cased name; returns true
// when it ran an operation in place of the line, which then becomes empty. Macro playback
// uses it for "scores" and "getregs".
using PlaceholderAction = std::function<bool(const QString& name)>;

// Fills "%host%", "%reg%", "%player%", "%points%" and "%card%" (any case) with the values of
// this moment, left to right. A filled-in value is never examined again, and an unknown name
// or a "%" without a partner stays as it stands, so no text can make the filling loop.
QString FillPlaceholders(Console& console, const QString& line,
                         const PlaceholderAction& action = {});

// Fills the placeholders of one line and, unless that leaves nothing, says it in the room and
// pauses. Does not split at line breaks.
void SayMessage(Console& console, const QString& text);
