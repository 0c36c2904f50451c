#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The registrations a chat text holds: "ESP from NAME" + the marker, as a line of its own.
// Only the lines after the last opening banner count for the game under way.
struct ChatRegistrations
{
    QStringList Senders; // in the order their lines stand, a sender who sent twice twice
    // Where the reading stopped (an empty line or the end): the text from there on was not
    // read. -1 when no ESP line stands after the banner at all.
    qsizetype Rest = -1;
};

// Reads the ESP lines from the first one that starts a line after the last banner, up to the
// first empty line. The text is the client's 8-bit bytes: the lines are read where they stand
// and only the senders' names are converted. Without a banner the text's own start is the
// start of a line, so an ESP there counts.
ChatRegistrations ReadRegistrations(QByteArrayView chatText, const QString& marker);

// The distinct senders of registering lines before the last banner, in the order first seen:
// players whose ESP came before the game opened. Empty when the text holds no banner.
QStringList RegistrationsBeforeBanner(QByteArrayView chatText, const QString& marker);
