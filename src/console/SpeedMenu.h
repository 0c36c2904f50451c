#pragma once

#include <cstdint>

struct Console;

// The Speed menu: the chosen Delay takes effect with the next pause and is written to the
// settings file at once. Choosing the checked item again saves again.
void SetSpeed(Console& console, std::int16_t delay);
void mnuVeryFast_Click(Console& console);
void mnuFast_Click(Console& console);
void mnuMedium_Click(Console& console);
void mnuSlow_Click(Console& console);
