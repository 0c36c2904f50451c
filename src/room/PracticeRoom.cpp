#include "room/PracticeRoom.h"

#include "text/Cp1252.h"
#include "text/Gestures.h"

#include <QTimer>

#include <algorithm>

#include <utility>

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

// Appends with room to spare. Past its capacity Qt's append copies the whole text into a block
// just big enough; reserving half as much again first keeps most appends in place.
void appendInPlace(QByteArray& text, const QByteArray& more)
{
    if (text.size() + more.size() > text.capacity())
        text.reserve(std::max(text.size() + more.size(), text.size() + text.size() / 2));
    text += more;
}

} // namespace

PracticeRoom::PracticeRoom(QString hostAvatar) : hostAvatar_(std::move(hostAvatar)) {}

std::int16_t PracticeRoom::InitDDE(const QByteArray& plugin, ChatCallbacks callbacks)
{
    calls_.append({QStringLiteral("InitDDE"), plugin, 0, {}, {}, {}});
    if (initResult_ != 0)
        return initResult_;
    callbacks_ = std::move(callbacks);
    open_ = true;
    return 0;
}

void PracticeRoom::DapiRegister(const QByteArray& plugin)
{
    calls_.append({QStringLiteral("DapiRegister"), plugin, 0, {}, {}, {}});
    if (open_)
        registered_.insert(plugin);
}

void PracticeRoom::DapiCommunicate(const QByteArray& plugin, std::int16_t mode,
                                   const QByteArray& target, const QByteArray& text)
{
    const QByteArray status = nextStatus(plugin);
    calls_.append({QStringLiteral("DapiCommunicate"), plugin, mode, target, text, status});
    if (status == "0") {
        if (mode == ChatModeEsp)
            append("ESP to " + target + ": " + text + LineEnd);
        else
            append(ToCp1252(hostAvatar_) + ": " + text + LineEnd);
    }
    report(status);
}

void PracticeRoom::DapiGetAllText(const QByteArray& plugin)
{
    const QByteArray status = nextStatus(plugin);
    calls_.append({QStringLiteral("DapiGetAllText"), plugin, 0, {}, {}, status});
    report(status);
    if (status != "0" || !deliverText_ || !callbacks_.OnText)
        return;
    // The text comes back through the event loop, as a real client's does.
    const QByteArray text = replaceText_ ? replacement_ : ChatText(); // shared, not copied
    QTimer::singleShot(textDelayMs_, &context_, [this, text] {
        if (open_ && callbacks_.OnText)
            callbacks_.OnText(text);
    });
}

void PracticeRoom::DapiUnregister(const QByteArray& plugin)
{
    calls_.append({QStringLiteral("DapiUnregister"), plugin, 0, {}, {}, {}});
    registered_.remove(plugin);
}

void PracticeRoom::KillDDE()
{
    calls_.append({QStringLiteral("KillDDE"), {}, 0, {}, {}, {}});
    open_ = false;
    callbacks_ = {};
}

void PracticeRoom::Say(const QString& avatar, const QString& text)
{
    const QByteArray line = ToCp1252(avatar) + ": " + ToCp1252(text) + LineEnd;
    // Only the chat text shows it: a notice would read as a report of the room's link (value 0
    // is "in the channel"), and the room has no link of its own to report.
    append(line);
}

void PracticeRoom::Esp(const QString& sender, const QString& text)
{
    const QString tag = GestureTag(text);
    const QString shown = tag.isEmpty() ? QStringLiteral(": ") + text : QStringLiteral(": ") + tag;
    const QByteArray line = "ESP from " + ToCp1252(sender) + ToCp1252(shown) + LineEnd;
    append(line);
}

void PracticeRoom::AppendRaw(const QByteArray& bytes)
{
    append(bytes);
}

void PracticeRoom::ClearChat()
{
    chat_.clear();
    tail_.clear();
}

QString PracticeRoom::HostAvatar() const
{
    return hostAvatar_;
}

void PracticeRoom::SetHostAvatar(const QString& avatar)
{
    hostAvatar_ = avatar;
}

QByteArray PracticeRoom::ChatText() const
{
    if (!tail_.isEmpty()) {
        appendInPlace(chat_, tail_); // a text the console still holds is copied here, once
        tail_.clear();
    }
    return chat_;
}

void PracticeRoom::ScriptStatuses(const QList<QByteArray>& statuses)
{
    scripted_ += statuses;
}

void PracticeRoom::SetInitResult(std::int16_t result)
{
    initResult_ = result;
}

void PracticeRoom::SetTextDelayMs(int ms)
{
    textDelayMs_ = ms;
}

void PracticeRoom::SetDeliverText(bool deliver)
{
    deliverText_ = deliver;
}

void PracticeRoom::SetDeliveredText(const QByteArray& bytes)
{
    replaceText_ = true;
    replacement_ = bytes;
}

const QList<PracticeRoom::Call>& PracticeRoom::Calls() const
{
    return calls_;
}

int PracticeRoom::CountCalls(const QString& function) const
{
    int count = 0;
    for (const Call& call : calls_)
        count += call.Function == function ? 1 : 0;
    return count;
}

QStringList PracticeRoom::SaidLines() const
{
    QStringList lines;
    for (const Call& call : calls_) {
        if (call.Function == u"DapiCommunicate" && call.Mode == ChatModeRoom && call.Status == "0")
            lines.append(FromCp1252(call.Text));
    }
    return lines;
}

QStringList PracticeRoom::EspsSent() const
{
    QStringList esps;
    for (const Call& call : calls_) {
        if (call.Function == u"DapiCommunicate" && call.Mode == ChatModeEsp && call.Status == "0")
            esps.append(FromCp1252(call.Target) + QStringLiteral(": ") + FromCp1252(call.Text));
    }
    return esps;
}

bool PracticeRoom::IsOpen() const
{
    return open_;
}

QByteArray PracticeRoom::nextStatus(const QByteArray& plugin)
{
    if (!scripted_.isEmpty())
        return scripted_.takeFirst();
    if (!open_)
        return {};
    // A client that does not know the plug-in asks it to register first.
    return registered_.contains(plugin) ? QByteArrayLiteral("0") : QByteArrayLiteral("10");
}

void PracticeRoom::append(const QByteArray& bytes)
{
    // The text last delivered is shared with the console, which may hold it still: appending
    // to it then would copy the whole chat. New lines wait in the tail until the text is asked
    // for again, when the console has let the old one go (ReadAllText clears it first).
    if (tail_.isEmpty() && chat_.isDetached())
        appendInPlace(chat_, bytes);
    else
        tail_ += bytes;
}

void PracticeRoom::report(const QByteArray& status)
{
    if (open_ && callbacks_.OnStatus)
        callbacks_.OnStatus(status);
}
