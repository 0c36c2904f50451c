#pragma once

#include <QByteArray>

class QFileDevice;

// Writes every byte, going on after a short write: a short write (a disk that fills up) would
// otherwise pass unnoticed and leave a cut-off file, even through QSaveFile. The file is meant
// to be open unbuffered, so a late failure shows here. False on failure, with the file's error.
bool WriteAll(QFileDevice& file, const QByteArray& bytes);

// Has the file's written bytes past the system's buffers onto the disk. 0 on success, else the
// system's error number. The sync covers the file, whichever descriptor wrote to it.
int SyncToDisk(QFileDevice& file);
