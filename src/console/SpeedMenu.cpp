#include "console/SpeedMenu.h"

#include "console/Console.h"
#include "console/SettingsFile.h"
#include "console/WindowSettings.h"

void SetSpeed(Console& console, std::int16_t delay)
{
    console.settings.Delay = delay;
    ShowSpeedMarks(console, delay);
    SaveSettings(console);
}

void mnuVeryFast_Click(Console& console)
{
    SetSpeed(console, 0);
}

void mnuFast_Click(Console& console)
{
    SetSpeed(console, 1);
}

void mnuMedium_Click(Console& console)
{
    SetSpeed(console, 2);
}

void mnuSlow_Click(Console& console)
{
    SetSpeed(console, 3);
}
