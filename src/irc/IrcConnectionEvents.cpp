#include "irc/IrcConnection.h"

#include "irc/IrcNick.h"

#include <QDebug>

#include <algorithm>

// What the connection does with the server's lines and with the link's ups and downs.

namespace {

constexpr int QuietMs = 90000; // a silent server is asked for a PING, then dropped
constexpr int SignOnBoundMs = 30000;

bool isJoinRefusal(const QByteArray& command)
{
    static const QByteArray refusals[] = {"403", "405", "471", "473", "474",
                                          "475", "476", "477", "489"};
    return std::find(std::begin(refusals), std::end(refusals), command) != std::end(refusals);
}

} // namespace

void IrcConnection::handle(const IrcMessage& message)
{
    const QByteArray& command = message.Command;
    const QByteArray from = message.PrefixNick();
    const QByteArray channel = IrcNick::Folded(options_.Url.Channel);
    if (command == "PING") {
        queue_.SendNow(IrcMessage::Format("PONG", {message.Param(0)}));
    } else if (command == "ERROR") {
        qWarning().noquote() << "quillo-irc: server:" << QString::fromUtf8(message.Param(0));
    } else if (state_ == State::Registering) {
        sendAll(registration_->Handle(message));
        nick_ = registration_->Nick();
        if (registration_->GaveUp()) {
            dropped(QStringLiteral("every alternative nick is in use"));
        } else if (registration_->Welcomed()) {
            qInfo().noquote() << "quillo-irc: signed on as" << QString::fromUtf8(nick_);
            state_ = State::Joining;
            queue_.SendNow(IrcMessage::Format("JOIN", {options_.Url.Channel}));
        }
    } else if (command == "PRIVMSG") {
        if (message.Params.size() == 2 && !message.Prefix.isEmpty() && onPrivmsg_)
            onPrivmsg_(from, message.Params[0], message.Params[1]);
    } else if (command == "JOIN") {
        if (IrcNick::Same(from, nick_) && IrcNick::Folded(message.Param(0)) == channel &&
            state_ == State::Joining)
            joined();
    } else if (command == "KICK") {
        if (IrcNick::Folded(message.Param(0)) == channel && IrcNick::Same(message.Param(1), nick_))
            leftChannel("kicked from");
    } else if (command == "PART") {
        if (IrcNick::Same(from, nick_) && IrcNick::Folded(message.Param(0)) == channel)
            leftChannel("parted from");
    } else if (command == "NICK") {
        if (IrcNick::Same(from, nick_) && IrcNick::IsValid(message.Param(0))) {
            nick_ = message.Param(0);
            qInfo().noquote() << "quillo-irc: now known as" << QString::fromUtf8(nick_);
        }
    } else if (isJoinRefusal(command) && state_ == State::Joining) {
        qWarning().noquote() << "quillo-irc: cannot join:" << QString::fromUtf8(message.Param(2));
        rejoinTimer_.start(nextDelay());
    }
}

void IrcConnection::joined()
{
    state_ = State::Joined;
    failures_ = 0;
    rejoinTimer_.stop();
    qInfo().noquote() << "quillo-irc: joined" << QString::fromUtf8(options_.Url.Channel);
    queue_.Open();
    regainTimer_.start();
}

void IrcConnection::regainNick()
{
    const QByteArray wanted = registration_ ? registration_->WantedNick() : QByteArray();
    if (state_ == State::Joined && !wanted.isEmpty() && !IrcNick::Same(nick_, wanted))
        queue_.SendNow(IrcMessage::Format("NICK", {wanted}));
}

void IrcConnection::leftChannel(const char* why)
{
    qWarning().noquote() << "quillo-irc:" << why << QString::fromUtf8(options_.Url.Channel);
    state_ = State::Joining;
    queue_.Close();
    rejoinTimer_.start(nextDelay());
}

void IrcConnection::dropped(const QString& why)
{
    const bool wasUp = state_ != State::Disconnected || socket_;
    ++generation_; // whatever the old socket still says is not heard
    state_ = State::Disconnected;
    queue_.Close();
    rejoinTimer_.stop();
    regainTimer_.stop();
    if (socket_) {
        QSslSocket* old = socket_.release();
        old->disconnect();
        old->abort();
        old->deleteLater();
    }
    if (quitting_) {
        if (auto done = std::exchange(quitDone_, nullptr))
            done();
        return;
    }
    if (!wasUp)
        return;
    scheduleReconnect();
    qWarning().noquote() << "quillo-irc: disconnected:" << why << "- trying again in"
                         << reconnectTimer_.interval() << "ms";
}

void IrcConnection::scheduleReconnect()
{
    reconnectTimer_.start(nextDelay());
}

int IrcConnection::nextDelay()
{
    const qint64 delay = std::min<qint64>(options_.ReconnectMaxMs, qint64(options_.ReconnectMinMs)
                                                                       << std::min(failures_, 20));
    failures_ = std::min(failures_ + 1, 30);
    return static_cast<int>(delay);
}

void IrcConnection::checkAlive()
{
    if (state_ == State::Disconnected)
        return;
    const qint64 quiet = sinceHeard_.elapsed();
    const bool signingOn = state_ == State::Connecting || state_ == State::Registering;
    if ((signingOn && quiet > SignOnBoundMs) || quiet > 2 * QuietMs) {
        dropped(QStringLiteral("the server stopped answering"));
    } else if (quiet > QuietMs && !pinged_) {
        pinged_ = true;
        queue_.SendNow(IrcMessage::Format("PING", {"quillo"}));
    }
}

void IrcConnection::write(const QByteArray& line)
{
    if (!socket_ || state_ == State::Disconnected || line.isEmpty())
        return;
    socket_->write(line);
    if (!onSent_ || !registration_ || registration_->EchoMessage() || !line.startsWith("PRIVMSG "))
        return;
    if (const auto sent = IrcMessage::Parse(line.chopped(2)); sent && sent->Params.size() == 2)
        onSent_(nick_, sent->Params[0], sent->Params[1]);
}

void IrcConnection::sendAll(const QList<QByteArray>& lines)
{
    for (const QByteArray& line : lines)
        queue_.SendNow(line);
}
