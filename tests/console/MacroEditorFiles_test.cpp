#include "console/MacroEditor.h"
#include "support/EditorConsole.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Answer = Toolkit::Answer;

namespace {

const QString Filter = u"Macro File (*.TXT)|*.txt|All Files (*.*)|*.*"_s;

} // namespace

TEST(MacroEditorFiles, ClosingWithChangesAndNoFileOpensSaveAsAndCancellingStillCloses)
{
    EditorConsole t;
    t.console.controls.Visible = false;
    MacroEditor editor(t.console);
    editor.txtMacroText_Change(u"Welcome!"_s);

    EXPECT_TRUE(editor.Form_Unload()); // Save As cancelled: the default of the fake
    EXPECT_EQ(t.toolkit.FileFilters, QStringList{Filter});
    EXPECT_TRUE(t.toolkit.Questions.isEmpty());
    EXPECT_EQ(t.Macro(1).Text, u"Welcome!"_s); // kept in the set for this run
    EXPECT_TRUE(t.console.settings.MacroFile.isEmpty());
    EXPECT_TRUE(ReadBytes(t.Path(u"quillo.ini"_s)).contains("\r\nMacroFile=\r\n"));
    EXPECT_EQ(t.FilesInFolder(), QStringList{u"quillo.ini"_s});
    EXPECT_TRUE(t.console.controls.Visible);
}

TEST(MacroEditorFiles, ClosingWithChangesSavesToTheNamedFileWithoutAskingAndRecordsIt)
{
    EditorConsole t;
    const QString file = t.Path(u"mine.txt"_s);
    t.console.settings.MacroFile = file;
    MacroEditor editor(t.console);
    editor.txtButton_Click(5);
    editor.txtMacroName_Change(u"Farewell"_s);

    EXPECT_TRUE(editor.Form_Unload());
    EXPECT_TRUE(t.toolkit.Questions.isEmpty());
    EXPECT_TRUE(t.toolkit.FileFilters.isEmpty());
    EXPECT_TRUE(ReadBytes(file).contains("[Macro  5 ]\r\nFarewell\r\nThanks for coming\r\n"));
    EXPECT_FALSE(t.toolkit.Hourglass);
    EXPECT_TRUE(ReadBytes(t.Path(u"quillo.ini"_s))
                    .contains(QByteArray("\r\nMacroFile=" + file.toLocal8Bit() + "\r\n")));
}

TEST(MacroEditorFiles, OpenAsksWithItsTitleThenLoadsAndShowsSlotOneDroppingUnstoredEdits)
{
    EditorConsole t;
    const QString file = t.Path(u"other.txt"_s);
    ASSERT_TRUE(
        WriteBytes(file, "[Macro  1 ]\r\nGreet\r\nHowdy\r\n\r\n[Macro  2 ]\r\nTwo\r\nSecond\r\n\r\n"
                         "[End Macros]\r\n\r\n"));
    MacroEditor editor(t.console);
    editor.txtButton_Click(5);
    editor.txtMacroText_Change(u"not stored"_s);

    t.toolkit.QueueAnswer(Answer::Cancel);
    editor.mnuOpen_Click();
    ASSERT_EQ(t.toolkit.Questions.size(), 1);
    EXPECT_EQ(t.toolkit.Questions[0].Text, u"Save changes to Macro file?"_s);
    EXPECT_EQ(t.toolkit.Questions[0].Title, u"Save Changes?"_s);
    EXPECT_TRUE(t.toolkit.FileFilters.isEmpty());
    EXPECT_EQ(editor.controls.SelectedMacro, 5);

    t.toolkit.QueueAnswer(Answer::No); // and the file dialog is cancelled
    editor.mnuOpen_Click();
    EXPECT_EQ(t.toolkit.FileFilters, QStringList{Filter});
    EXPECT_TRUE(t.console.settings.MacroFile.isEmpty());
    EXPECT_EQ(editor.controls.txtMacroText.Text, u"not stored"_s);

    t.toolkit.QueueAnswer(Answer::No);
    t.toolkit.QueueFileName(file);
    editor.mnuOpen_Click();
    const MacroEditorState& c = editor.controls;
    EXPECT_EQ(t.console.settings.MacroFile, file);
    EXPECT_EQ(c.SelectedMacro, 1);
    EXPECT_EQ(c.Label1, u"Macro 1"_s);
    EXPECT_EQ(c.txtMacroName.Text, u"Greet"_s);
    EXPECT_EQ(c.txtMacroText.Text, u"Howdy\r\n"_s);
    EXPECT_EQ(c.txtMacroGuide, u"Greet"_s);
    EXPECT_FALSE(c.txtMacroName.Locked || c.txtMacroText.Locked);
    EXPECT_FALSE(c.MacrosChanged);
    EXPECT_EQ(t.Macro(5).Text, u"Thanks for coming"_s); // the typing was never stored
    EXPECT_EQ(t.Macro(3).Name, u"Rules"_s);             // not in the file: kept
    EXPECT_FALSE(t.toolkit.Hourglass);

    EXPECT_TRUE(editor.Form_Unload());
    EXPECT_EQ(t.toolkit.Questions.size(), 3); // closing after Open asks nothing
}

TEST(MacroEditorFiles, SaveAsAddsTheExtensionAndAsksBeforeReplacingAFile)
{
    EditorConsole t;
    MacroEditor editor(t.console);
    editor.txtMacroText_Change(u"Hi everyone"_s);

    t.toolkit.QueueFileName(t.Path(u"set"_s));
    EXPECT_TRUE(editor.mnuSaveAs_Click());
    EXPECT_EQ(t.console.settings.MacroFile, t.Path(u"set.txt"_s));
    EXPECT_TRUE(
        ReadBytes(t.Path(u"set.txt"_s)).contains("[Macro  1 ]\r\nHello\r\nHi everyone\r\n"));
    EXPECT_FALSE(editor.controls.MacrosChanged);
    EXPECT_TRUE(t.toolkit.Questions.isEmpty());

    // Replacing asks; No offers the dialog again, Cancel stops with nothing changed.
    ASSERT_TRUE(WriteBytes(t.Path(u"taken.txt"_s), "keep me"));
    editor.txtMacroText_Change(u"Hi again"_s);
    t.toolkit.QueueFileName(t.Path(u"taken.txt"_s));
    t.toolkit.QueueAnswer(Answer::No);
    t.toolkit.QueueFileName(t.Path(u"taken.txt"_s));
    t.toolkit.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(editor.mnuSaveAs_Click());
    ASSERT_EQ(t.toolkit.Questions.size(), 2);
    EXPECT_EQ(t.toolkit.Questions[0].Title, u"Save As"_s);
    EXPECT_TRUE(t.toolkit.Questions[0].Text.contains(u"already exists"_s));
    EXPECT_EQ(ReadBytes(t.Path(u"taken.txt"_s)), "keep me");
    EXPECT_EQ(t.console.settings.MacroFile, t.Path(u"set.txt"_s));
    EXPECT_TRUE(editor.controls.MacrosChanged);
    // Each dialog starts from the file in use, then from the name just refused.
    EXPECT_EQ(t.toolkit.SuggestedNames,
              (QStringList{u""_s, t.Path(u"set.txt"_s), t.Path(u"taken.txt"_s)}));

    t.toolkit.QueueFileName(t.Path(u"taken.txt"_s));
    t.toolkit.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(editor.mnuSaveAs_Click());
    EXPECT_TRUE(ReadBytes(t.Path(u"taken.txt"_s)).contains("Hi again"));
    EXPECT_EQ(t.console.settings.MacroFile, t.Path(u"taken.txt"_s));
}

TEST(MacroEditorFiles, AFailedSaveAsLeavesTheSettingsNamingTheOldFile)
{
    EditorConsole t;
    t.console.settings.MacroFile = t.Path(u"good.txt"_s);
    MacroEditor editor(t.console);
    editor.txtMacroText_Change(u"changed"_s);
    t.toolkit.QueueFileName(t.Path(u"no such folder/bad.txt"_s));
    EXPECT_FALSE(editor.mnuSaveAs_Click());
    EXPECT_EQ(t.console.settings.MacroFile, t.Path(u"good.txt"_s));
    EXPECT_TRUE(editor.controls.MacrosChanged);
    EXPECT_FALSE(t.toolkit.Hourglass);
}

TEST(MacroEditorFiles, TextsTheFileCannotCarryAreNamedBeforeSavingAndTheHostMayGoBack)
{
    EditorConsole t;
    const QString file = t.Path(u"set.txt"_s);
    t.console.settings.MacroFile = file;
    t.Macro(4) = {u"Tab"_s, u"\tindented"_s};
    t.Macro(6) = {u""_s, u"nameless text"_s}; // saved under the name a reload gives it
    t.Macro(12) = {u"Gap"_s, u"line one\r\n\r\nline three"_s};
    t.Macro(14) = {u"Ends"_s, u"trailing break is fine\r\n"_s};
    t.Macro(15) = {u"Space"_s, u" "_s};
    MacroEditor editor(t.console);
    editor.txtMacroText_Change(u"edited"_s);

    t.toolkit.QueueAnswer(Answer::No);
    EXPECT_FALSE(editor.mnuSave_Click());
    ASSERT_EQ(t.toolkit.Questions.size(), 1);
    const QString question = t.toolkit.Questions[0].Text;
    EXPECT_TRUE(question.contains(u"Macro 4 \"Tab\""_s)) << question.toStdString();
    EXPECT_FALSE(question.contains(u"Macro 6"_s)) << question.toStdString();
    EXPECT_TRUE(question.contains(u"Macro 12 \"Gap\""_s)) << question.toStdString();
    EXPECT_FALSE(question.contains(u"Macro 14"_s)) << question.toStdString();
    EXPECT_FALSE(question.contains(u"Macro 15"_s)) << question.toStdString();
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(editor.controls.MacrosChanged);

    // Closing asks too; going back keeps the editor open and writes nothing.
    t.toolkit.QueueAnswer(Answer::No);
    EXPECT_FALSE(editor.Form_Unload());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(QFile::exists(t.Path(u"quillo.ini"_s)));

    t.toolkit.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(editor.Form_Unload());
    EXPECT_TRUE(ReadBytes(file).contains("edited"));
    EXPECT_TRUE(QFile::exists(t.Path(u"quillo.ini"_s)));
}
