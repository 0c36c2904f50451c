#include "irc/IrcRegistration.h"

#include "irc/IrcNick.h"

#include <algorithm>
#include <utility>

namespace {

// AUTHENTICATE carries at most 400 bytes of base64 a line.
constexpr qsizetype SaslChunk = 400;
// The length RFC 2812 promises every server takes.
constexpr int ClassicNickLength = 9;

QList<QByteArray> one(const QByteArray& command, const QList<QByteArray>& params = {})
{
    const QByteArray line = IrcMessage::Format(command, params);
    return line.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{line};
}

} // namespace

IrcRegistration::IrcRegistration(QByteArray nick, QByteArray password, QByteArray saslUser,
                                 QByteArray saslPassword, QByteArray firstNick)
    : wantedNick_(std::move(nick)), password_(std::move(password)), saslUser_(std::move(saslUser)),
      saslPassword_(std::move(saslPassword)), nickLimit_(IrcNick::MaxLength)
{
    if (IrcNick::IsValid(firstNick) && !IrcNick::Same(firstNick, wantedNick_)) {
        firstNick_ = std::move(firstNick);
        attempt_ = -1; // the first nick stands before the wanted one
    }
}

QList<QByteArray> IrcRegistration::Begin()
{
    nick_ = firstNick_.isEmpty() ? wantedNick_ : firstNick_;
    QList<QByteArray> lines = one("CAP", {"LS", "302"});
    if (!password_.isEmpty())
        lines += one("PASS", {password_});
    lines += one("NICK", {nick_});
    lines += one("USER", {"quillo", "0", "*", "Quillo Console"});
    return lines;
}

QList<QByteArray> IrcRegistration::Handle(const IrcMessage& message)
{
    const QByteArray& command = message.Command;
    if (command == "CAP")
        return capability(message);
    if (command == "AUTHENTICATE" && message.Param(0) == "+")
        return authenticate();
    if (command == "903" || command == "904" || command == "905" || command == "906" ||
        command == "907" || command == "908") {
        saslDone_ = command == "903";
        return endCap();
    }
    if (welcomed_)
        return {};
    if (command == "001") {
        welcomed_ = true;
        capEnded_ = true;
        if (IrcNick::IsValid(message.Param(0)))
            nick_ = message.Param(0);
        return {};
    }
    // Nick in use or colliding; refused (most often too long for the server).
    if (command == "433" || command == "436" || command == "437")
        return nextNick(false);
    if (command == "432")
        return nextNick(true);
    return {};
}

bool IrcRegistration::Welcomed() const
{
    return welcomed_;
}

bool IrcRegistration::GaveUp() const
{
    return gaveUp_;
}

QByteArray IrcRegistration::Nick() const
{
    return nick_;
}

QByteArray IrcRegistration::WantedNick() const
{
    return IrcNick::Alternative(wantedNick_, 0, nickLimit_);
}

bool IrcRegistration::EchoMessage() const
{
    return echo_;
}

bool IrcRegistration::SaslDone() const
{
    return saslDone_;
}

QList<QByteArray> IrcRegistration::capability(const IrcMessage& message)
{
    const QByteArray sub = message.Param(1).toUpper();
    const QList<QByteArray> caps = message.Params.value(message.Params.size() - 1).split(' ');
    if (sub == "LS") {
        for (const QByteArray& cap : caps)
            offered_.insert(cap.split('=').constFirst().toLower());
        if (message.Params.size() > 3 && message.Param(2) == "*")
            return {}; // more of the list follows
        QList<QByteArray> wanted;
        if (offered_.contains("echo-message"))
            wanted.append("echo-message");
        if (offered_.contains("sasl") && !saslPassword_.isEmpty())
            wanted.append("sasl");
        if (wanted.isEmpty() || capEnded_)
            return endCap();
        return one("CAP", {"REQ", wanted.join(' ')});
    }
    if (sub == "ACK") {
        bool sasl = false;
        for (const QByteArray& cap : caps) {
            if (cap.toLower() == "echo-message")
                echo_ = true;
            sasl = sasl || cap.toLower() == "sasl";
        }
        // Only what was asked for: a server granting sasl unasked would otherwise wait for
        // credentials that never come, and the bridge for a welcome that never comes.
        sasl = sasl && !saslPassword_.isEmpty();
        if (sasl && !capEnded_)
            return one("AUTHENTICATE", {"PLAIN"});
        return endCap();
    }
    if (sub == "NAK")
        return endCap();
    return {};
}

QList<QByteArray> IrcRegistration::authenticate()
{
    if (saslPassword_.isEmpty() || capEnded_)
        return {};
    QByteArray plain = saslUser_;
    plain += '\0';
    plain += saslUser_;
    plain += '\0';
    plain += saslPassword_;
    const QByteArray encoded = plain.toBase64();
    QList<QByteArray> lines;
    for (qsizetype at = 0; at < encoded.size(); at += SaslChunk)
        lines += one("AUTHENTICATE", {encoded.mid(at, SaslChunk)});
    if (encoded.size() % SaslChunk == 0)
        lines += one("AUTHENTICATE", {"+"});
    return lines;
}

QList<QByteArray> IrcRegistration::endCap()
{
    if (capEnded_)
        return {};
    capEnded_ = true;
    return one("CAP", {"END"});
}

QList<QByteArray> IrcRegistration::nextNick(bool refused)
{
    if (refused && nick_.size() > ClassicNickLength && nickLimit_ > ClassicNickLength) {
        nickLimit_ = ClassicNickLength;
        attempt_ = std::max(attempt_, 0);
        nick_ = IrcNick::Alternative(wantedNick_, attempt_, nickLimit_);
        return one("NICK", {nick_});
    }
    nick_ = IrcNick::Alternative(wantedNick_, ++attempt_, nickLimit_);
    if (!nick_.isEmpty() && IrcNick::Same(nick_, firstNick_))
        nick_ = IrcNick::Alternative(wantedNick_, ++attempt_, nickLimit_); // refused already
    if (nick_.isEmpty()) {
        gaveUp_ = true;
        nick_ = wantedNick_;
        return {};
    }
    return one("NICK", {nick_});
}
