#include "ScratchDisk.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace {

const QString FillerName = QStringLiteral("filler.bin");

QByteArray mountOptions(std::uint64_t bytes)
{
    return "size=" + QByteArray::number(static_cast<qulonglong>(bytes)) + ",mode=0777";
}

} // namespace

ScratchDisk::ScratchDisk(std::uint64_t bytes) : bytes_(bytes)
{
#ifdef Q_OS_LINUX
    if (!folder_.isValid())
        return;
    const QByteArray where = QFile::encodeName(folder_.path());
    mounted_ =
        ::mount("tmpfs", where.constData(), "tmpfs", 0, mountOptions(bytes).constData()) == 0;
#endif
}

ScratchDisk::~ScratchDisk()
{
#ifdef Q_OS_LINUX
    if (mounted_)
        ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
#endif
}

bool ScratchDisk::Mounted() const
{
    return mounted_;
}

QString ScratchDisk::Path() const
{
    return folder_.path();
}

QString ScratchDisk::Path(const QString& fileName) const
{
    return QDir(folder_.path()).filePath(fileName);
}

bool ScratchDisk::SetReadOnly(bool readOnly)
{
#ifdef Q_OS_LINUX
    if (!mounted_)
        return false;
    unsigned long flags = MS_REMOUNT;
    if (readOnly)
        flags |= MS_RDONLY;
    return ::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", flags,
                   mountOptions(bytes_).constData()) == 0;
#else
    Q_UNUSED(readOnly);
    return false;
#endif
}

void ScratchDisk::Fill()
{
    QFile filler(Path(FillerName));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    // Big pieces first, then single bytes into what is left of the last block.
    for (const qsizetype piece : {qsizetype(64 * 1024), qsizetype(4096), qsizetype(1)}) {
        const QByteArray bytes(piece, 'x');
        while (filler.write(bytes) == piece) {
        }
    }
}

void ScratchDisk::Empty()
{
    QFile::remove(Path(FillerName));
}
