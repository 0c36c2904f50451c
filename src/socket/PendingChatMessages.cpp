#include "socket/PendingChatMessages.h"

#include <utility>

void PendingChatMessages::Keep(ChatMessage message)
{
    constexpr qsizetype MaxNotices = 256;
    if (message.Kind == "TEXT") {
        messages_.removeIf([](const ChatMessage& m) { return m.Kind == "TEXT"; });
        messages_.append(std::move(message));
    } else if (message.Kind == "NOTIFY") {
        stateReported_ = true;
        lossKept_ = false;
        lastNick_ = message.Fields.value(0);
        if (messages_.size() < MaxNotices)
            messages_.append(std::move(message));
    }
}

void PendingChatMessages::KeepLoss()
{
    // Without this the host would go on seeing the last state a dead client sent.
    if (!stateReported_ || lossKept_)
        return;
    lossKept_ = true;
    messages_.append({QByteArrayLiteral("NOTIFY"), {lastNick_, "1", LostClientText()}});
}

void PendingChatMessages::Deliver(const ChatCallbacks& callbacks)
{
    // One at a time: a callback may make a call, and that call may keep more.
    while (!messages_.isEmpty()) {
        const ChatMessage message = messages_.takeFirst();
        if (message.Kind == "TEXT" && callbacks.OnText) {
            callbacks.OnText(message.Fields.value(0));
        } else if (message.Kind == "NOTIFY" && callbacks.OnNotify) {
            bool ok = false;
            const int value = message.Fields.value(1).toInt(&ok);
            if (ok && value >= -32768 && value <= 32767)
                callbacks.OnNotify(message.Fields.value(0), static_cast<std::int16_t>(value),
                                   message.Fields.value(2));
        }
    }
}

bool PendingChatMessages::IsEmpty() const
{
    return messages_.isEmpty();
}

void PendingChatMessages::Clear()
{
    messages_.clear();
}

QByteArray PendingChatMessages::LostClientText()
{
    return QByteArrayLiteral("Lost the chat client; trying again with the next line");
}
