#include "ui/MacroButton.h"

#include "ui/WindowFonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// Below this a number would be too small to read: it is cut rather than made smaller still.
constexpr qreal MinNumberPoints = 5.0;

} // namespace

MacroButton::MacroButton(int index, QWidget* parent) : QLineEdit(parent), index_(index)
{
    setObjectName(QStringLiteral("txtButton(%1)").arg(index));
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setMouseTracking(true);
    setFont(MacroButtonFont());
    setText(QString::number(index));
    setCursor(Qt::ArrowCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setTextMargins(0, 0, 0, 0);
}

int MacroButton::Index() const
{
    return index_;
}

QRect MacroButton::NumberRect() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
}

QFont MacroButton::NumberFont() const
{
    QFont shown = font();
    const int room = NumberRect().width();
    while (shown.pointSizeF() > MinNumberPoints &&
           QFontMetrics(shown).horizontalAdvance(text()) > room)
        shown.setPointSizeF(std::max(MinNumberPoints, shown.pointSizeF() - 0.25));
    return shown;
}

void MacroButton::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    // Locked, without focus or selection, the box shows nothing but its panel and number.
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect room = NumberRect();
    painter.setClipRect(room);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.setFont(NumberFont());
    painter.drawText(room, Qt::AlignCenter, text());
}

void MacroButton::mousePressEvent(QMouseEvent* event)
{
    event->accept(); // no caret, no selection: this box is a button
}

void MacroButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool second = afterDoubleClick_;
    afterDoubleClick_ = false;
    if (!second && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        Q_EMIT clicked(index_);
}

void MacroButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT hovered(index_);
}

void MacroButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    afterDoubleClick_ = true;
}
