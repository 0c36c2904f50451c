#pragma once

#include "macros/MacroRecord.h"

// Slots 8, 9 and 10: "Scores", "Call for Regs" and "Get Regs" with their texts.
void SetBuiltInMacros(MacroTable& macros);
