#include "ui/WindowFonts.h"

namespace {

// Qt's font matching falls back to the style hint when the family is not installed.
QFont FaceOrSans(const QString& family, qreal pointSize, bool bold)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont ConsoleFont(qreal pointSize)
{
    return FaceOrSans(QStringLiteral("WorldsAway"), pointSize, true);
}

QFont MacroButtonFont()
{
    return FaceOrSans(QStringLiteral("Arial"), 8.25, false);
}
