#include "irc/IrcChatClient.h"

#include "chat/ChatModes.h"
#include "irc/IrcConnection.h"
#include "irc/IrcNick.h"
#include "irc/IrcTextCodec.h"
#include "text/Cp1252.h"

#include <algorithm>

namespace {

// Lines answered "6" that the console may still ask about again.
constexpr std::size_t MaxBusyLines = 16;

} // namespace

IrcChatClient::IrcChatClient(IrcConnection& connection, int holdMs) : connection_(connection)
{
    connection_.SetPrivmsgHandler([this](const QByteArray& from, const QByteArray& target,
                                         const QByteArray& text) { received(from, target, text); });
    connection_.SetSentHandler([this](const QByteArray& nick, const QByteArray& target,
                                      const QByteArray& text) { sent(nick, target, text); });
    connection_.SetDeliveryHandler(
        [this](quint64 ticket, bool taken) { delivered(ticket, taken); });
    connection_.SetStateHandler([this](const IrcLinkState& state) { notify(state); });
    holdTimer_.setSingleShot(true);
    holdTimer_.setInterval(holdMs);
    QObject::connect(&holdTimer_, &QTimer::timeout, &holdTimer_, [this] { holdOver(); });
}

std::int16_t IrcChatClient::InitDDE(const QByteArray&, ChatCallbacks callbacks)
{
    // Ready even while IRC is still connecting: the calls say when it cannot be reached.
    callbacks_ = std::move(callbacks);
    attach(true);
    // Where the bridge stands, once the console has its answer to INIT.
    QTimer::singleShot(0, &context_, [this] { notify(connection_.LinkState()); });
    return 0;
}

void IrcChatClient::DapiRegister(const QByteArray&)
{
    attach(true);
    report("0");
}

void IrcChatClient::DapiCommunicate(const QByteArray&, std::int16_t mode, const QByteArray& target,
                                    const QByteArray& text)
{
    follows_ = false;
    // A line the console gave up on long ago must not stand in for a new one.
    std::erase_if(busy_, [](const Line& line) {
        return line.Taken && line.SinceTaken.hasExpired(KeepOutcomeMs);
    });
    const auto same = [&](const Line& line) {
        return line.Mode == mode && line.Target == target && line.Text == text;
    };
    if (const auto repeat = std::find_if(busy_.begin(), busy_.end(), same); repeat != busy_.end()) {
        Line line = std::move(*repeat);
        busy_.erase(repeat);
        if (line.Taken)
            report(*line.Taken ? "0" : "-1");
        else
            hold(std::move(line));
        return;
    }
    const quint64 ticket = say(mode, target, text);
    if (ticket == 0)
        report("-1");
    else
        hold({mode, target, text, ticket, std::nullopt, {}});
}

quint64 IrcChatClient::say(std::int16_t mode, const QByteArray& target, const QByteArray& text)
{
    const QByteArray ircText = IrcTextCodec::ToIrc(text);
    if (mode == ChatModeRoom)
        return connection_.Say(connection_.Channel(), ircText);
    const QByteArray nick = IrcTextCodec::ToIrc(target);
    if (mode == ChatModeEsp && IrcNick::IsValid(nick))
        return connection_.Say(nick, ircText);
    return 0;
}

void IrcChatClient::hold(Line line)
{
    // A line the console gave up on is left to go its way; its status has no taker.
    held_ = std::move(line);
    follows_ = true;
    holdTimer_.start();
}

void IrcChatClient::holdOver()
{
    if (!held_)
        return;
    busy_.push_back(std::move(*held_));
    held_.reset();
    if (busy_.size() > MaxBusyLines)
        busy_.pop_front();
    report("6");
}

void IrcChatClient::delivered(quint64 ticket, bool taken)
{
    if (held_ && held_->Ticket == ticket) {
        held_.reset();
        holdTimer_.stop();
        report(taken ? "0" : "-1");
        return;
    }
    for (Line& line : busy_) {
        if (line.Ticket == ticket) {
            line.Taken = taken;
            line.SinceTaken.start();
        }
    }
}

void IrcChatClient::DapiGetAllText(const QByteArray&)
{
    report("0");
    // The text follows from the event loop, as a chat client's does.
    QTimer::singleShot(0, &context_, [this] {
        if (callbacks_.OnText)
            callbacks_.OnText(transcript_.Text());
    });
}

void IrcChatClient::DapiUnregister(const QByteArray&)
{
    attach(false);
    report("0");
}

void IrcChatClient::KillDDE()
{
    attach(false);
    callbacks_ = {};
}

bool IrcChatClient::StatusFollows() const
{
    return follows_;
}

const IrcTranscript& IrcChatClient::Transcript() const
{
    return transcript_;
}

void IrcChatClient::attach(bool attached)
{
    connection_.SetConsoleAttached(attached);
    if (!attached) {
        held_.reset();
        busy_.clear();
        holdTimer_.stop();
        follows_ = false;
    }
}

void IrcChatClient::received(const QByteArray& from, const QByteArray& target,
                             const QByteArray& text)
{
    const QByteArray nick = connection_.Nick();
    if (IrcNick::Folded(target) == IrcNick::Folded(connection_.Channel()))
        transcript_.AddSaid(from, text);
    else if (IrcNick::Same(target, nick))
        transcript_.AddEspFrom(from, text);
    else if (IrcNick::Same(from, nick))
        transcript_.AddEspTo(target, text); // the server's echo of the host's own ESP
}

void IrcChatClient::sent(const QByteArray& nick, const QByteArray& target, const QByteArray& text)
{
    // An ESP to the host's own nick comes back from the server like any other.
    if (IrcNick::Folded(target) == IrcNick::Folded(connection_.Channel()))
        transcript_.AddSaid(nick, text);
    else if (!IrcNick::Same(target, nick))
        transcript_.AddEspTo(target, text);
}

void IrcChatClient::notify(const IrcLinkState& state)
{
    if (callbacks_.OnNotify)
        callbacks_.OnNotify(state.Nick, static_cast<std::int16_t>(state.State),
                            ToCp1252(state.Text));
}

void IrcChatClient::report(const QByteArray& status)
{
    if (callbacks_.OnStatus)
        callbacks_.OnStatus(status);
}
