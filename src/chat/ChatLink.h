#pragma once

#include "chat/ChatLinkState.h"
#include "chat/ChatModes.h"
#include "chat/ChatText.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

class ChatClient;
class PendingEvents;

// Bounds on the waits of the chat link, so a silent or stuck client never hangs the console.
struct ChatLimits
{
    int StatusCalls = 50;     // library calls one SayLine or RequestAllText makes at most
    int ReadTimeoutMs = 5000; // how long ReadAllText waits for the chat text
};

// Everything the console says in the chat and learns from it passes through here.
class ChatLink
{
public:
    ChatLink(ChatClient& client, PendingEvents& events, QString plugin, ChatLimits limits = {});

    // Opens the library with the three callbacks; true when the layer is ready.
    bool InitDDE();
    void DapiRegister();
    void DapiUnregister();
    void KillDDE();

    // Says one line: ChatModeRoom in the room (target empty), ChatModeEsp as an ESP to target.
    void SayLine(int mode, const QString& target, const QString& text);
    // Asks for the whole chat text; it arrives later in ReceivedText.
    void RequestAllText();
    // Asks for the chat text and waits for it. False, with ReceivedText empty, when it did
    // not arrive within the bound.
    bool ReadAllText();

    // The library's callbacks.
    void OnStatus(const QByteArray& status);
    void OnNotify(const QByteArray& first, std::int16_t value, const QByteArray& second);
    void OnText(const QByteArray& chatText);

    const QString& Plugin() const;
    const ChatLimits& Limits() const;

    // Runs after each report of the client's link state that LinkState took, from the event
    // loop like every notification.
    void SetLinkStateHook(std::function<void()> hook);

    QString StatusText;      // the client's last status; never cleared
    ChatText ReceivedText;   // the last chat text delivered, trimmed, as the client's bytes
    ChatLinkState LinkState; // the client's last report of its link

private:
    template <typename Call> void statusLoop(Call call);

    ChatClient& client_;
    PendingEvents& events_;
    QString plugin_;
    QByteArray pluginBytes_;
    ChatLimits limits_;
    std::function<void()> linkStateHook_;
};
