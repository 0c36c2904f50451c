#pragma once

#include <QString>

#include <cstdint>

// The macro editor's own state and the properties of its controls that the editing steps
// read and write. The window binds its widgets to it; the logic never sees a widget.
struct MacroEditorState
{
    struct Box
    {
        QString Text; // the macro text's lines are separated by CR LF
        bool Locked = false;
    };

    std::int16_t SelectedMacro = 1; // the slot shown in the two boxes; its button is highlighted
    bool MacrosChanged = false;     // the host has edited since the last open, save or new

    QString Label1; // "Macro " and the selected slot
    Box txtMacroName;
    Box txtMacroText;
    QString txtMacroGuide; // the hint: name of the macro last under the mouse
    QString Focus;         // objectName of the control to take the keyboard focus, if any
};
