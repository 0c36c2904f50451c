#pragma once

#include "records/SettingsFormat.h"

struct Console;

// Start-up: every setting and the game state to their defaults, the built-in macros, the
// program registered with the chat client, quillo.ini read over the defaults and the record
// paths set from today's date. False when the settings file could not be read: the
// "Program Exiting" box has been shown and the program must end without its shutdown steps.
bool SetDefaults(Console& console);

// Reads every "[settings]" section of quillo.ini; a missing file leaves the defaults silently.
// Any other failure shows "Program Exiting" and returns false.
bool ReadSettings(Console& console);

// Replaces quillo.ini at once with the settings and the window's position in twips. A
// failure leaves the old file whole, is shown as "Program Error" and returns false.
bool WriteSettings(Console& console, int leftTwips, int topTwips);

// WriteSettings with where the main window stands now.
bool SaveSettings(Console& console);
