#include "ui/HandlerWiring.h"

#include "chat/SpeedMenu.h"
#include "ui/MainWindow.h"
#include "ui/frmMacro.h"
#include "ui/frmSettings.h"

// The one place where a control meets its handler. A control without a line here does
// nothing when clicked. Still to be connected, as their handlers arrive:
//     cmdSay (round flow), txtButton(1..20) (macro playback, onMacroClick),
//     mnuPDelete, mnuPSayScore (roster), mnuFix, mnuFixCard, chkAll, the wager check
//     (corrections, onWagerValidate), mnuMonthlyAll, mnuMonthlyDOW, mnuMSave, mnuMThis,
//     mnuMOther (monthly points), mnuRecover (recovery).
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
}
