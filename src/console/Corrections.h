#pragma once

struct Console;

// Fix Wager: back to "Say Wager" with the score in the wager box and no guess picked. Only
// once a wager is being taken or has been said ("Say Wager" and "Say Results"); earlier there is
// none to fix.
void mnuFix_Click(Console& console);

// Fix Card: says "Fixing Card", steps back to "Say Results" (or "Ask for Wager") and undoes
// the last result, so the turned card can be picked again and scored anew.
void mnuFixCard_Click(Console& console);

// The host leaves the wager box: true when it holds a number. Otherwise shows "Wager must be a
// number", puts the score back into the box and keeps the focus there.
bool txtWager_Validate(Console& console);

// "All?" ticked or unticked: the current player's whole score goes into the wager box.
void chkAll_Click(Console& console);
