#pragma once

#include "services/CommandLine.h"

// The bridge's options as its help lists them; IrcOptions reads their values.
CommandLine IrcCommandLine();
