#pragma once

class QKeyEvent;

// The key of the main keyboard that was struck, as a Qt key code, whatever character the
// keyboard layout made of it: Shift+4 reports "$" on most layouts, and this gives Qt::Key_4
// back. Keys it cannot place are returned as the event reported them.
int StruckKey(const QKeyEvent& event);
