#pragma once

struct Console;

// Reads the file named by MacroFile over the table under the hourglass; slots the file does
// not mention keep what they held. A failure is shown as "Problem with Macro File".
// Nothing happens when no file is named.
void LoadMacros(Console& console);

// Replaces the file named by MacroFile with slots 1 to 20 at once: a failure leaves the old
// file whole and is shown as "Program Error", except a missing folder, which is silent.
// True when the file was written or no file is named.
bool SaveMacros(Console& console);
