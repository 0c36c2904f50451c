#pragma once

#include "chat/ChatClient.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

// A chat client simulated in-process: the console's default, and the room the tests play in.
// It keeps the chat text as a client shows it (lines ended by CR LF), answers every call with
// a status before the call returns, and delivers the chat text later from the event loop.
class PracticeRoom final : public ChatClient
{
public:
    // One library call as the room received it.
    struct Call
    {
        QString Function;
        QByteArray Plugin;
        std::int16_t Mode = 0;
        QByteArray Target;
        QByteArray Text;
        QByteArray Status; // what the room answered
    };

    explicit PracticeRoom(QString hostAvatar = QStringLiteral("Host"));

    std::int16_t InitDDE(const QByteArray& plugin, ChatCallbacks callbacks) override;
    void DapiRegister(const QByteArray& plugin) override;
    void DapiCommunicate(const QByteArray& plugin, std::int16_t mode, const QByteArray& target,
                         const QByteArray& text) override;
    void DapiGetAllText(const QByteArray& plugin) override;
    void DapiUnregister(const QByteArray& plugin) override;
    void KillDDE() override;

    // The room's side: what other avatars do.
    void Say(const QString& avatar, const QString& text);
    void Esp(const QString& sender, const QString& text);
    void AppendRaw(const QByteArray& bytes);
    void ClearChat();

    QString HostAvatar() const;
    void SetHostAvatar(const QString& avatar);
    QByteArray ChatText() const;

    // Scripting for tests: statuses answered in turn (then the room's own answers), the result
    // of InitDDE, and how (or whether) the chat text is delivered.
    void ScriptStatuses(const QList<QByteArray>& statuses);
    void SetInitResult(std::int16_t result);
    void SetTextDelayMs(int ms);
    void SetDeliverText(bool deliver);
    void SetDeliveredText(const QByteArray& bytes); // delivered instead of the chat text

    const QList<Call>& Calls() const;
    int CountCalls(const QString& function) const;
    // The lines the room took (answered "0"): said in the room, and ESPs as "target: text".
    QStringList SaidLines() const;
    QStringList EspsSent() const;
    bool IsOpen() const;

private:
    QByteArray nextStatus(const QByteArray& plugin);
    void append(const QByteArray& bytes);
    void report(const QByteArray& status);

    QString hostAvatar_;
    // The chat text: what was last delivered, and the lines added since, joined when the text
    // is next asked for (so a text the console still holds is never copied to append a line).
    mutable QByteArray chat_;
    mutable QByteArray tail_;
    ChatCallbacks callbacks_;
    bool open_ = false;
    QSet<QByteArray> registered_;
    QList<QByteArray> scripted_;
    std::int16_t initResult_ = 0;
    int textDelayMs_ = 0;
    bool deliverText_ = true;
    bool replaceText_ = false;
    QByteArray replacement_;
    QList<Call> calls_;
    QObject context_; // owns the pending deliveries, so none outlives the room
};
