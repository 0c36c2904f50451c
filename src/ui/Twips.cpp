#include "ui/Twips.h"

#include <QWidget>

#include <cmath>

int PixelsToTwips(int pixels, int logicalDpi)
{
    return static_cast<int>(std::lround(pixels * 1440.0 / logicalDpi));
}

int TwipsToPixels(int twips, int logicalDpi)
{
    return static_cast<int>(std::lround(twips * static_cast<double>(logicalDpi) / 1440.0));
}

QPoint WindowTwips(const QWidget& window)
{
    const QPoint at = window.pos();
    return {PixelsToTwips(at.x(), window.logicalDpiX()),
            PixelsToTwips(at.y(), window.logicalDpiY())};
}

QPoint TwipsToWindowPixels(const QWidget& window, QPoint twips)
{
    return {TwipsToPixels(twips.x(), window.logicalDpiX()),
            TwipsToPixels(twips.y(), window.logicalDpiY())};
}
