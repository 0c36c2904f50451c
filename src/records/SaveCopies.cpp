#include "records/SaveCopies.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

bool IsLeftSaveCopy(const QString& fileName)
{
    // quillo.ini, or "QOP" + the date text + ".txt"; the date text has the system language's
    // month and weekday names, so any letters may stand there, but never a path separator.
    const QRegularExpression copy(
        QStringLiteral(R"(^(quillo\.ini|QOP[^/\\]+\.txt)\.[A-Za-z0-9]{6}$)"));
    return copy.match(fileName).hasMatch();
}

QStringList RemoveLeftSaveCopies(const QString& folder)
{
    QStringList removed;
    const QDir dir(folder);
    // Plain files only: a folder or a link that happens to bear such a name is not ours.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (IsLeftSaveCopy(name) && QFile::remove(dir.filePath(name)))
            removed.append(name);
    }
    return removed;
}
