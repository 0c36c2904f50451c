#include "console/SettingsForm.h"

#include "console/Console.h"
#include "console/SettingsFile.h"
#include "text/NumberText.h"

SettingsForm FillSettingsForm(const Settings& settings)
{
    SettingsForm form;
    form.txtCall = settings.Call;
    form.txtWin = settings.WTG;
    form.txtLose = settings.Lose;
    form.txtPush = settings.Push;
    form.txtRegChar = settings.RegChar;
    form.txtStartingScore = QString::number(settings.Start);
    form.chkConfirm = settings.Confirm;
    return form;
}

std::int16_t ReadStartingScore(const QString& text, std::int16_t previous)
{
    const std::optional<double> number = ParseNumber(text);
    if (!number)
        return previous;
    return ToInt16(*number).value_or(previous);
}

bool ApplySettingsForm(Console& console, const SettingsForm& form)
{
    Settings& settings = console.settings;
    // Texts are kept exactly as typed: an emptied message is stored empty and never said.
    settings.Call = form.txtCall;
    settings.WTG = form.txtWin;
    settings.Lose = form.txtLose;
    settings.Push = form.txtPush;
    settings.RegChar = form.txtRegChar;
    settings.Start = ReadStartingScore(form.txtStartingScore, settings.Start);
    settings.Confirm = form.chkConfirm;
    const bool written = SaveSettings(console);
    console.controls.Visible = true;
    return written;
}
