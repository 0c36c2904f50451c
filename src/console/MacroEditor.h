#pragma once

#include "console/MacroEditorState.h"

#include <QString>

struct Console;
struct MacroRecord;

// The macro editor's steps. The boxes hold the selected macro while the host edits it; they
// go back into the macro set only when another button is clicked, on Save, Save As and on
// closing. Only the host's own edits count as changes, never the editor filling its boxes.
class MacroEditor
{
public:
    // Opening the editor: slot 1 shown, nothing changed yet.
    explicit MacroEditor(Console& console);

    static const QString FileFilter;

    void txtButton_Click(int index);
    void txtButton_MouseMove(int index);

    // The host typed in a box (the window never reports its own filling of the boxes).
    void txtMacroName_Change(const QString& text);
    void txtMacroText_Change(const QString& text);

    void mnuNew_Click();
    void mnuOpen_Click();
    bool mnuSave_Click();   // true when the set was written
    bool mnuSaveAs_Click(); // true when the set was written

    // File > Exit or the close box. False only when the host chose to go back and mend texts
    // the file cannot keep; otherwise the editor is done and the console is shown again.
    bool Form_Unload();

    MacroEditorState controls;

private:
    MacroRecord& slot(int index);
    void storeBoxes();
    void showSlot(int index);
    bool askToSaveChanges(const QString& title);
    bool confirmLosses();
    bool chooseFileAndSave();
    bool writeMacros();

    Console& console_;
};
