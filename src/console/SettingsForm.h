#pragma once

#include <QString>

#include <cstdint>

struct Console;
struct Settings;

// What the settings dialog's boxes hold. The dialog has no cancel: whatever these hold when
// it closes becomes the settings.
struct SettingsForm
{
    QString txtRegChar;
    bool chkConfirm = false;
    QString txtCall;
    QString txtWin;
    QString txtLose;
    QString txtPush;
    QString txtStartingScore;
};

// The boxes as the dialog opens: the current settings, the starting score in plain digits.
SettingsForm FillSettingsForm(const Settings& settings);

// The starting score typed in the box: blanks around it ignored, halves to the even
// neighbour. A text that is no number, or a value beyond -32768..32767, keeps `previous`.
std::int16_t ReadStartingScore(const QString& text, std::int16_t previous);

// Closing the dialog, by Close or by its title bar: the boxes go back into the settings,
// the settings file is rewritten and the console is shown again. False when the file could
// not be written (the host has been told; the settings in memory are changed all the same).
bool ApplySettingsForm(Console& console, const SettingsForm& form);
