#pragma once

#include <QIcon>

// The program's icon, shared by every window: a playing card with a "Q" on the console's
// olive, drawn here so no image file has to travel with the program. It is drawn only when a
// size of it is asked for: a window system that shows no icon never pays for the drawing.
// A program sets it once as the application's icon, every window's: one drawing serves them all.
QIcon QuilloIcon();
