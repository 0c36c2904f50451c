#pragma once

#include <QObject>

struct Console;
struct MainControls;
class QMainWindow;

// Keeps the console state and the main window's widgets in step. The logic writes the state;
// ToWidgets() shows it (with the widgets' signals blocked, so showing is never mistaken for
// an edit). What the host does in the window goes back into the state at once: card box
// text, wager text, the guess buttons, "All?" and the selected player.
class ConsoleBinding final : public QObject
{
    Q_OBJECT

public:
    ConsoleBinding(Console& console, MainControls& controls, QMainWindow& window);

    // State to widgets. The focus request (controls.Focus) is carried out and then cleared.
    void ToWidgets();

private:
    void connectEdits();
    void showControls();
    void showToolTips();
    void showLinkState();
    void showMenus();
    void showWindow();

    Console& console_;
    MainControls& w_;
    QMainWindow& window_;
    bool showing_ = false;
    bool again_ = false;
};
