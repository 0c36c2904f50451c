#pragma once

#include <QIcon>

// The program's icon, shared by every window: a playing card with a "Q" on the console's
// olive, drawn here so no image file has to travel with the program.
QIcon QuilloIcon();
