#include "console/WindowSettings.h"

#include "console/Console.h"

void ShowSpeedMarks(Console& console, std::int16_t delay)
{
    ConsoleState& c = console.controls;
    c.mnuVeryFast.Checked = delay == SpeedVeryFast;
    c.mnuFast.Checked = delay == SpeedFast;
    c.mnuMedium.Checked = delay == SpeedMedium;
    c.mnuSlow.Checked = delay == SpeedSlow;
}

void ApplySettingsToWindow(Console& console)
{
    Settings& s = console.settings;
    ConsoleState& c = console.controls;

    c.mnuOnTop.Checked = s.OnTop;
    c.mnuDealCards.Checked = s.DealCards;

    if (s.Delay < SpeedVeryFast || s.Delay > SpeedSlow)
        s.Delay = SpeedFast;
    ShowSpeedMarks(console, s.Delay);

    c.mnuMonthlyDOW.Checked = s.Points && s.DayOfWeek;
    c.mnuMonthlyAll.Checked = s.Points && !s.DayOfWeek;
    c.mnuList.Enabled = s.Points;

    c.optHigher.Checked = false;
    c.optLower.Checked = false;
    c.txtWager.Text = QString::number(s.Start);
    c.chkAll.Checked = false;
}

void mnuOnTop_Click(Console& console)
{
    Settings& s = console.settings;
    s.OnTop = !s.OnTop;
    console.controls.mnuOnTop.Checked = s.OnTop;
}
