#pragma once

#include "ui/MainControls.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <optional>

struct Console;
class ConsoleBinding;

// frmMain, the host's console. The window is thin: every handler is a function of the logic
// that takes the Console, and the window runs it through Run(), which shows the state the
// handler left. A handler that speaks shows its changes earlier too: the real toolkit shows the
// state before every pause, box and round of event processing.
//
// Wiring a handler of the logic is one line in HandlerWiring.cpp, e.g.
//     window.OnAction(QStringLiteral("mnuRecover"), mnuRecover_Click);
//     window.OnClick(QStringLiteral("cmdSay"), cmdSay_Click);
//     window.OnMacroClick(txtButton_Click);
//     window.OnKey(QKeySequence(Qt::Key_Escape), StopListing);
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    using Handler = std::function<void(Console&)>;
    using IndexedHandler = std::function<void(Console&, int)>;
    using Check = std::function<bool(Console&)>;

    explicit MainWindow(Console& console, QWidget* parent = nullptr);
    ~MainWindow() override;

    Console& TheConsole();
    const MainControls& Widgets() const;

    // Runs a handler of the logic on the console, then shows the state it left.
    void Run(const Handler& handler);
    // Shows the console state in the widgets.
    void ShowState();

    // A menu item's click (by objectName, pop-up items included).
    void OnAction(const QString& name, Handler handler);
    // A button's or check box's click by the host (by objectName).
    void OnClick(const QString& name, Handler handler);
    // The click of macro button i, 1 to 20.
    void OnMacroClick(IndexedHandler handler);
    // A key struck anywhere in the console, whichever of its controls has the focus; the
    // dialogs, boxes and pop-up menus keep the key for themselves.
    void OnKey(const QKeySequence& key, Handler handler);
    // The check run when the focus leaves the wager box: false keeps the focus in the box, and
    // the click that took the focus away does not happen.
    void OnWagerValidate(Check accept);

    // Shows a dialog modeless with the console hidden; the console shows again when the
    // dialog closes. The dialog is deleted when it closes.
    void OpenDialog(QWidget* dialog);

    // The design position's replacement at start-up: the frame's top-left corner in twips,
    // kept only where it shows on one of the screens.
    void MoveToTwips(QPoint twips);

    // Hidden while a dialog is open, the console comes back exactly where it stood: a window
    // shown again without a place of its own is placed anew by the window manager, and the
    // next shutdown would keep that place.
    void setVisible(bool visible) override;

Q_SIGNALS:
    // The window is closing (Exit, the close box): the program's shutdown follows.
    void unloading();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void wireOwnHandlers();
    void popUp(QMenu* menu, QEvent* event);
    bool consumeRefusedClick(QObject* clicked);

    Console& console_;
    MainControls w_;
    ConsoleBinding* binding_ = nullptr;
    Check wagerCheck_;
    QPointer<QObject> refusedClick_; // the control whose focus the wager check refused
    bool unloaded_ = false;
    QPointer<QWidget> dialog_;
    std::optional<QPoint> hiddenAt_; // where the console stood when last hidden
};
