#include "console/Console.h"
#include "console/MonthlyPoints.h"
#include "records/RecordPaths.h"
#include "services/Clock.h"

namespace {

// The mode chosen: the feature on, its check mark, File > Monthly Points and the file of today.
void chooseMode(Console& console, bool dayOfWeek)
{
    Settings& s = console.settings;
    ConsoleState& c = console.controls;
    s.Points = true;
    s.DayOfWeek = dayOfWeek;
    c.mnuMonthlyAll.Checked = !dayOfWeek;
    c.mnuMonthlyDOW.Checked = dayOfWeek;
    c.mnuList.Enabled = true;
    s.MonthlyFile = MonthlyFilePath(console.programFolder, console.clock.Now().date(), dayOfWeek);
}

// The feature off; the month's file name stays as it was.
void switchOff(Console& console)
{
    console.settings.Points = false;
    console.controls.mnuMonthlyAll.Checked = false;
    console.controls.mnuMonthlyDOW.Checked = false;
    console.controls.mnuList.Enabled = false;
}

} // namespace

void mnuMonthlyAll_Click(Console& console)
{
    if (console.settings.Points && !console.settings.DayOfWeek)
        switchOff(console);
    else
        chooseMode(console, false);
}

void mnuMonthlyDOW_Click(Console& console)
{
    if (console.settings.Points && console.settings.DayOfWeek) {
        console.settings.DayOfWeek = false;
        switchOff(console);
    } else {
        chooseMode(console, true);
    }
}
