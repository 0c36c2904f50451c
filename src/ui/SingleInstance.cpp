#include "ui/SingleInstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString& programFolder)
    : lock_(QDir(programFolder).filePath(QStringLiteral("quillo.lock")))
{
    // Only a dead owner makes the lock stale, never its age: a console runs for hours.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::TryAcquire()
{
    return lock_.isLocked() || lock_.tryLock(0);
}
