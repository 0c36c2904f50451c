#include "records/DiskWrites.h"

#include <QFileDevice>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

bool WriteAll(QFileDevice& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

int SyncToDisk(QFileDevice& file)
{
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0 ? 0 : errno;
#else
    return ::fsync(file.handle()) == 0 ? 0 : errno;
#endif
}
