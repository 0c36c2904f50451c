#include "ui/HandlerWiring.h"

#include "console/BusyLock.h"
#include "console/Corrections.h"
#include "console/MacroPlayback.h"
#include "console/MonthlyPoints.h"
#include "console/Recovery.h"
#include "console/Roster.h"
#include "console/RoundFlow.h"
#include "console/SpeedMenu.h"
#include "ui/MainWindow.h"
#include "ui/frmMacro.h"
#include "ui/frmSettings.h"

// The one place where a control meets its handler. A control without a line here does
// nothing when clicked.
void WireHandlers(MainWindow& window)
{
    window.onAction(QStringLiteral("mnuVeryFast"), mnuVeryFast_Click);
    window.onAction(QStringLiteral("mnuFast"), mnuFast_Click);
    window.onAction(QStringLiteral("mnuMedium"), mnuMedium_Click);
    window.onAction(QStringLiteral("mnuSlow"), mnuSlow_Click);
    window.onAction(QStringLiteral("mnuSettings"),
                    [&window](Console& c) { window.openDialog(new frmSettings(c, &window)); });
    window.onAction(QStringLiteral("mnuEditMacros"),
                    [&window](Console& c) { window.openDialog(new frmMacro(c, &window)); });

    window.onClick(QStringLiteral("cmdSay"), cmdSay_Click);
    window.onMacroClick(txtButton_Click);
    window.onKey(QKeySequence(Qt::Key_Escape), StopListing);
    window.onAction(QStringLiteral("mnuPDelete"), mnuPDelete_Click);
    window.onAction(QStringLiteral("mnuPSayScore"), mnuPSayScore_Click);
    window.onAction(QStringLiteral("mnuFix"), mnuFix_Click);
    window.onAction(QStringLiteral("mnuFixCard"), mnuFixCard_Click);
    window.onClick(QStringLiteral("chkAll"), chkAll_Click);
    window.onWagerValidate(txtWager_Validate);

    window.onAction(QStringLiteral("mnuMonthlyAll"), mnuMonthlyAll_Click);
    window.onAction(QStringLiteral("mnuMonthlyDOW"), mnuMonthlyDOW_Click);
    window.onAction(QStringLiteral("mnuMSave"), mnuMSave_Click);
    window.onAction(QStringLiteral("mnuMThis"), mnuMThis_Click);
    window.onAction(QStringLiteral("mnuMOther"), mnuMOther_Click);
    window.onAction(QStringLiteral("mnuRecover"), RecoverGame);
}
