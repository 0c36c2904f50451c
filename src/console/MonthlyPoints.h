#pragma once

#include <QString>

struct Console;

// The filter of the "List Other Month" file dialog: the points files first, then all files.
QString MonthlyPointsFilter();

// Options > Monthly Points. Choosing the checked mode switches the feature off; choosing the
// other one switches modes and names this month's file from today's date.
void mnuMonthlyAll_Click(Console& console);
void mnuMonthlyDOW_Click(Console& console);

// Adds every roster player's score to the month's file named by MonthlyFile. False, after the
// "Points File Error" box, when the file could not be read or written or a total would not fit;
// the file then keeps its old totals.
bool SaveTodaysPoints(Console& console);

// Says the totals of the file at path in the chat, the leader last. A file that cannot be read
// (a missing one included) is reported in a box and nothing is said.
void ListMonthlyPoints(Console& console, const QString& path);

// File > Monthly Points, each under the busy lock.
void mnuMSave_Click(Console& console);
void mnuMThis_Click(Console& console);
void mnuMOther_Click(Console& console);
