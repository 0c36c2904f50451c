#include "ui/HandlerWiring.h"

#include "console/BusyLock.h"
#include "console/Corrections.h"
#include "console/Dealing.h"
#include "console/MacroPlayback.h"
#include "console/MonthlyPoints.h"
#include "console/Recovery.h"
#include "console/Roster.h"
#include "console/RoundFlow.h"
#include "console/SpeedMenu.h"
#include "ui/MacroWindow.h"
#include "ui/MainWindow.h"
#include "ui/SettingsWindow.h"

// The one place where a control meets its handler. A control without a line here does
// nothing when clicked.
void WireHandlers(MainWindow& window)
{
    window.OnAction(QStringLiteral("mnuVeryFast"), mnuVeryFast_Click);
    window.OnAction(QStringLiteral("mnuFast"), mnuFast_Click);
    window.OnAction(QStringLiteral("mnuMedium"), mnuMedium_Click);
    window.OnAction(QStringLiteral("mnuSlow"), mnuSlow_Click);
    window.OnAction(QStringLiteral("mnuSettings"),
                    [&window](Console& c) { window.OpenDialog(new SettingsWindow(c, &window)); });
    window.OnAction(QStringLiteral("mnuEditMacros"),
                    [&window](Console& c) { window.OpenDialog(new MacroWindow(c, &window)); });

    window.OnClick(QStringLiteral("cmdSay"), cmdSay_Click);
    window.OnMacroClick(txtButton_Click);
    window.OnKey(QKeySequence(Qt::Key_Escape), StopListing);
    window.OnAction(QStringLiteral("mnuPDelete"), mnuPDelete_Click);
    window.OnAction(QStringLiteral("mnuPSayScore"), mnuPSayScore_Click);
    window.OnAction(QStringLiteral("mnuFix"), mnuFix_Click);
    window.OnAction(QStringLiteral("mnuFixCard"), mnuFixCard_Click);
    window.OnClick(QStringLiteral("chkAll"), chkAll_Click);
    window.OnWagerValidate(txtWager_Validate);

    window.OnAction(QStringLiteral("mnuMonthlyAll"), mnuMonthlyAll_Click);
    window.OnAction(QStringLiteral("mnuMonthlyDOW"), mnuMonthlyDOW_Click);
    window.OnAction(QStringLiteral("mnuMSave"), mnuMSave_Click);
    window.OnAction(QStringLiteral("mnuMThis"), mnuMThis_Click);
    window.OnAction(QStringLiteral("mnuMOther"), mnuMOther_Click);
    window.OnAction(QStringLiteral("mnuRecover"), RecoverGame);
    window.OnAction(QStringLiteral("mnuDealCards"), mnuDealCards_Click);
}
