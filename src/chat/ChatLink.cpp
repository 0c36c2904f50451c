#include "chat/ChatLink.h"

#include "chat/ChatClient.h"
#include "chat/PendingEvents.h"
#include "text/Cp1252.h"
#include "text/NumberText.h"

#include <QElapsedTimer>
#include <QThread>

#include <utility>

ChatLink::ChatLink(ChatClient& client, PendingEvents& events, QString plugin, ChatLimits limits)
    : client_(client), events_(events), plugin_(std::move(plugin)), pluginBytes_(ToCp1252(plugin_)),
      limits_(limits)
{
}

bool ChatLink::InitDDE()
{
    ChatCallbacks callbacks;
    callbacks.OnStatus = [this](const QByteArray& status) { OnStatus(status); };
    callbacks.OnNotify = [this](const QByteArray& first, std::int16_t value,
                                const QByteArray& second) { OnNotify(first, value, second); };
    callbacks.OnText = [this](const QByteArray& text) { OnText(text); };
    return client_.InitDDE(pluginBytes_, std::move(callbacks)) == 0;
}

void ChatLink::DapiRegister()
{
    client_.DapiRegister(pluginBytes_);
}

void ChatLink::DapiUnregister()
{
    client_.DapiUnregister(pluginBytes_);
}

void ChatLink::KillDDE()
{
    client_.KillDDE();
}

template <typename Call> void ChatLink::statusLoop(Call call)
{
    // The client reports through OnStatus before each call returns: 6 asks for the same call
    // again at once, 10 for a new registration first, -1 refuses and 0 is done. Any other
    // number repeats the call. The bound keeps a client that never settles from hanging us.
    for (int calls = 0; calls < limits_.StatusCalls; ++calls) {
        call();
        const QString status = StatusText;
        if (status.isEmpty())
            return; // no status ever arrived: count the call as done
        const auto number = ParseNumber(status);
        if (!number)
            return; // not a number: a refusal, like "-1"
        if (*number == 6.0)
            continue;
        if (status == u"-1" || status == u"0")
            return;
        if (status == u"10")
            client_.DapiRegister(pluginBytes_);
    }
}

void ChatLink::SayLine(int mode, const QString& target, const QString& text)
{
    const auto mode16 = static_cast<std::int16_t>(mode);
    const QByteArray targetBytes = ToCp1252(target);
    const QByteArray textBytes = ToCp1252(text);
    statusLoop([&] { client_.DapiCommunicate(pluginBytes_, mode16, targetBytes, textBytes); });
}

void ChatLink::RequestAllText()
{
    statusLoop([&] { client_.DapiGetAllText(pluginBytes_); });
}

bool ChatLink::ReadAllText()
{
    ReceivedText.Clear();
    RequestAllText();
    QElapsedTimer waited;
    waited.start();
    while (ReceivedText.IsEmpty()) {
        events_.ProcessEvents();
        if (!ReceivedText.IsEmpty())
            break;
        if (waited.elapsed() >= limits_.ReadTimeoutMs)
            return false;
        QThread::msleep(1); // the text comes from the event loop: do not spin the core
    }
    return true;
}

void ChatLink::OnStatus(const QByteArray& status)
{
    StatusText = FromCp1252(status);
}

void ChatLink::OnNotify(const QByteArray& first, std::int16_t value, const QByteArray& second)
{
    // Only the link states mean something to the console; other notices are accepted unused.
    if (value < LinkInChannel || value > LinkNickChanged)
        return;
    LinkState = {true, value, FromCp1252(first), FromCp1252(second)};
    if (linkStateHook_)
        linkStateHook_();
}

void ChatLink::OnText(const QByteArray& chatText)
{
    // Kept as the client's bytes, shared: a reader converts only the piece it uses.
    ReceivedText = ChatText::Received(chatText);
}

const QString& ChatLink::Plugin() const
{
    return plugin_;
}

const ChatLimits& ChatLink::Limits() const
{
    return limits_;
}

void ChatLink::SetLinkStateHook(std::function<void()> hook)
{
    linkStateHook_ = std::move(hook);
}
