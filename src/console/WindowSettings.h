#pragma once

#include <cstdint>

struct Console;

// Start-up: brings the window's marks and wager panel into line with the settings just read.
// Stay on Top follows OnTop; exactly one speed is checked (a Delay outside 0 to 3 becomes 1,
// Fast); the monthly modes and the monthly list menu follow Points and DayOfWeek; the wager
// panel starts empty with the starting score in the wager box.
void ApplySettingsToWindow(Console& console);

// Checks the speed item of the given Delay and unchecks the other three.
void ShowSpeedMarks(Console& console, std::int16_t delay);

// Stay on Top: flips OnTop and its check mark; the window follows the mark. The settings
// file keeps the new state from the next save on.
void mnuOnTop_Click(Console& console);
