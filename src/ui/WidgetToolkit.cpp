#include "ui/WidgetToolkit.h"

#include "ui/FileFilter.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

#include <utility>

WidgetToolkit::WidgetToolkit(QString startFolder) : startFolder_(std::move(startFolder)) {}

WidgetToolkit::~WidgetToolkit()
{
    SetHourglass(false);
}

void WidgetToolkit::SetWindow(QWidget* mainWindow, std::function<void()> showState)
{
    window_ = mainWindow;
    showState_ = std::move(showState);
}

void WidgetToolkit::SetBoxAnswerer(BoxAnswerer answerer)
{
    boxAnswerer_ = std::move(answerer);
}

void WidgetToolkit::SetFileAnswerer(FileAnswerer answerer)
{
    fileAnswerer_ = std::move(answerer);
}

void WidgetToolkit::ShowState()
{
    if (showState_)
        showState_();
}

Toolkit::Answer WidgetToolkit::box(const ShownBox& shown)
{
    ShowState();
    if (boxAnswerer_)
        return boxAnswerer_(shown);

    // A box over a hidden console would open without a parent on screen; keep it parentless then.
    QWidget* parent = window_ && window_->isVisible() ? window_.data() : nullptr;
    QMessageBox box(parent);
    box.setWindowTitle(shown.Title);
    box.setText(shown.Text);
    switch (shown.Kind) {
    case ShownBox::Type::Message:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case ShownBox::Type::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case ShownBox::Type::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case ShownBox::Type::YesNoQuestion:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    const int pressed = box.exec();
    if (pressed == QMessageBox::Yes)
        return Answer::Yes;
    if (pressed == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel;
}

void WidgetToolkit::MessageBox(const QString& text, const QString& title)
{
    box({ShownBox::Type::Message, text, title});
}

Toolkit::Answer WidgetToolkit::Ask(const QString& text, const QString& title)
{
    return box({ShownBox::Type::Question, text, title});
}

Toolkit::Answer WidgetToolkit::AskYesNo(const QString& text, const QString& title)
{
    return box({ShownBox::Type::YesNoQuestion, text, title}) == Answer::Yes ? Answer::Yes
                                                                            : Answer::No;
}

void WidgetToolkit::ErrorBox(int number, const QString& description, const QString& source)
{
    box({ShownBox::Type::Error,
         QStringLiteral("Error ") + QString::number(number) + QStringLiteral(": ") + description,
         source});
}

std::optional<QString> WidgetToolkit::OpenFileName(const QString& filter)
{
    ShowState();
    const QString dialogFilter = DialogFilter(filter);
    if (fileAnswerer_)
        return fileAnswerer_(dialogFilter, false);
    const QString name =
        QFileDialog::getOpenFileName(window_, QString(), startFolder_, dialogFilter);
    if (name.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(name);
}

std::optional<QString> WidgetToolkit::SaveFileName(const QString& filter, const QString& suggested)
{
    ShowState();
    const QString dialogFilter = DialogFilter(filter);
    if (fileAnswerer_)
        return fileAnswerer_(dialogFilter, true);
    const QString start =
        suggested.isEmpty() ? startFolder_ : QDir(startFolder_).filePath(suggested);
    // The callers ask before replacing a file, once they know the full name.
    const QString name = QFileDialog::getSaveFileName(window_, QString(), start, dialogFilter,
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(name);
}

void WidgetToolkit::WaitTicks(int ticks)
{
    ShowState();
    pause_.Wait(ticks);
}

void WidgetToolkit::ProcessEvents()
{
    ShowState();
    QCoreApplication::processEvents();
}

void WidgetToolkit::SetHourglass(bool on)
{
    if (on == hourglass_ || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    hourglass_ = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

QPoint WidgetToolkit::MainWindowTwips() const
{
    if (!window_)
        return {};
    return WindowTwips(*window_);
}

PauseTimer& WidgetToolkit::Pause()
{
    return pause_;
}

bool WidgetToolkit::Hourglass() const
{
    return hourglass_;
}
