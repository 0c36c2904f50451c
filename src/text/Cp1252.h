#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The chat client speaks 8-bit Windows-1252. A character it cannot carry is sent as "?".
QByteArray ToCp1252(const QString& text);
QString FromCp1252(QByteArrayView bytes);
