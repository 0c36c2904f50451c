#pragma once

class MainWindow;

// Connects the logic's handlers to the console's controls, one line each. The window's own
// handlers (pop-ups, the macro hint, Stay on Top, Exit, About) are wired by the window itself.
void WireHandlers(MainWindow& window);
