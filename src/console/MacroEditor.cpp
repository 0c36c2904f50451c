#include "console/MacroEditor.h"

#include "console/Console.h"
#include "console/MacroFile.h"
#include "console/Toolkit.h"
#include "macros/BuiltInMacros.h"

const QString MacroEditor::FileFilter =
    QStringLiteral("Macro File (*.TXT)|*.txt|All Files (*.*)|*.*");

namespace {

bool isBuiltIn(int index)
{
    return index >= 8 && index <= 10;
}

} // namespace

MacroEditor::MacroEditor(Console& console) : console_(console)
{
    controls.SelectedMacro = 1;
    controls.MacrosChanged = false;
    controls.txtMacroText = {slot(1).Text, false};
    controls.txtMacroName = {slot(1).Name, false};
    controls.txtMacroGuide = slot(1).Name;
    controls.Label1 = QStringLiteral("Macro 1");
}

MacroRecord& MacroEditor::slot(int index)
{
    return console_.macros[static_cast<std::size_t>(index)];
}

void MacroEditor::storeBoxes()
{
    MacroRecord& macro = slot(controls.SelectedMacro);
    macro.Name = controls.txtMacroName.Text;
    macro.Text = controls.txtMacroText.Text;
}

// Fills the boxes from slot `index` without storing what they held.
void MacroEditor::showSlot(int index)
{
    controls.SelectedMacro = static_cast<std::int16_t>(index);
    controls.Focus = QStringLiteral("txtMacroName");
    controls.Label1 = QStringLiteral("Macro ") + QString::number(index);
    if (!isBuiltIn(index)) {
        controls.txtMacroName = {slot(index).Name, false};
        controls.txtMacroText = {slot(index).Text, false};
        return;
    }
    // The built-ins are shown as they are defined, whatever the set holds for them now.
    MacroTable builtIns{};
    SetBuiltInMacros(builtIns);
    const MacroRecord& builtIn = builtIns[static_cast<std::size_t>(index)];
    controls.txtMacroName = {builtIn.Name, true};
    controls.txtMacroText = {builtIn.Text, true};
}

void MacroEditor::txtButton_Click(int index)
{
    if (index < 1 || index >= MacroSlots)
        return;
    // Clicking the button already shown reloads its stored macro and drops the edits.
    if (index != controls.SelectedMacro)
        storeBoxes();
    showSlot(index);
}

void MacroEditor::txtButton_MouseMove(int index)
{
    if (index >= 1 && index < MacroSlots)
        controls.txtMacroGuide = slot(index).Name;
}

void MacroEditor::txtMacroName_Change(const QString& text)
{
    controls.txtMacroName.Text = text;
    controls.MacrosChanged = true;
}

void MacroEditor::txtMacroText_Change(const QString& text)
{
    controls.txtMacroText.Text = text;
    controls.MacrosChanged = true;
}

// False when the host cancelled, or asked for a save that did not happen: going on would
// throw away the very changes the host wanted kept.
bool MacroEditor::askToSaveChanges(const QString& title)
{
    if (!controls.MacrosChanged)
        return true;
    switch (console_.toolkit.Ask(QStringLiteral("Save changes to Macro file?"), title)) {
    case Toolkit::Answer::Yes:
        return mnuSave_Click();
    case Toolkit::Answer::No:
        return true;
    case Toolkit::Answer::Cancel:
        break;
    }
    return false;
}

void MacroEditor::mnuNew_Click()
{
    if (!askToSaveChanges(QStringLiteral("Save Changes")))
        return;
    console_.settings.MacroFile.clear();
    for (int index = 1; index < MacroSlots; ++index)
        slot(index) = MacroRecord{};
    // The built-ins stay: without them the main window's Scores, Call for Regs and Get Regs
    // buttons would say nothing for the rest of the run.
    SetBuiltInMacros(console_.macros);
    controls.MacrosChanged = false;
}

void MacroEditor::mnuOpen_Click()
{
    if (!askToSaveChanges(QStringLiteral("Save Changes?")))
        return;
    const std::optional<QString> path = console_.toolkit.OpenFileName(FileFilter);
    if (!path)
        return;
    console_.toolkit.SetHourglass(true);
    console_.settings.MacroFile = *path;
    LoadMacros(console_);
    controls.MacrosChanged = false;
    // Edits not stored before the question are dropped: slot 1 is shown as loaded.
    showSlot(1);
    controls.txtMacroGuide = slot(1).Name;
    console_.toolkit.SetHourglass(false);
}
