#pragma once

#include <QString>

#include <array>

// One macro: the hint shown over its button and the lines it says, separated by CR LF.
struct MacroRecord
{
    QString Name;
    QString Text;
};

// Slots 1 to 20 belong to the macro buttons; slot 0 has no button.
inline constexpr int MacroSlots = 21;
using MacroTable = std::array<MacroRecord, MacroSlots>;
