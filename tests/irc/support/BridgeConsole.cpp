#include "BridgeConsole.h"

#include "support/WaitUntil.h"

#include <utility>

BridgeConsole::BridgeConsole(const QString& socket) : chat_(socket)
{
    ChatCallbacks callbacks;
    callbacks.OnStatus = [this](const QByteArray& s) { status_ = s; };
    callbacks.OnText = [this](const QByteArray& t) {
        text_ = t;
        ++texts_;
    };
    init_ = chat_.InitDDE("quillo", std::move(callbacks));
    chat_.DapiRegister("quillo");
}

int BridgeConsole::Init() const
{
    return init_;
}

QByteArray BridgeConsole::Say(const QByteArray& text)
{
    status_ = "none";
    chat_.DapiCommunicate("quillo", ChatModeRoom, {}, text);
    return status_;
}

QByteArray BridgeConsole::Esp(const QByteArray& nick, const QByteArray& text, std::int16_t mode)
{
    status_ = "none";
    chat_.DapiCommunicate("quillo", mode, nick, text);
    return status_;
}

std::optional<QByteArray> BridgeConsole::ChatText()
{
    const int before = texts_;
    status_ = "none";
    chat_.DapiGetAllText("quillo");
    if (status_ != "0" || !WaitUntil([&] { return texts_ > before; }, 5000))
        return std::nullopt;
    return text_;
}

bool BridgeConsole::ChatTextHas(const QByteArray& bytes, int timeoutMs)
{
    return WaitUntil(
        [&] {
            const auto text = ChatText();
            return text && text->contains(bytes);
        },
        timeoutMs);
}
