#include "console/MacroEditor.h"
#include "console/SettingsFile.h"
#include "support/EditorConsole.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Answer = Toolkit::Answer;

namespace {

const QString Filter = u"Macro File (*.TXT)|*.txt|All Files (*.*)|*.*"_s;

} // namespace

TEST(MacroEditor, OpeningShowsSlotOneAndClosingUntouchedAsksNothingAndWritesNoMacroFile)
{
    EditorConsole t;
    t.console.controls.Visible = false;
    MacroEditor editor(t.console);
    const MacroEditorState& c = editor.controls;
    EXPECT_EQ(c.SelectedMacro, 1);
    EXPECT_FALSE(c.MacrosChanged);
    EXPECT_EQ(c.Label1, u"Macro 1"_s);
    EXPECT_EQ(c.txtMacroName.Text, u"Hello"_s);
    EXPECT_EQ(c.txtMacroText.Text, u"Hi all"_s);
    EXPECT_EQ(c.txtMacroGuide, u"Hello"_s);
    EXPECT_FALSE(c.txtMacroName.Locked || c.txtMacroText.Locked);

    editor.txtButton_Click(4);
    editor.txtButton_MouseMove(3);
    EXPECT_EQ(c.txtMacroGuide, u"Rules"_s);
    EXPECT_FALSE(c.MacrosChanged); // the editor's own filling is no edit

    EXPECT_TRUE(editor.Form_Unload());
    EXPECT_TRUE(t.toolkit.Questions.isEmpty());
    EXPECT_TRUE(t.toolkit.FileFilters.isEmpty());
    EXPECT_TRUE(t.toolkit.Boxes.isEmpty());
    EXPECT_EQ(t.FilesInFolder(), QStringList{u"quillo.ini"_s}); // settings only
    EXPECT_TRUE(t.console.controls.Visible);
}

TEST(MacroEditor, BoxesGoBackIntoTheSetOnlyWhenAnotherButtonIsClicked)
{
    EditorConsole t;
    MacroEditor editor(t.console);
    const MacroEditorState& c = editor.controls;

    editor.txtButton_Click(3);
    EXPECT_EQ(c.Label1, u"Macro 3"_s);
    EXPECT_EQ(c.Focus, u"txtMacroName"_s);
    editor.txtMacroText_Change(u"Typed"_s);
    EXPECT_TRUE(c.MacrosChanged);
    EXPECT_EQ(t.Macro(3).Text, u"Higher or lower?\r\nWager first."_s); // not stored yet

    editor.txtButton_Click(5);
    EXPECT_EQ(t.Macro(3).Text, u"Typed"_s);
    EXPECT_EQ(c.txtMacroText.Text, u"Thanks for coming"_s);
    editor.txtButton_Click(3);
    EXPECT_EQ(c.txtMacroText.Text, u"Typed"_s);
    EXPECT_EQ(c.txtMacroName.Text, u"Rules"_s);

    // Clicking the button already shown reloads it and drops the typing.
    editor.txtMacroText_Change(u"Typed more"_s);
    editor.txtMacroName_Change(u"Renamed"_s);
    editor.txtButton_Click(3);
    EXPECT_EQ(c.txtMacroText.Text, u"Typed"_s);
    EXPECT_EQ(c.txtMacroName.Text, u"Rules"_s);
    EXPECT_EQ(t.Macro(3).Name, u"Rules"_s);
}

TEST(MacroEditor, BuiltInsAreShownLockedAsDefinedWhateverTheSetHolds)
{
    EditorConsole t;
    t.Macro(9) = {u"Tampered"_s, u"nonsense"_s};
    MacroEditor editor(t.console);
    const MacroEditorState& c = editor.controls;

    editor.txtButton_Click(9);
    EXPECT_EQ(c.txtMacroName.Text, u"Call for Regs"_s);
    EXPECT_EQ(c.txtMacroText.Text,
              u"To register ESP a %reg% to %host%, if you haven't done it yet."_s);
    EXPECT_TRUE(c.txtMacroName.Locked && c.txtMacroText.Locked);
    EXPECT_EQ(c.Label1, u"Macro 9"_s);

    editor.txtButton_Click(11);
    EXPECT_FALSE(c.txtMacroName.Locked || c.txtMacroText.Locked);
    EXPECT_EQ(t.Macro(9).Name, u"Call for Regs"_s); // what the boxes showed was stored
}

TEST(MacroEditor, NewAsksWithItsTitleAndCancelChangesNothing)
{
    EditorConsole t;
    t.console.settings.MacroFile = t.Path(u"old.txt"_s);
    MacroEditor editor(t.console);
    editor.txtMacroText_Change(u"edited"_s);

    t.toolkit.QueueAnswer(Answer::Cancel);
    editor.mnuNew_Click();
    ASSERT_EQ(t.toolkit.Questions.size(), 1);
    EXPECT_EQ(t.toolkit.Questions[0].Text, u"Save changes to Macro file?"_s);
    EXPECT_EQ(t.toolkit.Questions[0].Title, u"Save Changes"_s);
    EXPECT_EQ(t.console.settings.MacroFile, t.Path(u"old.txt"_s));
    EXPECT_EQ(t.Macro(3).Name, u"Rules"_s);
    EXPECT_TRUE(editor.controls.MacrosChanged);
    EXPECT_EQ(editor.controls.txtMacroText.Text, u"edited"_s);

    t.toolkit.QueueAnswer(Answer::No);
    editor.mnuNew_Click();
    EXPECT_TRUE(t.console.settings.MacroFile.isEmpty());
    EXPECT_FALSE(editor.controls.MacrosChanged);
    EXPECT_TRUE(t.Macro(3).Name.isEmpty() && t.Macro(3).Text.isEmpty());
    EXPECT_TRUE(t.Macro(1).Text.isEmpty());
    // The built-ins survive, or Get Regs would be dead for the rest of the run.
    EXPECT_EQ(t.Macro(10).Name, u"Get Regs"_s);
    EXPECT_EQ(t.Macro(10).Text, u"%getregs%"_s);
    // The boxes stay as they were, to be stored like any edit.
    EXPECT_EQ(editor.controls.txtMacroText.Text, u"edited"_s);
    EXPECT_FALSE(QFile::exists(t.Path(u"old.txt"_s)));
}

TEST(MacroEditor, AnsweringYesButNotSavingKeepsTheSetInsteadOfGoingOn)
{
    EditorConsole t;
    MacroEditor editor(t.console);
    editor.txtMacroText_Change(u"precious"_s);
    t.toolkit.QueueAnswer(Answer::Yes); // save first...
    // ...but the Save As dialog is cancelled (no file name queued).
    editor.mnuNew_Click();
    EXPECT_EQ(t.toolkit.FileFilters, QStringList{Filter});
    EXPECT_EQ(t.Macro(1).Text, u"precious"_s);
    EXPECT_EQ(t.Macro(3).Name, u"Rules"_s);
    EXPECT_TRUE(editor.controls.MacrosChanged);
}

TEST(MacroEditor, TheConsolesButtonTipsNameTheMacrosFromStartUpAndAfterARename)
{
    EditorConsole t;
    ASSERT_TRUE(SetDefaults(t.console));
    const auto& tips = t.console.controls.ToolTips.txtButton;
    EXPECT_EQ(tips[1], u"Hello"_s);
    EXPECT_EQ(tips[8], u"Scores"_s);
    EXPECT_EQ(tips[10], u"Get Regs"_s);
    EXPECT_TRUE(tips[2].isEmpty());

    MacroEditor editor(t.console);
    editor.txtMacroName_Change(u"Welcome"_s);
    editor.txtButton_Click(5);
    editor.txtMacroName_Change(u""_s); // a name taken away takes its tip too
    t.toolkit.QueueFileName(std::nullopt);
    EXPECT_TRUE(editor.Form_Unload());
    EXPECT_EQ(tips[1], u"Welcome"_s);
    EXPECT_TRUE(tips[5].isEmpty());
    EXPECT_EQ(tips[9], u"Call for Regs"_s);
}
