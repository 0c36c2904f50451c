#include "FakeToolkit.h"

#include <QCoreApplication>

#include <utility>

void FakeToolkit::MessageBox(const QString& text, const QString& title)
{
    Boxes.append({text, title});
    if (OnMessageBox)
        OnMessageBox(Boxes.last());
}

Toolkit::Answer FakeToolkit::Ask(const QString& text, const QString& title)
{
    Questions.append({text, title});
    if (answers_.empty())
        return Answer::Cancel;
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

Toolkit::Answer FakeToolkit::AskYesNo(const QString& text, const QString& title)
{
    return Ask(text, title) == Answer::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> FakeToolkit::OpenFileName(const QString& filter)
{
    FileFilters.append(filter);
    if (fileNames_.empty())
        return std::nullopt;
    std::optional<QString> name;
    name.swap(fileNames_.front());
    fileNames_.pop_front();
    return name;
}

std::optional<QString> FakeToolkit::SaveFileName(const QString& filter, const QString& suggested)
{
    SuggestedNames.append(suggested);
    return OpenFileName(filter);
}

void FakeToolkit::WaitTicks(int ticks)
{
    Pauses.append(ticks);
    // A pause handles events: queued chat deliveries and whatever the test does "meanwhile".
    QCoreApplication::processEvents();
    if (!duringPause_.empty()) {
        auto action = std::move(duringPause_.front());
        duringPause_.pop_front();
        action();
    }
}

void FakeToolkit::ProcessEvents()
{
    ++ProcessEventsCalls;
    QCoreApplication::processEvents();
}

void FakeToolkit::SetHourglass(bool on)
{
    if (on != Hourglass)
        ++HourglassChanges;
    Hourglass = on;
}

void FakeToolkit::QueueAnswer(Answer answer)
{
    answers_.push_back(answer);
}

void FakeToolkit::QueueFileName(std::optional<QString> name)
{
    fileNames_.push_back(std::move(name));
}

void FakeToolkit::DuringNextPause(std::function<void()> action)
{
    duringPause_.push_back(std::move(action));
}

QPoint FakeToolkit::MainWindowTwips() const
{
    return WindowTwips;
}
