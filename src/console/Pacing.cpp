#include "console/Pacing.h"

#include "console/Toolkit.h"

int PauseTicks(std::int16_t delay)
{
    return 2 * static_cast<int>(delay) + 1;
}

void My_Wait(Toolkit& toolkit, std::int16_t delay)
{
    toolkit.WaitTicks(PauseTicks(delay));
}
