#pragma once

#include "chat/ChatClient.h"
#include "irc/IrcLinkState.h"
#include "irc/IrcTranscript.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <optional>

class IrcConnection;

// The chat client's library over IRC: mode 0 says a line in the channel, mode 2 sends a
// private message (an ESP) to a nick; the chat text is the channel's transcript.
//
// A line's status is the server's word: it follows once the server took every piece of the
// line ("0") or refused one ("-1"). A call that cannot reach IRC now (connecting, reconnecting,
// not in the channel) answers "-1" at once. A status not known within the hold answers "6"
// (busy), so the console, which waits a bounded time for a status, asks again rather than
// giving up on the link; its repeat of the same call continues the same line, never says it
// twice. The console is told where the bridge stands through NOTIFY.
class IrcChatClient final : public ChatClient
{
public:
    static constexpr int DefaultHoldMs = 3000;
    // How long the outcome of a line answered "6" waits for the console's repeat.
    static constexpr int KeepOutcomeMs = 30000;

    explicit IrcChatClient(IrcConnection& connection, int holdMs = DefaultHoldMs);

    std::int16_t InitDDE(const QByteArray& plugin, ChatCallbacks callbacks) override;
    void DapiRegister(const QByteArray& plugin) override;
    void DapiCommunicate(const QByteArray& plugin, std::int16_t mode, const QByteArray& target,
                         const QByteArray& text) override;
    void DapiGetAllText(const QByteArray& plugin) override;
    void DapiUnregister(const QByteArray& plugin) override;
    void KillDDE() override;
    bool StatusFollows() const override;

    const IrcTranscript& Transcript() const;

private:
    struct Line
    {
        std::int16_t Mode;
        QByteArray Target;
        QByteArray Text;
        quint64 Ticket;
        std::optional<bool> Taken;
        QElapsedTimer SinceTaken;
    };

    quint64 say(std::int16_t mode, const QByteArray& target, const QByteArray& text);
    void hold(Line line);
    void holdOver();
    void delivered(quint64 ticket, bool taken);
    void received(const QByteArray& from, const QByteArray& target, const QByteArray& text);
    void sent(const QByteArray& nick, const QByteArray& target, const QByteArray& text);
    void notify(const IrcLinkState& state);
    void attach(bool attached);
    void report(const QByteArray& status);

    IrcConnection& connection_;
    IrcTranscript transcript_;
    ChatCallbacks callbacks_;
    std::optional<Line> held_; // the line whose status the console is waiting for
    std::deque<Line> busy_;    // lines answered "6", for the console's repeat
    bool follows_ = false;
    QTimer holdTimer_;
    QObject context_; // owns pending deliveries of the chat text
};
