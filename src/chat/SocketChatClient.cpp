#include "chat/SocketChatClient.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <utility>

namespace {

constexpr int ConnectTimeoutMs = 2000;

} // namespace

SocketChatClient::SocketChatClient(QString socketName, int statusTimeoutMs)
    : socketName_(std::move(socketName)), statusTimeoutMs_(statusTimeoutMs)
{
    QObject::connect(&socket_, &QLocalSocket::readyRead, &context_, [this] {
        if (waiting_)
            return; // the waiting call reads for itself
        pump();
        deliverPending();
    });
}

SocketChatClient::~SocketChatClient()
{
    socket_.abort();
}

std::int16_t SocketChatClient::InitDDE(const QByteArray& plugin, ChatCallbacks callbacks)
{
    plugin_ = plugin;
    callbacks_ = std::move(callbacks);
    initialised_ = connectAndInit();
    return initialised_ ? 0 : 1;
}

bool SocketChatClient::connectAndInit()
{
    socket_.abort();
    reader_.Clear();
    incoming_.clear();
    socket_.connectToServer(socketName_);
    if (!socket_.waitForConnected(ConnectTimeoutMs)) {
        socket_.abort();
        return false;
    }
    socket_.write(EncodeChatMessage("INIT", {plugin_}));
    const auto status = awaitStatus();
    if (status && *status == "0")
        return true;
    drop();
    return false;
}

void SocketChatClient::DapiRegister(const QByteArray& plugin)
{
    request(EncodeChatMessage("REGISTER", {plugin}));
}

void SocketChatClient::DapiCommunicate(const QByteArray& plugin, std::int16_t mode,
                                       const QByteArray& target, const QByteArray& text)
{
    request(EncodeChatMessage("COMMUNICATE", {plugin, QByteArray::number(mode), target, text}));
}

void SocketChatClient::DapiGetAllText(const QByteArray& plugin)
{
    request(EncodeChatMessage("GETALLTEXT", {plugin}));
}

void SocketChatClient::DapiUnregister(const QByteArray& plugin)
{
    request(EncodeChatMessage("UNREGISTER", {plugin}));
}

void SocketChatClient::KillDDE()
{
    if (socket_.state() == QLocalSocket::ConnectedState) {
        socket_.write(EncodeChatMessage("KILL"));
        awaitStatus();
    }
    initialised_ = false;
    drop();
    callbacks_ = {};
}

bool SocketChatClient::IsConnected() const
{
    return socket_.state() == QLocalSocket::ConnectedState;
}

void SocketChatClient::request(const QByteArray& line)
{
    // A link lost earlier gets one new try per call; while it stays down every call is refused.
    if (!IsConnected() && !(initialised_ && connectAndInit())) {
        if (callbacks_.OnStatus)
            callbacks_.OnStatus(QByteArrayLiteral("-1"));
        return;
    }
    socket_.write(line);
    const auto status = awaitStatus();
    if (!status) {
        if (callbacks_.OnStatus)
            callbacks_.OnStatus(QByteArrayLiteral("-1"));
    } else if (!status->isEmpty() && callbacks_.OnStatus) {
        callbacks_.OnStatus(*status); // an empty status: the library reported none
    }
    if (!pending_.isEmpty())
        QTimer::singleShot(0, &context_, [this] { deliverPending(); });
}

std::optional<QByteArray> SocketChatClient::awaitStatus()
{
    waiting_ = true;
    const QDeadlineTimer deadline(statusTimeoutMs_);
    std::optional<QByteArray> status;
    while (!status) {
        pump();
        while (!incoming_.isEmpty() && !status) {
            ChatMessage message = incoming_.takeFirst();
            if (message.Kind == "STATUS")
                status = message.Fields.value(0);
            else
                keepForLater(std::move(message));
        }
        if (status || !IsConnected() || deadline.hasExpired())
            break;
        socket_.waitForBytesWritten(0);
        socket_.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
    }
    waiting_ = false;
    // What came behind the status (the chat text, often in the same packet) waits for the loop.
    for (ChatMessage& message : incoming_)
        keepForLater(std::move(message));
    incoming_.clear();
    if (!status)
        drop(); // no answer in time: this peer cannot be trusted with the next call either
    return status;
}

void SocketChatClient::pump()
{
    reader_.Append(socket_.readAll());
    while (auto line = reader_.NextLine()) {
        if (auto message = DecodeChatMessage(*line))
            incoming_.append(std::move(*message));
    }
    if (reader_.Overflowed())
        drop();
}

void SocketChatClient::deliverPending()
{
    // Chat text and notices from the peer; a status nobody asked for is dropped.
    for (ChatMessage& message : incoming_)
        keepForLater(std::move(message));
    incoming_.clear();
    while (!pending_.isEmpty()) {
        const ChatMessage message = pending_.takeFirst();
        if (message.Kind == "TEXT" && callbacks_.OnText) {
            callbacks_.OnText(message.Fields.value(0));
        } else if (message.Kind == "NOTIFY" && callbacks_.OnNotify) {
            bool ok = false;
            const int value = message.Fields.value(1).toInt(&ok);
            if (ok && value >= -32768 && value <= 32767)
                callbacks_.OnNotify(message.Fields.value(0), static_cast<std::int16_t>(value),
                                    message.Fields.value(2));
        }
    }
}

void SocketChatClient::keepForLater(ChatMessage message)
{
    // A newer chat text makes an older one worthless, and notices carry nothing we use: a peer
    // that floods us cannot make the queue grow without bound.
    constexpr qsizetype MaxNotices = 256;
    if (message.Kind == "TEXT") {
        pending_.removeIf([](const ChatMessage& m) { return m.Kind == "TEXT"; });
        pending_.append(std::move(message));
    } else if (message.Kind == "NOTIFY" && pending_.size() < MaxNotices) {
        pending_.append(std::move(message));
    }
}

void SocketChatClient::drop()
{
    socket_.abort();
    reader_.Clear();
    incoming_.clear();
}
