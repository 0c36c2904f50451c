#pragma once

#include "console/Toolkit.h"
#include "ui/PauseTimer.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The toolkit of the real windows: message boxes, the Yes/No/Cancel question, the file
// dialogs, the 130 ms pause, event processing and the hourglass.
//
// Before every box, pause or round of event processing it shows the console state in the
// window (the show hook), so the host sees each change while the lines are said.
//
// Tests (and anything that must never block) can answer the boxes and file dialogs instead of
// the host: with an answerer set, no modal window opens.
class WidgetToolkit final : public Toolkit
{
public:
    struct ShownBox
    {
        enum class Type
        {
            Message,
            Question,
            YesNoQuestion,
            Error
        };
        Type Kind;
        QString Text;
        QString Title;
    };
    using BoxAnswerer = std::function<Answer(const ShownBox&)>;
    using FileAnswerer =
        std::function<std::optional<QString>(const QString& dialogFilter, bool save)>;

    explicit WidgetToolkit(QString startFolder = {});
    ~WidgetToolkit() override;

    void MessageBox(const QString& text, const QString& title) override;
    Answer Ask(const QString& text, const QString& title) override;
    Answer AskYesNo(const QString& text, const QString& title) override;
    std::optional<QString> OpenFileName(const QString& filter) override;
    std::optional<QString> SaveFileName(const QString& filter, const QString& suggested) override;
    void WaitTicks(int ticks) override;
    void ProcessEvents() override;
    void SetHourglass(bool on) override;
    QPoint MainWindowTwips() const override;

    // The error box of a failed start: its number, description and source.
    void ErrorBox(int number, const QString& description, const QString& source);

    void SetWindow(QWidget* mainWindow, std::function<void()> showState);
    void SetBoxAnswerer(BoxAnswerer answerer);
    void SetFileAnswerer(FileAnswerer answerer);

    PauseTimer& Pause();
    bool Hourglass() const;

private:
    Answer box(const ShownBox& shown);
    void ShowState();

    QString startFolder_;
    QPointer<QWidget> window_;
    std::function<void()> showState_;
    BoxAnswerer boxAnswerer_;
    FileAnswerer fileAnswerer_;
    PauseTimer pause_;
    bool hourglass_ = false;
};
