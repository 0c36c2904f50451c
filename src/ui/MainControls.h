#pragma once

#include "ui/MainMenus.h"

#include <array>

class MacroButton;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

// The console's named controls, as the window built them (objectName = control name).
struct MainControls
{
    QPushButton* cmdSay = nullptr;
    QFrame* fraCurrent = nullptr;
    std::array<QComboBox*, 7> cmbStart{};
    QLineEdit* txtPlayer = nullptr;
    QListWidget* lstPlayers = nullptr;
    QGroupBox* fraWager = nullptr;
    QLineEdit* txtWager = nullptr;
    QCheckBox* chkAll = nullptr;
    QRadioButton* optHigher = nullptr;
    QRadioButton* optLower = nullptr;
    QFrame* Frame1 = nullptr;
    QLineEdit* txtMacroGuide = nullptr;
    std::array<MacroButton*, 21> txtButton{}; // 1 to 20; slot 0 unused
    QPushButton* Command2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblPlayerCnt = nullptr;
    QLabel* lblLinkState = nullptr; // below the design's client area, hidden until needed
    MainMenus menus;

    // Creates the controls in their design state inside the client area, in creation order.
    void Build(QWidget* client);
};

// The client area of the console in pixels at 96 dpi (2670 x 7005 twips).
inline constexpr int ClientWidth = 178;
inline constexpr int ClientHeight = 467;
// What the client area grows by while the chat client's link state shows: two rows of text.
inline constexpr int LinkStateHeight = 34;
