#pragma once

#include "macros/PlaceholderText.h"

#include <QString>

struct Console;

// The placeholders' values of this moment: the host's name, the registration character, the
// current player's name and wager, the card box in play.
PlaceholderValues CurrentPlaceholderValues(const Console& console);

// Fills the placeholders with the values of this moment.
QString FillPlaceholders(Console& console, const QString& line,
                         const PlaceholderAction& action = {});

// Fills the placeholders of one line and, unless that leaves nothing, says it in the room and
// pauses. Does not split at line breaks.
void SayMessage(Console& console, const QString& text);
// The same with the values given.
void SayMessage(Console& console, const QString& text, const PlaceholderValues& values);
