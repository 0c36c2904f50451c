#pragma once

#include <QPoint>

class QWidget;

// Window positions are kept in twips, 1440 to the logical inch: 15 to the pixel at 96 dpi.
int PixelsToTwips(int pixels, int logicalDpi);
int TwipsToPixels(int twips, int logicalDpi);

// Where the window's frame stands, in twips, and the move back to such a place.
QPoint WindowTwips(const QWidget& window);
QPoint TwipsToWindowPixels(const QWidget& window, QPoint twips);
