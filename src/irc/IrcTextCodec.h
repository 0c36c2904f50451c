#pragma once

#include <QByteArray>
#include <QString>

// Texts between IRC (UTF-8, though old clients still send Latin-1) and the console (8-bit
// Windows-1252).
class IrcTextCodec
{
public:
    // Valid UTF-8 as such, anything else read byte for byte as Latin-1.
    static QString Decode(const QByteArray& ircText);
    // A text from IRC as the console's chat text shows it: colour and bold codes taken out,
    // other control characters as blanks, what Windows-1252 cannot carry as "?".
    static QByteArray ToConsole(const QByteArray& ircText);
    // A text from the console as UTF-8 for IRC; CR, LF and NUL become blanks, so a text can
    // never end the IRC line it is sent in; a byte that stands for no character becomes "?".
    static QByteArray ToIrc(const QByteArray& consoleText);
};
