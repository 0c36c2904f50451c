#pragma once

#include "console/Toolkit.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// A toolkit the tests script: it records every box and question, answers as told, and runs
// queued actions "during" pauses, as the host could click a pop-up menu while lines are said.
class FakeToolkit final : public Toolkit
{
public:
    struct Box
    {
        QString Text;
        QString Title;
    };

    void MessageBox(const QString& text, const QString& title) override;
    Answer Ask(const QString& text, const QString& title) override;
    Answer AskYesNo(const QString& text, const QString& title) override; // No when none queued
    std::optional<QString> OpenFileName(const QString& filter) override;
    std::optional<QString> SaveFileName(const QString& filter, const QString& suggested) override;
    void WaitTicks(int ticks) override;
    void ProcessEvents() override;
    void SetHourglass(bool on) override;
    QPoint MainWindowTwips() const override;

    // Scripting.
    void QueueAnswer(Answer answer);                 // default when none is queued: Cancel
    void QueueFileName(std::optional<QString> name); // default: cancelled
    void DuringNextPause(std::function<void()> action);
    std::function<void(const Box&)> OnMessageBox; // runs while a box is "open"

    // What happened.
    QList<Box> Boxes;
    QList<Box> Questions;
    QStringList FileFilters;
    QStringList SuggestedNames; // what each save dialog started with
    QList<int> Pauses;          // ticks of each pause, in order
    int ProcessEventsCalls = 0;
    bool Hourglass = false;
    QPoint WindowTwips{1440, 1080}; // what MainWindowTwips answers
    int HourglassChanges = 0;

private:
    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> fileNames_;
    std::deque<std::function<void()>> duringPause_;
};
