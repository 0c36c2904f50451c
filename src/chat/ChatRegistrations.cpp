#include "chat/ChatRegistrations.h"

#include "chat/ChatText.h"
#include "text/Cp1252.h"
#include "text/FixedLines.h"

#include <QSet>

#include <optional>

namespace {

constexpr QByteArrayView EspFrom("ESP from");
constexpr QByteArrayView LineBreak("\r\n");

// Where the last banner stands; a banner in the very first position does not count.
qsizetype lastBanner(QByteArrayView text)
{
    const qsizetype banner = text.lastIndexOf(ToCp1252(OpeningBanner()));
    return banner >= 1 ? banner : -1;
}

// Where the registrations of this game begin: just past the first character of the last
// banner, or the start of the text when there is none.
qsizetype gameStart(QByteArrayView text)
{
    const qsizetype banner = lastBanner(text);
    return banner >= 0 ? banner + 1 : 0;
}

// The client shows an ESP at the start of a line; the text's own start is one.
bool startsLine(QByteArrayView text, qsizetype at)
{
    return at == 0 || text.first(at).endsWith(LineBreak);
}

// The sender of a registering ESP line, or nothing when the line does not register.
std::optional<QByteArrayView> registeringSender(QByteArrayView line, QByteArrayView marker)
{
    if (!line.startsWith(EspFrom))
        return std::nullopt;
    const QByteArrayView rest = line.size() > 9 ? line.sliced(9) : QByteArrayView();
    const qsizetype at = rest.indexOf(marker);
    if (at < 0 || at + marker.size() != rest.size())
        return std::nullopt; // no marker, or more after the first one
    return rest.first(at);
}

} // namespace

ChatRegistrations ReadRegistrations(QByteArrayView text, const QString& marker)
{
    ChatRegistrations found;
    // A marker the code page cannot carry never ends a line of the chat: nobody registers,
    // but the ESP lines are read as ever.
    const QByteArray markerBytes = ChatBytes(marker).value_or(QByteArray());
    // The client shows an ESP at the start of a line. An "ESP from" inside a spoken line is
    // someone's text: taken as the start, it would register whatever name that avatar typed.
    qsizetype from = text.indexOf(EspFrom, gameStart(text));
    while (from >= 0 && !startsLine(text, from))
        from = text.indexOf(EspFrom, from + 1);
    if (from < 0)
        return found;

    qsizetype pos = from;
    for (;;) {
        const qsizetype end = text.indexOf(LineBreak, pos);
        const QByteArrayView line = text.sliced(pos, (end < 0 ? text.size() : end) - pos);
        pos = end < 0 ? text.size() : end + LineBreak.size();
        if (line.isEmpty())
            break; // an empty line, or the end of the text, ends the scan
        if (!markerBytes.isEmpty()) {
            if (const auto sender = registeringSender(line, markerBytes))
                found.Senders.append(FromCp1252(*sender));
        }
        if (end < 0)
            break;
    }
    found.Rest = pos;
    return found;
}

QStringList RegistrationsBeforeBanner(QByteArrayView text, const QString& marker)
{
    const qsizetype banner = lastBanner(text);
    const auto markerBytes = ChatBytes(marker);
    if (banner < 0 || !markerBytes || markerBytes->isEmpty())
        return {};
    QStringList early;
    QSet<QByteArrayView> seen;
    const QByteArrayView before = text.first(banner);
    for (qsizetype pos = 0; pos <= before.size();) {
        qsizetype end = before.indexOf(LineBreak, pos);
        if (end < 0)
            end = before.size();
        const auto sender = registeringSender(before.sliced(pos, end - pos), *markerBytes);
        if (sender && !seen.contains(*sender)) {
            seen.insert(*sender);
            early.append(FromCp1252(*sender));
        }
        pos = end + LineBreak.size();
    }
    return early;
}
