#include "socket/SocketChatClient.h"

#include <QEventLoop>

#include <utility>

namespace {

constexpr int ConnectTimeoutMs = 2000;

} // namespace

SocketChatClient::SocketChatClient(QString socketName, int statusTimeoutMs)
    : socketName_(std::move(socketName)), statusTimeoutMs_(statusTimeoutMs)
{
    statusTimer_.setSingleShot(true);
    // No answer in time: this peer cannot be trusted with the next call either.
    QObject::connect(&statusTimer_, &QTimer::timeout, &context_, [this] { drop(); });
    QObject::connect(&socket_, &QLocalSocket::readyRead, &context_, [this] { readAvailable(); });
    QObject::connect(&socket_, &QLocalSocket::disconnected, &context_, [this] {
        readAvailable(); // a status sent right before the peer hung up still counts
        drop();
    });
}

SocketChatClient::Exchange::Exchange(QByteArray line, Role kind) : Line(std::move(line)), Kind(kind)
{
}

SocketChatClient::~SocketChatClient()
{
    QObject::disconnect(&socket_, nullptr, &context_, nullptr);
    socket_.abort();
}

std::int16_t SocketChatClient::InitDDE(const QByteArray& plugin, ChatCallbacks callbacks)
{
    plugin_ = plugin;
    callbacks_ = std::move(callbacks);
    initialised_ = connectAndInit();
    return initialised_ ? 0 : 1;
}

bool SocketChatClient::connectSocket()
{
    established_ = false; // a link given up on purpose is no loss to report
    socket_.abort();
    reader_.Clear();
    socket_.connectToServer(socketName_);
    if (!socket_.waitForConnected(ConnectTimeoutMs)) {
        socket_.abort();
        return false;
    }
    established_ = true;
    return true;
}

bool SocketChatClient::connectAndInit()
{
    if (!connectSocket())
        return false;
    Exchange init(EncodeChatMessage("INIT", {plugin_}), Exchange::Role::Opening);
    run({&init});
    return init.Status == QByteArrayLiteral("0");
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
    established_ = false; // the link ends on purpose: no loss to report
    // With a request in flight a KILL would cross it; closing the socket ends the link the
    // same way for the client, and at once.
    if (IsConnected() && queue_.empty()) {
        Exchange kill(EncodeChatMessage("KILL"), Exchange::Role::Closing);
        run({&kill});
    }
    ++links_; // calls still waiting belong to the link closed here: they end refused
    initialised_ = false;
    drop();
    callbacks_ = {};
    pending_.Clear();
}

bool SocketChatClient::IsConnected() const
{
    return socket_.state() == QLocalSocket::ConnectedState;
}

void SocketChatClient::request(const QByteArray& line)
{
    // Kept now: a KillDDE during the wait takes the callbacks away, yet this call still ends.
    const auto report = callbacks_.OnStatus;
    const quint64 link = links_;
    Exchange init(EncodeChatMessage("INIT", {plugin_}), Exchange::Role::Opening);
    Exchange call(line);
    QList<Exchange*> exchanges{&call};
    // A link lost earlier gets one new try per call; while it stays down every call is refused.
    if (!IsConnected()) {
        if (initialised_ && queue_.empty() && connectSocket())
            exchanges.prepend(&init);
        else
            exchanges.clear();
    }
    if (!exchanges.isEmpty())
        run(exchanges);
    const std::optional<QByteArray> status = link == links_ ? call.Status : std::nullopt;
    if (!report)
        return;
    if (!status)
        report(QByteArrayLiteral("-1"));
    else if (!status->isEmpty())
        report(*status); // an empty status: the library reported none
}

void SocketChatClient::run(const QList<Exchange*>& exchanges)
{
    for (Exchange* exchange : exchanges)
        queue_.push_back(exchange);
    sendNext();
    // Each wait handles events in a loop of its own; whatever settles a request quits every
    // loop, and each wait goes on until its own request is done.
    const Exchange& last = *exchanges.last();
    ++depth_;
    while (!last.Done) {
        QEventLoop loop;
        loops_.append(&loop);
        const int code = loop.exec();
        loops_.removeOne(&loop);
        if (code < 0 && !last.Done)
            drop(); // the application is quitting: no status will be read any more
    }
    --depth_;
    deliverLater();
}

void SocketChatClient::sendNext()
{
    if (inFlight_ || queue_.empty())
        return;
    inFlight_ = true;
    statusTimer_.start(statusTimeoutMs_);
    socket_.write(queue_.front()->Line);
}

void SocketChatClient::readAvailable()
{
    if (socket_.bytesAvailable() > 0)
        reader_.Append(socket_.readAll());
    while (auto line = reader_.NextLine()) {
        auto message = DecodeChatMessage(*line);
        if (!message)
            continue;
        if (message->Kind == "STATUS")
            answer(message->Fields.value(0));
        else
            pending_.Keep(std::move(*message));
    }
    if (reader_.Overflowed()) {
        drop();
        return;
    }
    // Only now: a second status in the same read answers nothing and must not answer the next.
    sendNext();
    deliverPending();
}

void SocketChatClient::answer(const QByteArray& status)
{
    if (!inFlight_)
        return; // a status nobody asked for is dropped
    Exchange* exchange = queue_.front();
    queue_.pop_front();
    inFlight_ = false;
    statusTimer_.stop();
    exchange->Status = status;
    exchange->Done = true;
    if ((exchange->Kind == Exchange::Role::Opening && status != "0") ||
        exchange->Kind == Exchange::Role::Closing)
        drop();
    wake();
}

void SocketChatClient::wake()
{
    for (QEventLoop* loop : std::as_const(loops_))
        loop->quit();
}

void SocketChatClient::deliverLater()
{
    if (depth_ == 0 && !pending_.IsEmpty())
        QTimer::singleShot(0, &context_, [this] { deliverPending(); });
}

void SocketChatClient::deliverPending()
{
    // Text and notices wait until no call waits for its status.
    if (depth_ == 0)
        pending_.Deliver(callbacks_);
}

void SocketChatClient::drop()
{
    const bool lost = std::exchange(established_, false);
    std::deque<Exchange*> waiting;
    waiting.swap(queue_);
    inFlight_ = false;
    statusTimer_.stop();
    for (Exchange* exchange : waiting)
        exchange->Done = true;
    socket_.abort();
    reader_.Clear();
    if (lost) {
        pending_.KeepLoss();
        deliverLater();
    }
    wake();
}
