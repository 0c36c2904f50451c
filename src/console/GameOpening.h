#pragma once

struct Console;

// "Start": finds the host's name in the chat, opens the roster, says the version, contact and
// registration lines, starts the game log, and leaves the round at "Draw Player" with the main
// button waiting for the first registration. Runs inside the caller's busy lock.
void OpenGame(Console& console);
