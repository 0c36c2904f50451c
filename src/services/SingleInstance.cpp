#include "services/SingleInstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString& programFolder)
    : lock_(QDir(programFolder).filePath(QStringLiteral("quillo.lock")))
{
    // Only a dead owner makes the lock stale, never its age: a console runs for hours.
    lock_.setStaleLockTime(0);
}

SingleInstance::Claim SingleInstance::TryAcquire()
{
    if (lock_.isLocked() || lock_.tryLock(0))
        return Claim::Held;
    // Only a lock that a live console holds means another console; a folder where no lock
    // can be written must not keep the host from playing.
    return lock_.error() == QLockFile::LockFailedError ? Claim::HeldByAnother : Claim::Unavailable;
}
