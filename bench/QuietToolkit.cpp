#include "QuietToolkit.h"

#include <QCoreApplication>

void QuietToolkit::MessageBox(const QString&, const QString&) {}

Toolkit::Answer QuietToolkit::Ask(const QString&, const QString&)
{
    return Answer::Cancel;
}

Toolkit::Answer QuietToolkit::AskYesNo(const QString&, const QString&)
{
    return Answer::No;
}

std::optional<QString> QuietToolkit::OpenFileName(const QString&)
{
    return std::nullopt;
}

std::optional<QString> QuietToolkit::SaveFileName(const QString&, const QString&)
{
    return std::nullopt;
}

void QuietToolkit::WaitTicks(int) {}

void QuietToolkit::ProcessEvents()
{
    QCoreApplication::processEvents();
}

void QuietToolkit::SetHourglass(bool) {}

QPoint QuietToolkit::MainWindowTwips() const
{
    return {};
}
