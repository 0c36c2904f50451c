#pragma once

#include <cstdint>

#include <QString>

struct Console;
class Toolkit;

// The pause after a said line: 2 x delay + 1 ticks of the 130 ms pause timer, handling events.
int PauseTicks(std::int16_t delay);
void My_Wait(Toolkit& toolkit, std::int16_t delay);

// Says the line in the room, then pauses for the host's speed: the step of every announcement.
void SayAndPause(Console& console, const QString& line);
