#pragma once

#include "chat/ChatClient.h"
#include "socket/ChatProtocol.h"
#include "socket/PendingChatMessages.h"

#include <QList>
#include <QLocalSocket>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <optional>

class QEventLoop;

// The chat client's library across a local socket: each call is one request whose status
// comes back before the call returns; chat text and notifications may come at any time and
// reach their callbacks from the event loop.
//
// While a call waits for its status the thread's events are handled, so the window stays
// painted and a handler may make another call meanwhile. Requests still cross one at a time
// in call order: such a call queues behind the request in flight, and every call gets the
// status of its own request. A lost link, a status that comes too late and KillDDE end every
// call still waiting as refused.
//
// A lost link is also reported as a notification, from the event loop, when the client had
// reported its link state: the host is never left seeing a dead client "in the channel".
class SocketChatClient final : public ChatClient
{
public:
    explicit SocketChatClient(QString socketName, int statusTimeoutMs = 5000);
    ~SocketChatClient() override;

    std::int16_t InitDDE(const QByteArray& plugin, ChatCallbacks callbacks) override;
    void DapiRegister(const QByteArray& plugin) override;
    void DapiCommunicate(const QByteArray& plugin, std::int16_t mode, const QByteArray& target,
                         const QByteArray& text) override;
    void DapiGetAllText(const QByteArray& plugin) override;
    void DapiUnregister(const QByteArray& plugin) override;
    void KillDDE() override;

    bool IsConnected() const;

private:
    // One request on its way: queued, then in flight, then done with its status (none when
    // refused).
    struct Exchange
    {
        enum class Role
        {
            Call,
            Opening, // INIT: any status but "0" closes the link
            Closing  // KILL: the link closes after its status
        };
        explicit Exchange(QByteArray line, Role kind = Role::Call);

        QByteArray Line;
        Role Kind;
        std::optional<QByteArray> Status;
        bool Done = false;
    };

    bool connectSocket();
    bool connectAndInit();
    // Sends one request and waits for its status, which reaches OnStatus before this returns.
    void request(const QByteArray& line);
    // Queues the exchanges and handles events until the last of them is done.
    void run(const QList<Exchange*>& exchanges);
    void sendNext();
    void readAvailable();
    void answer(const QByteArray& status);
    void wake();
    void deliverPending();
    void deliverLater();
    void drop();

    QString socketName_;
    int statusTimeoutMs_;
    QByteArray plugin_;
    ChatCallbacks callbacks_;
    bool initialised_ = false;
    bool established_ = false; // connected since the last drop
    QLocalSocket socket_;
    ChatLineReader reader_;
    std::deque<Exchange*> queue_; // the first is in flight once sent
    bool inFlight_ = false;
    QTimer statusTimer_;
    QList<QEventLoop*> loops_; // the waits under way, innermost last
    int depth_ = 0;            // calls waiting for a status
    quint64 links_ = 0;        // links ended by KillDDE
    PendingChatMessages pending_;
    QObject context_;
};
