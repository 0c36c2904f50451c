#pragma once

struct Console;

// File > Recover: rebuilds an interrupted game from the players file and the game log after a
// restart. Drawn players get their last logged score; a turn under way is resumed at "Ask for
// Wager" with its card boxes refilled, otherwise the game goes on at "Draw Player". A log of
// another host leaves the players-file roster and says so; a file that cannot be read empties
// the roster and leaves the game unopened. Offered once per run: the item stays disabled after.
void RecoverGame(Console& console);
