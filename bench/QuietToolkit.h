#pragma once

#include "console/Toolkit.h"

// A toolkit that answers at once and shows nothing, so a benchmark measures the logic's own
// cost; it still lets the event loop run, since the practice room delivers from there.
class QuietToolkit final : public Toolkit
{
public:
    void MessageBox(const QString& text, const QString& title) override;
    Answer Ask(const QString& text, const QString& title) override;
    Answer AskYesNo(const QString& text, const QString& title) override;
    std::optional<QString> OpenFileName(const QString& filter) override;
    std::optional<QString> SaveFileName(const QString& filter, const QString& name) override;
    void WaitTicks(int ticks) override;
    void ProcessEvents() override;
    void SetHourglass(bool on) override;
    QPoint MainWindowTwips() const override;
};
