#include "ui/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;
    p.scale(unit, unit);

    // The olive table with a yellow rim.
    p.setPen(QPen(QColor(0xFF, 0xFF, 0x00), 1.5));
    p.setBrush(QColor(0x40, 0x40, 0x00));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);

    // A card, slightly turned, as if just laid down.
    p.save();
    p.translate(16, 16);
    p.rotate(-10);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-8.5, -12, 17, 24), 2.5, 2.5);
    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(QColor(0xB0, 0x00, 0x00));
    p.drawText(QRectF(-8.5, -12, 17, 24), Qt::AlignCenter, QStringLiteral("Q"));
    p.restore();
    return pixmap;
}

} // namespace

QIcon QuilloIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addPixmap(DrawIcon(size));
    return icon;
}
