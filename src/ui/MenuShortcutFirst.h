#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

// Text boxes claim Ctrl+X for Cut before the menu bar sees it, so "E&xit" would only cut
// whenever a box has the focus. This gives the menu item's own key back to the item wherever
// the focus is in the window, while the item can be chosen. Cutting stays on the boxes'
// context menu and on Shift+Delete.
class MenuShortcutFirst final : public QObject
{
    Q_OBJECT

public:
    // Watches every widget inside the window as it stands now; the window owns this.
    MenuShortcutFirst(QWidget& window, QAction& item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QAction> item_;
};
