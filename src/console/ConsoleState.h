#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The properties of the main window's named controls that the handlers read and write.
// The windows bind their widgets to this state both ways; the logic never sees a widget.
struct ButtonState
{
    QString Caption;
    bool Enabled = true;
};

struct TextBoxState
{
    QString Text;
    bool Enabled = true;
};

struct CheckState
{
    bool Checked = false;
    bool Enabled = true;
};

struct ListBoxState
{
    QStringList Rows;
    int SelectedRow = -1; // -1: nothing selected
};

struct LabelState
{
    QString Caption;
    bool Visible = true;
};

struct MenuState
{
    bool Enabled = true;
    bool Checked = false;
};

// The tips shown while the pointer rests on a control: what the window cannot show on it.
struct ToolTipState
{
    std::array<QString, 21> txtButton{}; // each macro button's macro name; slot 0 unused
    std::array<QString, 7> cmbStart{};   // which card each card box holds
    QString lstPlayers;                  // what a row of the player list says
};

struct ConsoleState
{
    QString Caption = QStringLiteral("Quillo"); // frmMain's caption
    QString Focus;                              // objectName of the control to hold the focus
    bool Visible = true;                        // frmMain is hidden while a dialog is open

    ButtonState cmdSay{QStringLiteral("Start"), true};
    std::array<TextBoxState, 7> cmbStart{}; // card boxes 0 to 6: typed or picked text
    TextBoxState txtPlayer;
    TextBoxState txtWager{QStringLiteral("Text1"), true};
    CheckState chkAll;
    CheckState optHigher;
    CheckState optLower;
    ListBoxState lstPlayers;
    LabelState lblPlayerCnt{QStringLiteral("0")};
    LabelState lblLinkState{QString(), false}; // the chat client's link, once it reports one
    TextBoxState txtMacroGuide;
    std::array<TextBoxState, 21> txtButton{}; // macro buttons 1 to 20; slot 0 unused

    MenuState mnuFile;
    MenuState mnuList;
    MenuState mnuRecover;
    MenuState mnuOptions;
    MenuState mnuVeryFast{true, true};
    MenuState mnuFast{true, true};
    MenuState mnuMedium{true, true};
    MenuState mnuSlow{true, true};
    MenuState mnuMonthlyDOW{true, true};
    MenuState mnuMonthlyAll{true, true};
    MenuState mnuOnTop{true, true};
    MenuState mnuDealCards;
    MenuState mnuAbout;

    ToolTipState ToolTips;

    ConsoleState();
};
