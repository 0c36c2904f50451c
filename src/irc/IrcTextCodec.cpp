#include "irc/IrcTextCodec.h"

#include "text/ControlCharacters.h"
#include "text/Cp1252.h"

#include <QUtf8StringView>

namespace {

// mIRC's formatting: bold, colour, hex colour, reset, reverse, italics, strike, monospace,
// underline.
bool isFormatting(char16_t c)
{
    return c == 0x02 || c == 0x03 || c == 0x04 || c == 0x0F || c == 0x16 || c == 0x1D ||
           c == 0x1E || c == 0x11 || c == 0x1F;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// How many characters from at make up a colour code's numbers ("4", "04,12" and so on).
qsizetype colourLength(const QString& text, qsizetype at, bool hex)
{
    const auto digit = [hex](QChar c) { return hex ? isHexDigit(c) : isDigit(c); };
    const qsizetype most = hex ? 6 : 2;
    qsizetype n = 0;
    while (n < most && at + n < text.size() && digit(text[at + n]))
        ++n;
    if (n > 0 && at + n + 1 < text.size() && text[at + n] == u',' && digit(text[at + n + 1])) {
        qsizetype m = 1;
        while (m <= most && at + n + m < text.size() && digit(text[at + n + m]))
            ++m;
        n += m;
    }
    return n;
}

} // namespace

QString IrcTextCodec::Decode(const QByteArray& ircText)
{
    if (QUtf8StringView(ircText).isValidUtf8())
        return QString::fromUtf8(ircText);
    return QString::fromLatin1(ircText);
}

QByteArray IrcTextCodec::ToConsole(const QByteArray& ircText)
{
    const QString text = Decode(ircText);
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (isFormatting(c)) {
            if (c == 0x03 || c == 0x04)
                i += colourLength(text, i + 1, c == 0x04);
            continue;
        }
        shown.append(IsControlCharacter(text[i]) ? QChar(u' ') : text[i]);
    }
    return ToCp1252(shown);
}

QByteArray IrcTextCodec::ToIrc(const QByteArray& consoleText)
{
    QString text = FromCp1252(consoleText);
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u == u'\r' || u == u'\n' || u == 0)
            c = u' ';
        else if (u >= 0x80 && u <= 0x9F)
            c = u'?'; // a byte the code page gives no character: nothing a player could read
    }
    return text.toUtf8();
}
