#pragma once

#include "chat/ChatClient.h"
#include "socket/ChatProtocol.h"

#include <QByteArray>
#include <QList>

// The chat text and notifications a chat client sent, kept until the event loop hands them
// to the library's callbacks, in the order received. A peer that floods us cannot make them
// grow without bound: a newer chat text replaces an older one, and notices are capped.
//
// A client that reports its link state in notifications has one more state to report when it
// is lost, which it cannot send itself: KeepLoss stands in for it.
class PendingChatMessages
{
public:
    // Keeps a TEXT or NOTIFY; any other kind is dropped.
    void Keep(ChatMessage message);
    // A notification of value 1 with LostClientText(), under the client's last nick, when the
    // client has reported a state and no loss has been kept since.
    void KeepLoss();
    // Hands every message kept to its callback, emptying the queue.
    void Deliver(const ChatCallbacks& callbacks);
    bool IsEmpty() const;
    void Clear();

    static QByteArray LostClientText();

private:
    QList<ChatMessage> messages_;
    bool stateReported_ = false; // the client has sent a notification
    bool lossKept_ = false;      // and has been lost since its last one
    QByteArray lastNick_;        // the first value of its latest notification
};
