#include "irc/IrcConnection.h"

#include <QDebug>

#include <algorithm>

namespace {

constexpr int AliveCheckMs = 5000;
constexpr int QuitBoundMs = 1500;
constexpr qsizetype ReadChunk = 64 * 1024;

} // namespace

IrcConnection::IrcConnection(const IrcOptions& options)
    : options_(options), outbox_(paceTimer_, options.Burst, options.SendIntervalMs)
{
    outbox_.SetWriter([this](const QByteArray& line) { write(line); });
    outbox_.SetPieceHandler(
        [this](const IrcDelivery::Line& piece, bool taken) { pieceSettled(piece, taken); });
    reconnectTimer_.setSingleShot(true);
    QObject::connect(&reconnectTimer_, &QTimer::timeout, &reconnectTimer_,
                     [this] { connectNow(); });
    rejoinTimer_.setSingleShot(true);
    QObject::connect(&rejoinTimer_, &QTimer::timeout, &rejoinTimer_, [this] {
        if (state_ == State::Joining)
            write(IrcMessage::Format("JOIN", {options_.Url.Channel}));
    });
    // A nick held by the bridge's own lost connection is freed once the server times it out.
    regainTimer_.setInterval(options_.ReconnectMaxMs);
    QObject::connect(&regainTimer_, &QTimer::timeout, &regainTimer_, [this] { regainNick(); });
    aliveTimer_.setInterval(AliveCheckMs);
    QObject::connect(&aliveTimer_, &QTimer::timeout, &aliveTimer_, [this] { checkAlive(); });
    linkState_.Text = QStringLiteral("Not connected to ") + server();
}

IrcConnection::~IrcConnection()
{
    if (socket_) {
        socket_->disconnect();
        socket_->abort();
    }
}

void IrcConnection::Start()
{
    connectNow();
    aliveTimer_.start();
}

void IrcConnection::Quit(const QByteArray& reason, std::function<void()> done)
{
    quitting_ = true;
    quitDone_ = std::move(done);
    reconnectTimer_.stop();
    rejoinTimer_.stop();
    outbox_.Close();
    if (socket_ && socket_->state() == QAbstractSocket::ConnectedState) {
        write(IrcMessage::Format("QUIT", {reason}));
        QTimer::singleShot(QuitBoundMs, socket_.get(), [this] { dropped(QStringLiteral("quit")); });
        socket_->disconnectFromHost();
    } else {
        dropped(QStringLiteral("quit"));
    }
}

bool IrcConnection::IsJoined() const
{
    return state_ == State::Joined;
}

QByteArray IrcConnection::Nick() const
{
    return nick_;
}

QByteArray IrcConnection::Channel() const
{
    return options_.Url.Channel;
}

const IrcLinkState& IrcConnection::LinkState() const
{
    return linkState_;
}

quint64 IrcConnection::Say(const QByteArray& target, const QByteArray& text)
{
    if (state_ != State::Joined)
        return 0;
    return outbox_.Say(nick_, target, text);
}

void IrcConnection::SetConsoleAttached(bool attached)
{
    consoleAttached_ = attached;
    keptNickSaid_ = false;
}

void IrcConnection::SetPrivmsgHandler(PrivmsgHandler handler)
{
    onPrivmsg_ = std::move(handler);
}

void IrcConnection::SetSentHandler(PrivmsgHandler handler)
{
    onSent_ = std::move(handler);
}

void IrcConnection::SetDeliveryHandler(DeliveryHandler handler)
{
    outbox_.SetDeliveryHandler(std::move(handler));
}

void IrcConnection::SetStateHandler(StateHandler handler)
{
    onState_ = std::move(handler);
}

void IrcConnection::connectNow()
{
    if (quitting_ || state_ != State::Disconnected)
        return;
    const quint64 generation = ++generation_;
    socket_ = std::make_unique<QSslSocket>();
    QSslSocket* socket = socket_.get();
    state_ = State::Connecting;
    sinceHeard_.start();
    pinged_ = false;
    buffer_.clear();
    discarding_ = false;
    // The host's status line is narrow: the news first, and the last error kept in sight.
    QString connecting = QStringLiteral("Connecting to ") + server();
    if (!lastError_.isEmpty())
        connecting = sentence(lastError_) + QStringLiteral("; trying ") + server() +
                     QStringLiteral(" again");
    report(IrcLinkState::Kind::Connecting, connecting);
    const auto current = [this, generation] { return generation == generation_; };
    QObject::connect(socket, &QSslSocket::readyRead, socket, [this, current] {
        if (current())
            readSocket();
    });
    QObject::connect(socket, &QSslSocket::disconnected, socket, [this, current] {
        if (current())
            dropped(QStringLiteral("the server closed the connection"));
    });
    QObject::connect(socket, &QSslSocket::errorOccurred, socket, [this, current, socket] {
        if (current())
            dropped(socket->errorString());
    });
    QObject::connect(socket, &QSslSocket::sslErrors, socket, [](const QList<QSslError>& errors) {
        for (const QSslError& e : errors)
            qWarning().noquote() << "quillo-irc: TLS:" << e.errorString();
    });
    qInfo().noquote() << "quillo-irc: connecting to" << options_.Url.Host << options_.Url.Port;
    if (options_.Url.Tls) {
        if (options_.Insecure)
            socket->setPeerVerifyMode(QSslSocket::VerifyNone);
        QObject::connect(socket, &QSslSocket::encrypted, socket, [this, current] {
            if (current())
                signOn();
        });
        socket->connectToHostEncrypted(options_.Url.Host, options_.Url.Port);
    } else {
        QObject::connect(socket, &QSslSocket::connected, socket, [this, current] {
            if (current())
                signOn();
        });
        socket->connectToHost(options_.Url.Host, options_.Url.Port);
    }
}

void IrcConnection::signOn()
{
    state_ = State::Registering;
    // With a console attached, the nick the players were told is asked for first.
    registration_.emplace(options_.Nick, options_.Password, options_.SaslUser,
                          options_.SaslPassword, consoleAttached_ ? nick_ : QByteArray());
    sendAll(registration_->Begin());
    nick_ = registration_->Nick();
    report(IrcLinkState::Kind::Connecting,
           QStringLiteral("Signing on as ") + QString::fromUtf8(nick_));
}

void IrcConnection::readSocket()
{
    const quint64 generation = generation_;
    while (socket_ && generation == generation_ && socket_->bytesAvailable() > 0) {
        buffer_ += socket_->read(ReadChunk);
        sinceHeard_.start();
        pinged_ = false;
        qsizetype start = 0;
        for (;;) {
            const qsizetype end = buffer_.indexOf('\n', start);
            if (end < 0)
                break;
            const QByteArray line = buffer_.mid(start, end - start);
            start = end + 1;
            const bool whole = !discarding_;
            discarding_ = false;
            if (whole && line.size() <= IrcMessage::MaxIncomingBytes) {
                if (auto message = IrcMessage::Parse(line))
                    handle(*message);
                if (generation != generation_)
                    return; // the connection went while handling
            }
        }
        buffer_.remove(0, start);
        if (buffer_.size() > IrcMessage::MaxIncomingBytes) {
            buffer_.clear(); // the rest of this line is passed over up to its end
            discarding_ = true;
        }
    }
}

void IrcConnection::report(IrcLinkState::Kind kind, const QString& text)
{
    if (linkState_.State == kind && linkState_.Text == text && linkState_.Nick == nick_)
        return;
    linkState_ = {kind, nick_, text};
    if (onState_)
        onState_(linkState_);
}

QString IrcConnection::server() const
{
    return options_.Url.Host + u':' + QString::number(options_.Url.Port);
}

QString IrcConnection::sentence(const QString& text)
{
    return text.left(1).toUpper() + text.mid(1);
}

QString IrcConnection::channel() const
{
    return QString::fromUtf8(options_.Url.Channel);
}
