#pragma once

struct Console;

// The main button: performs the step its caption names (open the game, draw a player, ask for
// a wager, say the wager, say the results) under the busy lock, and renames itself.
void cmdSay_Click(Console& console);
