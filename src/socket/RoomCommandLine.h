#pragma once

#include "services/CommandLine.h"

// The practice room program's options: where it listens, and whether it shows its window.
CommandLine RoomCommandLine();
