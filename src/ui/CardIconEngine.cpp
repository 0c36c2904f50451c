#include "ui/CardIconEngine.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

// The sizes a desktop's icon theme uses; a window system asks for these.
constexpr int Sizes[] = {16, 24, 32, 48, 64};

// The "Q" as an outline, taken from the font once: every size then fills the same outline, and
// only one size of the font is ever loaded.
QPainterPath Letter()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(15);
    QPainterPath letter;
    letter.addText(0, 0, font, QStringLiteral("Q"));
    // Centred on the card as the text would be: across by its advance, up and down by the
    // font's ascent and descent.
    const QFontMetricsF metrics(font);
    letter.translate(-metrics.horizontalAdvance(u'Q') / 2,
                     (metrics.ascent() - metrics.descent()) / 2);
    return letter;
}

QPixmap DrawIcon(int size, const QPainterPath& letter)
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
    p.fillPath(letter, QColor(0xB0, 0x00, 0x00));
    p.restore();
    return pixmap;
}

} // namespace

void CardIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state)
{
    const int side = std::min(rect.width(), rect.height());
    painter->drawPixmap(rect.topLeft(), pixmap(QSize(side, side), mode, state));
}

QPixmap CardIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = std::max(1, std::min(size.width(), size.height()));
    auto found = drawn_.find(side);
    if (found == drawn_.end()) {
        if (letter_.isEmpty())
            letter_ = Letter();
        found = drawn_.insert(side, DrawIcon(side, letter_));
    }
    return found.value();
}

QSize CardIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = std::min(size.width(), size.height());
    return {side, side};
}

QList<QSize> CardIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const int side : Sizes)
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine* CardIconEngine::clone() const
{
    return new CardIconEngine(*this);
}

QString CardIconEngine::key() const
{
    return QStringLiteral("CardIconEngine");
}
