#pragma once

struct Console;

// Puts each macro's name in the tip of its button in the main window, so the names show
// while the pointer rests on the bare numbers. Run whenever the macro set may have changed
// while the main window was out of sight: at start-up and when the editor closes.
void ShowMacroNames(Console& console);
