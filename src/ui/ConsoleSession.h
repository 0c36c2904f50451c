#pragma once

#include "chat/ChatLink.h"
#include "console/Console.h"
#include "services/SingleInstance.h"
#include "ui/WidgetToolkit.h"

#include <QObject>

#include <memory>

class ChatClient;
class Clock;
class MainWindow;
class ShutdownSignals;

// One run of the console: start-up in its fixed order, then the window, then exactly one
// orderly shutdown, whether the host exits, the window is closed, the desktop session ends
// or the process is told to stop (SIGTERM, SIGINT).
class ConsoleSession final : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Running,
        AlreadyRunning,
        ChatFailed,
        SettingsFailed
    };

    ConsoleSession(ChatClient& client, Clock& clock, const QString& programFolder,
                   const QString& plugin = QStringLiteral("quillo"), ChatLimits limits = {});
    ~ConsoleSession() override;

    // A refused start ends with its box shown and no shutdown step to follow.
    Outcome Start();
    // Saves the settings with the live window position, unregisters and closes the chat
    // link. Runs once, and only after a start that reached Running.
    void Shutdown();

    // Printed to standard error when the chat client cannot be reached at start-up, before the
    // box: which client was tried and what to start, for a host starting from a terminal.
    void SetChatFailureNote(const QString& note);

    // Reacts to the stop signals of the process; main does this, tests need not.
    void HandleStopSignals();

    WidgetToolkit& Toolkit();
    ChatLink& Chat();
    Console& TheConsole();
    MainWindow* Window();
    bool IsShutDown() const;

Q_SIGNALS:
    // The shutdown has run: the program may end.
    void ended();

private:
    void offerRecovery();

    WidgetToolkit toolkit_;
    ChatLink chat_;
    Console console_;
    SingleInstance instance_;
    std::unique_ptr<MainWindow> window_;
    ShutdownSignals* signals_ = nullptr;
    QString chatFailureNote_;
    bool running_ = false;
    bool shutDown_ = false;
};
