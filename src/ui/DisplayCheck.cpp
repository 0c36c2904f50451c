#include "ui/DisplayCheck.h"

#include <QFileInfo>
#include <QtGlobal>

QString MissingDisplayAdvice(const QString& program)
{
#if defined(Q_OS_LINUX)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    const QString name = QFileInfo(program).fileName();
    // A path as typed here means nothing in another login's folder; a bare name is on PATH.
    const QString command =
        program.contains(u'/') ? QFileInfo(program).absoluteFilePath() : program;
    // A virtual display nobody looks at would only hide the window: point to a real desktop.
    return name +
           QStringLiteral(": this program shows its window on a desktop, and this "
                          "session has none\n(DISPLAY and WAYLAND_DISPLAY are empty).\n"
                          "Start it on the desktop: from its menu entry or a terminal "
                          "there. From another\nmachine, open this machine's desktop in "
                          "a remote viewer (VNC, RDP) and start it\nthere, or log in "
                          "with \"ssh -X\" so the window shows on your own desktop:\n"
                          "    ssh -X USER@HOST ") +
           command + QStringLiteral("\n");
#else
    Q_UNUSED(program);
    return {};
#endif
}
