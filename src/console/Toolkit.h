#pragma once

#include "chat/PendingEvents.h"

#include <QPoint>
#include <QString>

#include <optional>

// What the logic needs from the windowing toolkit beyond the console state. The windows
// implement it with real dialogs and timers; tests use a scripted fake.
class Toolkit : public PendingEvents
{
public:
    enum class Answer
    {
        Yes,
        No,
        Cancel
    };

    // A message box with a title and one OK button; returns when the host closes it.
    virtual void MessageBox(const QString& text, const QString& title) = 0;

    // A Yes/No/Cancel question.
    virtual Answer Ask(const QString& text, const QString& title) = 0;

    // A question with Yes and No only; closing the box answers No.
    virtual Answer AskYesNo(const QString& text, const QString& title) = 0;

    // The common file dialog. The filter is written "Label|pattern|Label|pattern".
    // Empty when the host cancels.
    virtual std::optional<QString> OpenFileName(const QString& filter) = 0;
    virtual std::optional<QString> SaveFileName(const QString& filter,
                                                const QString& suggested) = 0;

    // Waits for the given number of 130 ms ticks of the pause timer while the console keeps
    // handling events, so pop-up menus, card boxes and chat callbacks work meanwhile.
    virtual void WaitTicks(int ticks) = 0;

    // The application-wide hourglass pointer.
    virtual void SetHourglass(bool on) = 0;

    // Where the main window stands now, in twips (15 per pixel at 96 dpi): the settings file
    // keeps the live position, not the one read at start-up.
    virtual QPoint MainWindowTwips() const = 0;
};
