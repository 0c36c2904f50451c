#include "ui/ConsoleSession.h"

#include "console/LinkStateLine.h"
#include "console/RecoveryOffer.h"
#include "console/SettingsFile.h"
#include "console/WindowSettings.h"
#include "records/SaveCopies.h"
#include "services/ShutdownSignals.h"
#include "text/FixedLines.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>

namespace {

// Said once at start-up, before the host plays a game whose records the folder cannot keep.
QString UnwritableFolderText(const QString& folder)
{
    return QStringLiteral("Quillo cannot write in its folder\n") +
           QDir::toNativeSeparators(folder) + QStringLiteral("\nThe settings cannot be saved.");
}

} // namespace

ConsoleSession::ConsoleSession(ChatClient& client, Clock& clock, const QString& programFolder,
                               const QString& plugin, ChatLimits limits)
    : toolkit_(programFolder), chat_(client, toolkit_, plugin, limits),
      console_(chat_, toolkit_, clock, programFolder), instance_(programFolder)
{
    // The window stays out of sight until start-up has placed it.
    console_.controls.Visible = false;
    // A client's report of its link comes from the event loop, between the host's actions:
    // show it at once.
    chat_.SetLinkStateHook([this] {
        ShowLinkState(chat_.LinkState, console_.controls.lblLinkState, console_.game);
        if (window_)
            window_->ShowState();
    });
}

ConsoleSession::~ConsoleSession()
{
    toolkit_.SetWindow(nullptr, {});
}

ConsoleSession::Outcome ConsoleSession::Start()
{
    const SingleInstance::Claim claim = instance_.TryAcquire();
    if (claim == SingleInstance::Claim::HeldByAnother) {
        toolkit_.MessageBox(QStringLiteral("Quillo is already running!"), QStringLiteral("Quillo"));
        return Outcome::AlreadyRunning;
    }
    if (!chat_.InitDDE()) {
        if (!chatFailureNote_.isEmpty())
            std::fputs(chatFailureNote_.toLocal8Bit().constData(), stderr);
        toolkit_.ErrorBox(10001, QStringLiteral("Failed to initialize DDE layer"), chat_.Plugin());
        return Outcome::ChatFailed;
    }
    // Copies left by a console killed in the middle of a save; with the folder held, no save
    // of another console can be writing one now.
    if (claim == SingleInstance::Claim::Held)
        RemoveLeftSaveCopies(console_.programFolder);

    window_ = std::make_unique<MainWindow>(console_);
    toolkit_.SetWindow(window_.get(), [this] { window_->ShowState(); });
    console_.controls.Caption = QStringLiteral("QO Single V") + VersionText();

    if (!SetDefaults(console_))
        return Outcome::SettingsFailed;

    const Settings& s = console_.settings;
    if (s.Left > 0)
        window_->MoveToTwips({s.Left, s.Top});
    ApplySettingsToWindow(console_);
    console_.controls.Visible = true;
    window_->ShowState();
    if (claim == SingleInstance::Claim::Unavailable)
        toolkit_.MessageBox(UnwritableFolderText(console_.programFolder),
                            QStringLiteral("Program Error"));

    running_ = true;
    connect(window_.get(), &MainWindow::unloading, this, &ConsoleSession::Shutdown);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QCoreApplication::aboutToQuit, this, &ConsoleSession::Shutdown);
        // A logout asks first: keep the settings then, in case the end comes without warning.
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
            if (running_ && !shutDown_)
                SaveSettings(console_);
        });
    }
    // A game cut short by a crash or a kill is offered back once, from the event loop: with the
    // program's windows in sight, and the end of the run handled should the host close the
    // console while the recovery speaks. Only a game in the folder then is offered: the
    // records are read there, once, not here before the window shows.
    QTimer::singleShot(0, this, &ConsoleSession::offerRecovery);
    return Outcome::Running;
}

void ConsoleSession::offerRecovery()
{
    if (!shutDown_ && OfferRecovery(console_))
        window_->ShowState();
}

void ConsoleSession::Shutdown()
{
    if (!running_ || shutDown_)
        return;
    shutDown_ = true;
    SaveSettings(console_);
    chat_.DapiUnregister();
    chat_.KillDDE();
    toolkit_.Pause().CancelAll(); // a handler caught in a pause unwinds without waiting
    if (window_ && window_->isVisible()) {
        console_.controls.Visible = false;
        window_->hide();
    }
    Q_EMIT ended();
}

void ConsoleSession::SetChatFailureNote(const QString& note)
{
    chatFailureNote_ = note;
}

void ConsoleSession::HandleStopSignals()
{
    if (signals_)
        return;
    signals_ = new ShutdownSignals(this);
    connect(signals_, &ShutdownSignals::requested, this, &ConsoleSession::Shutdown);
}

WidgetToolkit& ConsoleSession::Toolkit()
{
    return toolkit_;
}

ChatLink& ConsoleSession::Chat()
{
    return chat_;
}

Console& ConsoleSession::TheConsole()
{
    return console_;
}

MainWindow* ConsoleSession::Window()
{
    return window_.get();
}

bool ConsoleSession::IsShutDown() const
{
    return shutDown_;
}
