#pragma once

struct Console;

// The lock a speaking handler takes: focus to the hidden button, hourglass, menu bar, main
// button and macro buttons disabled, and no stop of a listing requested yet. It does not nest:
// one BeginBusy, then one EndBusy on every way out.
void BeginBusy(Console& console);

// Unlocks again. When every registered player has been drawn and the next step would be a
// draw, the main button stays disabled, the player box says "(no players)" and there is no
// current player.
void EndBusy(Console& console);

// Esc in the main window: a listing under the lock (the scores, the monthly points, a macro's
// lines) says no more lines after the one being said.
void StopListing(Console& console);
