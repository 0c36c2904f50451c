#include "chat/ChatRegistrations.h"

#include "text/FixedLines.h"

#include <QSet>
#include <QStringView>

#include <algorithm>
#include <optional>

namespace {

const QString EspFrom = QStringLiteral("ESP from");
const QString LineBreak = QStringLiteral("\r\n");

// Where the last banner stands; a banner in the very first position does not count.
qsizetype lastBanner(const QString& text)
{
    const qsizetype banner = text.lastIndexOf(OpeningBanner());
    return banner >= 1 ? banner : -1;
}

// Where the registrations of this game begin: just past the first character of the last
// banner, or past the first character of the text when there is no banner.
qsizetype gameStart(const QString& text)
{
    const qsizetype banner = lastBanner(text);
    return banner >= 0 ? banner + 1 : std::min<qsizetype>(1, text.size());
}

// The sender of a registering ESP line, or nothing when the line does not register.
std::optional<QStringView> registeringSender(QStringView line, QStringView marker)
{
    if (!line.startsWith(EspFrom))
        return std::nullopt;
    const QStringView rest = line.size() > 9 ? line.sliced(9) : QStringView();
    const qsizetype at = rest.indexOf(marker);
    if (at < 0 || at + marker.size() != rest.size())
        return std::nullopt; // no marker, or more after the first one
    return rest.first(at);
}

} // namespace

ChatRegistrations ReadRegistrations(const QString& chatText, const QString& marker)
{
    ChatRegistrations found;
    // The client shows an ESP at the start of a line. An "ESP from" inside a spoken line is
    // someone's text: taken as the start, it would register whatever name that avatar typed.
    qsizetype from = chatText.indexOf(EspFrom, gameStart(chatText));
    while (from >= 0 && !QStringView(chatText).first(from).endsWith(LineBreak))
        from = chatText.indexOf(EspFrom, from + 1);
    if (from < 0)
        return found;

    const QStringView text(chatText);
    qsizetype pos = from;
    for (;;) {
        const qsizetype end = text.indexOf(LineBreak, pos);
        const QStringView line = text.sliced(pos, (end < 0 ? text.size() : end) - pos);
        pos = end < 0 ? text.size() : end + LineBreak.size();
        if (line.isEmpty())
            break; // an empty line, or the end of the text, ends the scan
        if (const auto sender = registeringSender(line, marker))
            found.Senders.append(sender->toString());
        if (end < 0)
            break;
    }
    found.Rest = pos;
    return found;
}

QStringList RegistrationsBeforeBanner(const QString& chatText, const QString& marker)
{
    const qsizetype banner = lastBanner(chatText);
    if (banner < 0)
        return {};
    QStringList early;
    QSet<QStringView> seen;
    for (const QStringView line : QStringView(chatText).first(banner).split(LineBreak)) {
        const auto sender = registeringSender(line, marker);
        if (sender && !seen.contains(*sender)) {
            seen.insert(*sender);
            early.append(sender->toString());
        }
    }
    return early;
}
