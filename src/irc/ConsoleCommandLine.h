#pragma once

#include "services/CommandLine.h"

// The console's options: a chat client's socket, or an IRC channel and what its bridge needs.
CommandLine ConsoleCommandLine();
