#include "services/ProgramFolder.h"

#include <QDir>

QString ProgramFolder(const QString& executableDir)
{
    const QString home = qEnvironmentVariable("QUILLO_HOME");
    const QString folder = home.isEmpty() ? executableDir : home;
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}
