#pragma once

class QWidget;

// Places a window in the middle of the screen it is on (or of the primary screen).
void CentreOnScreen(QWidget& window);
