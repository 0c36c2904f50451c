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

// The error replies a server gives a PRIVMSG it will not pass on, each naming the target: no
// such nick, server or channel; cannot send to the channel (moderated, banned, not in it);
// too many targets; a registered or secure sender needed; the target blocks private messages.
bool isMessageRefusal(const QByteArray& command)
{
    static const QByteArray refusals[] = {"401", "402", "403", "404", "407", "442",
                                          "477", "486", "489", "492", "531", "716"};
    return std::find(std::begin(refusals), std::end(refusals), command) != std::end(refusals);
}

QString seconds(int ms)
{
    return QString::number((ms + 999) / 1000) + QStringLiteral(" s");
}

} // namespace

void IrcConnection::handle(const IrcMessage& message)
{
    const QByteArray& command = message.Command;
    const QByteArray from = message.PrefixNick();
    const QByteArray channel = IrcNick::Folded(options_.Url.Channel);
    if (command == "PING") {
        outbox_.SendNow(IrcMessage::Format("PONG", {message.Param(0)}));
    } else if (command == "PONG") {
        outbox_.Ponged(message.Params.value(message.Params.size() - 1));
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
            outbox_.SendNow(IrcMessage::Format("JOIN", {options_.Url.Channel}));
            report(IrcLinkState::Kind::Connecting, QStringLiteral("Joining ") + this->channel());
        }
    } else if (command == "PRIVMSG") {
        if (message.Params.size() != 2 || message.Prefix.isEmpty())
            return;
        if (registration_->EchoMessage() && IrcNick::Same(from, nick_))
            outbox_.Echoed(message.Params[0]);
        if (onPrivmsg_)
            onPrivmsg_(from, message.Params[0], message.Params[1]);
    } else if (command == "JOIN") {
        if (IrcNick::Same(from, nick_) && IrcNick::Folded(message.Param(0)) == channel &&
            state_ == State::Joining)
            joined();
    } else if (command == "KICK") {
        if (IrcNick::Folded(message.Param(0)) == channel && IrcNick::Same(message.Param(1), nick_))
            leftChannel(QStringLiteral("Kicked from "));
    } else if (command == "PART") {
        if (IrcNick::Same(from, nick_) && IrcNick::Folded(message.Param(0)) == channel)
            leftChannel(QStringLiteral("Parted from "));
    } else if (command == "NICK") {
        if (IrcNick::Same(from, nick_) && IrcNick::IsValid(message.Param(0))) {
            const QByteArray was = std::exchange(nick_, message.Param(0));
            qInfo().noquote() << "quillo-irc: now known as" << QString::fromUtf8(nick_);
            if (state_ == State::Joined) {
                joinedNick_ = nick_;
                report(IrcLinkState::Kind::NickChanged,
                       QStringLiteral("Players must now ESP ") + QString::fromUtf8(nick_) +
                           QStringLiteral(" (was ") + QString::fromUtf8(was) + u')');
            }
        }
    } else {
        handleNumeric(message);
    }
}

void IrcConnection::handleNumeric(const IrcMessage& message)
{
    const QByteArray& command = message.Command;
    if (isJoinRefusal(command) && state_ == State::Joining) {
        const QString why = QString::fromUtf8(message.Params.value(message.Params.size() - 1));
        qWarning().noquote() << "quillo-irc: cannot join:" << why;
        rejoinTimer_.start(nextDelay());
        report(IrcLinkState::Kind::Connecting,
               QStringLiteral("Cannot join ") + channel() + QStringLiteral(": ") + why +
                   QStringLiteral("; again in ") + seconds(rejoinTimer_.interval()));
    } else if (isMessageRefusal(command) && state_ == State::Joined) {
        const QByteArray target = message.Param(1);
        outbox_.Refused(target);
        if (IrcNick::Same(target, options_.Url.Channel))
            report(IrcLinkState::Kind::Muted,
                   QStringLiteral("Cannot speak in ") + channel() + QStringLiteral(": ") +
                       QString::fromUtf8(message.Params.value(message.Params.size() - 1)));
    }
}

void IrcConnection::pieceSettled(const IrcDelivery::Line& piece, bool taken)
{
    if (!taken)
        return;
    // The server's echo shows the line when it echoes; otherwise it shows once taken.
    if (!registration_->EchoMessage() && onSent_)
        onSent_(nick_, piece.Target, piece.Text);
    if (linkState_.State == IrcLinkState::Kind::Muted &&
        IrcNick::Same(piece.Target, options_.Url.Channel))
        report(IrcLinkState::Kind::InChannel, inChannelText()); // it may speak again
}

void IrcConnection::joined()
{
    state_ = State::Joined;
    failures_ = 0;
    lastError_.clear();
    rejoinTimer_.stop();
    qInfo().noquote() << "quillo-irc: joined" << channel();
    outbox_.Open(registration_->EchoMessage());
    regainTimer_.start();
    // Back under another nick than before: the players must be told where to send ESPs.
    if (!joinedNick_.isEmpty() && !IrcNick::Same(joinedNick_, nick_))
        report(IrcLinkState::Kind::NickChanged, inChannelText() +
                                                    QStringLiteral(": players must now ESP ") +
                                                    QString::fromUtf8(nick_));
    else
        report(IrcLinkState::Kind::InChannel, inChannelText());
    joinedNick_ = nick_;
}

QString IrcConnection::inChannelText() const
{
    return QStringLiteral("In ") + channel() + QStringLiteral(" as ") + QString::fromUtf8(nick_);
}

void IrcConnection::regainNick()
{
    const QByteArray wanted = registration_ ? registration_->WantedNick() : QByteArray();
    if (state_ != State::Joined || wanted.isEmpty() || IrcNick::Same(nick_, wanted))
        return;
    // Never under a console's feet: its players were told the nick it has.
    if (consoleAttached_) {
        if (!std::exchange(keptNickSaid_, true))
            qInfo().noquote() << "quillo-irc: keeping the nick" << QString::fromUtf8(nick_)
                              << "while a console is attached";
        return;
    }
    outbox_.SendNow(IrcMessage::Format("NICK", {wanted}));
}

void IrcConnection::leftChannel(const QString& why)
{
    qWarning().noquote() << "quillo-irc:" << why << channel();
    state_ = State::Joining;
    outbox_.Close();
    rejoinTimer_.start(nextDelay());
    report(IrcLinkState::Kind::Connecting, why + channel() + QStringLiteral("; joining again in ") +
                                               seconds(rejoinTimer_.interval()));
}

void IrcConnection::dropped(const QString& why)
{
    const bool wasUp = state_ != State::Disconnected || socket_;
    ++generation_; // whatever the old socket still says is not heard
    state_ = State::Disconnected;
    outbox_.Close();
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
    lastError_ = why;
    qWarning().noquote() << "quillo-irc: disconnected:" << why << "- trying again in"
                         << reconnectTimer_.interval() << "ms";
    report(IrcLinkState::Kind::Connecting, sentence(why) + QStringLiteral("; trying again in ") +
                                               seconds(reconnectTimer_.interval()));
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
        outbox_.SendNow(IrcMessage::Format("PING", {"quillo"}));
    }
}

void IrcConnection::write(const QByteArray& line)
{
    if (socket_ && state_ != State::Disconnected && !line.isEmpty())
        socket_->write(line);
}

void IrcConnection::sendAll(const QList<QByteArray>& lines)
{
    for (const QByteArray& line : lines)
        outbox_.SendNow(line);
}
