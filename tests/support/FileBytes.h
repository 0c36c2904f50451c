#pragma once

#include <QByteArray>
#include <QString>

// A file's bytes as the tests read and plant them; "<missing>" stands for no file.
QByteArray ReadBytes(const QString& path);
// True when every byte was written.
bool WriteBytes(const QString& path, const QByteArray& bytes);
