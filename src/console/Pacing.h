#pragma once

#include <cstdint>

class Toolkit;

// The pause after a said line: 2 x delay + 1 ticks of the 130 ms pause timer, handling events.
int PauseTicks(std::int16_t delay);
void My_Wait(Toolkit& toolkit, std::int16_t delay);
