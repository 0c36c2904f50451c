#include "RecordingChatClient.h"

#include <utility>

RecordingChatClient::RecordingChatClient(ChatClient& client) : client_(client) {}

std::int16_t RecordingChatClient::InitDDE(const QByteArray& plugin, ChatCallbacks callbacks)
{
    auto onStatus = std::move(callbacks.OnStatus);
    callbacks.OnStatus = [this, onStatus = std::move(onStatus)](const QByteArray& status) {
        lastStatus_ = status;
        if (onStatus)
            onStatus(status);
    };
    return client_.InitDDE(plugin, std::move(callbacks));
}

void RecordingChatClient::DapiRegister(const QByteArray& plugin)
{
    client_.DapiRegister(plugin);
}

void RecordingChatClient::DapiCommunicate(const QByteArray& plugin, std::int16_t mode,
                                          const QByteArray& target, const QByteArray& text)
{
    lastStatus_.clear();
    client_.DapiCommunicate(plugin, mode, target, text);
    Lines.append({mode, target, text, lastStatus_});
}

void RecordingChatClient::DapiGetAllText(const QByteArray& plugin)
{
    client_.DapiGetAllText(plugin);
}

void RecordingChatClient::DapiUnregister(const QByteArray& plugin)
{
    client_.DapiUnregister(plugin);
}

void RecordingChatClient::KillDDE()
{
    client_.KillDDE();
}
