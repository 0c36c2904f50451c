#pragma once

#include "chat/ChatModes.h"

#include <QByteArray>

#include <cstdint>
#include <functional>

// The three callbacks the chat client's library is given when the link opens. Every text
// crosses the library as 8-bit Windows-1252.
struct ChatCallbacks
{
    std::function<void(const QByteArray& status)> OnStatus;
    std::function<void(const QByteArray& first, std::int16_t value, const QByteArray& second)>
        OnNotify;
    std::function<void(const QByteArray& chatText)> OnText;
};

// The chat client's library, call for call. The plug-in identity (the executable's name
// without extension) is the first argument of every call but KillDDE. Outcomes come back
// through OnStatus before a call returns; the chat text comes through OnText, during the call
// or later from the event loop.
//
// A client served to the console over the local socket may instead report a call's status
// later, from the event loop: it says so with StatusFollows right after the call, and the
// socket's server holds the console's next request until that status came.
class ChatClient
{
public:
    virtual ~ChatClient() = default;

    // 0 when the layer is ready, anything else on failure.
    virtual std::int16_t InitDDE(const QByteArray& plugin, ChatCallbacks callbacks) = 0;
    virtual void DapiRegister(const QByteArray& plugin) = 0;
    // Mode 0: said in the room (target empty). Mode 2: an ESP to the avatar named by target.
    virtual void DapiCommunicate(const QByteArray& plugin, std::int16_t mode,
                                 const QByteArray& target, const QByteArray& text) = 0;
    virtual void DapiGetAllText(const QByteArray& plugin) = 0;
    virtual void DapiUnregister(const QByteArray& plugin) = 0;
    virtual void KillDDE() = 0;

    // True right after a call whose status is still to come.
    virtual bool StatusFollows() const;
};
