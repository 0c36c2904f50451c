#include "ui/MenuShortcutFirst.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

MenuShortcutFirst::MenuShortcutFirst(QWidget& window, QAction& item)
    : QObject(&window), item_(&item)
{
    // A combo box takes the key for the line edit inside it, so every widget is watched, not
    // only the text boxes.
    const QList<QWidget*> inside = window.findChildren<QWidget*>();
    for (QWidget* widget : inside)
        widget->installEventFilter(this);
}

bool MenuShortcutFirst::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !item_ || !item_->isEnabled() ||
        item_->shortcut().isEmpty())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->keyCombination() != item_->shortcut()[0])
        return QObject::eventFilter(watched, event);
    // Left unaccepted, the key goes to the window's shortcuts instead of the box.
    event->ignore();
    return true;
}
