#include "console/Pacing.h"

#include "chat/ChatLink.h"
#include "console/Console.h"
#include "console/Toolkit.h"

int PauseTicks(std::int16_t delay)
{
    return 2 * static_cast<int>(delay) + 1;
}

void My_Wait(Toolkit& toolkit, std::int16_t delay)
{
    toolkit.WaitTicks(PauseTicks(delay));
}

void SayAndPause(Console& console, const QString& line)
{
    console.chat.SayLine(ChatModeRoom, QString(), line);
    My_Wait(console.toolkit, console.settings.Delay);
}
