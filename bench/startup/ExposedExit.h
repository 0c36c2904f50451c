#pragma once

#include <QList>

class QWidget;

// Ends the program, printing its peak memory (kilobytes) on standard output, once every one of
// the windows is exposed on the screen.
void ExitWhenExposed(QList<QWidget*> windows);
