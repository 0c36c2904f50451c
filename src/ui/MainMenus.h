#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The console's menu bar and its three pop-up menus. Every menu and item carries its control
// name as objectName (a QMenu and its menu action share the name). Building them wires
// nothing: the window connects the items.
struct MainMenus
{
    QMenu* mnuFile = nullptr;
    QMenu* mnuList = nullptr;
    QAction* mnuMSave = nullptr;
    QAction* mnuMThis = nullptr;
    QAction* mnuMOther = nullptr;
    QAction* mnuRecover = nullptr;
    QAction* mnuExit = nullptr;

    QMenu* mnuOptions = nullptr;
    QMenu* mnuSpeed = nullptr;
    QAction* mnuVeryFast = nullptr;
    QAction* mnuFast = nullptr;
    QAction* mnuMedium = nullptr;
    QAction* mnuSlow = nullptr;
    QMenu* mnuMonthly = nullptr;
    QAction* mnuMonthlyDOW = nullptr;
    QAction* mnuMonthlyAll = nullptr;
    QAction* mnuOnTop = nullptr;
    QAction* mnuDealCards = nullptr;
    QAction* mnuSettings = nullptr;
    QAction* mnuEditMacros = nullptr;

    QAction* mnuAbout = nullptr;

    QMenu* mnuPlayer = nullptr; // pop-up only
    QAction* mnuPDelete = nullptr;
    QAction* mnuPSayScore = nullptr;
    QMenu* mnuWager = nullptr; // pop-up only
    QAction* mnuFix = nullptr;
    QMenu* mnuCard = nullptr; // pop-up only
    QAction* mnuFixCard = nullptr;

    // Fills the bar and makes the pop-ups children of the window.
    void Build(QMenuBar* bar, QWidget* window);
};
