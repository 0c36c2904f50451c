#include "services/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString Clean(const QString& folder)
{
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}

} // namespace

QString ChooseProgramFolder(const ProgramFolderPlaces& places)
{
    if (!places.Home.isEmpty())
        return Clean(places.Home);
    // Even root may write in /usr/bin, so an installed program never keeps its files there.
    if (!places.Installed && QFileInfo(places.ExecutableDir).isWritable())
        return Clean(places.ExecutableDir);
    // Without a home there is no user's folder: the console then says it cannot write.
    if (places.UserFolder.isEmpty())
        return Clean(places.ExecutableDir);
    QDir().mkpath(places.UserFolder);
    return Clean(places.UserFolder);
}

QString ProgramFolder(const QString& executableDir)
{
    // An installed program has its desktop entry in the data folder beside its own folder; a
    // build or a copy carried on a stick has none.
    const bool installed = QFileInfo::exists(QDir(executableDir).filePath(QUILLO_INSTALLED_MARK));
    return ChooseProgramFolder({qEnvironmentVariable("QUILLO_HOME"), executableDir, installed,
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});
}
