#pragma once

#include <QIconEngine>
#include <QMap>
#include <QPainterPath>
#include <QPixmap>

// Draws the card icon at the size asked for, once each size, on first use: the drawing loads
// a font, which start-up need not wait for.
class CardIconEngine final : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QMap<int, QPixmap> drawn_;
    QPainterPath letter_;
};
