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
    SetSpeed(console, SpeedVeryFast);
}

void mnuFast_Click(Console& console)
{
    SetSpeed(console, SpeedFast);
}

void mnuMedium_Click(Console& console)
{
    SetSpeed(console, SpeedMedium);
}

void mnuSlow_Click(Console& console)
{
    SetSpeed(console, SpeedSlow);
}
