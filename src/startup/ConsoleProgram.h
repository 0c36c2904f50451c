#pragma once

#include <functional>

class QWidget;

// The console program from its command line to the end of its event loop: the chat client
// named (or the practice room), the session, its window and the room's beside it. `shown` is
// called with the console's window once start-up has shown it, before the event loop runs and
// after start-up has set what waits for the window to be on the screen (the practice room's
// window, the icon): what `shown` watches on the window, it sees ahead of those.
int RunConsole(int argc, char** argv, const std::function<void(QWidget&)>& shown = {});
