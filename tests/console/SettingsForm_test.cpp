#include "console/SettingsFile.h"
#include "console/SettingsForm.h"
#include "support/FileBytes.h"
#include "support/TestConsole.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SettingsForm, OpensWithTheCurrentSettingsNotTheDesignTexts)
{
    TestConsole t;
    Settings& s = t.console.settings;
    s.Call = u"Up you come, %player%"_s;
    s.WTG = u"yay"_s;
    s.Lose = u"boo"_s;
    s.Push = u""_s;
    s.RegChar = u"²"_s;
    s.Start = -5;
    s.Confirm = false;

    const SettingsForm form = FillSettingsForm(s);
    EXPECT_EQ(form.txtCall, u"Up you come, %player%"_s);
    EXPECT_EQ(form.txtWin, u"yay"_s);
    EXPECT_EQ(form.txtLose, u"boo"_s);
    EXPECT_EQ(form.txtPush, u""_s);
    EXPECT_EQ(form.txtRegChar, u"²"_s);
    EXPECT_EQ(form.txtStartingScore, u"-5"_s); // plain digits, no print-form blanks
    EXPECT_FALSE(form.chkConfirm);
    s.Confirm = true;
    EXPECT_TRUE(FillSettingsForm(s).chkConfirm);
}

TEST(SettingsForm, StartingScoreIgnoresBlanksRoundsHalvesToEvenAndKeepsThePreviousOnNonsense)
{
    EXPECT_EQ(ReadStartingScore(u"  12  "_s, 10), 12);
    EXPECT_EQ(ReadStartingScore(u"\t7\t"_s, 10), 7);
    EXPECT_EQ(ReadStartingScore(u"2.5"_s, 10), 2);
    EXPECT_EQ(ReadStartingScore(u"3.5"_s, 10), 4);
    EXPECT_EQ(ReadStartingScore(u"-2.5"_s, 10), -2);
    EXPECT_EQ(ReadStartingScore(u"-32768"_s, 10), -32768);
    EXPECT_EQ(ReadStartingScore(u"32767"_s, 10), 32767);
    EXPECT_EQ(ReadStartingScore(u"32768"_s, 10), 10);
    EXPECT_EQ(ReadStartingScore(u"-40000"_s, 9), 9);
    EXPECT_EQ(ReadStartingScore(u"ten"_s, 10), 10);
    EXPECT_EQ(ReadStartingScore(u""_s, 15), 15);
    EXPECT_EQ(ReadStartingScore(u"1 2"_s, 15), 15);
}

TEST(SettingsForm, ClosingCopiesTheBoxesBackWritesTheFileAndShowsTheConsole)
{
    TestConsole t;
    t.console.controls.Visible = false; // hidden while the dialog is open
    SettingsForm form = FillSettingsForm(t.console.settings);
    form.txtRegChar = u"#"_s;
    form.chkConfirm = false;
    form.txtCall = u"  %player%, come up  "_s; // taken exactly as typed
    form.txtWin = u""_s;
    form.txtLose = u"lost"_s;
    form.txtPush = u"even"_s;
    form.txtStartingScore = u" 12 "_s;

    EXPECT_TRUE(ApplySettingsForm(t.console, form));

    const Settings& s = t.console.settings;
    EXPECT_EQ(s.RegChar, u"#"_s);
    EXPECT_FALSE(s.Confirm);
    EXPECT_EQ(s.Call, u"  %player%, come up  "_s);
    EXPECT_EQ(s.WTG, u""_s);
    EXPECT_EQ(s.Lose, u"lost"_s);
    EXPECT_EQ(s.Push, u"even"_s);
    EXPECT_EQ(s.Start, 12);
    EXPECT_TRUE(t.console.controls.Visible);

    const QByteArray written = ReadBytes(t.Path(u"quillo.ini"_s));
    EXPECT_TRUE(written.contains("\r\nRegChar=#\r\n"));
    EXPECT_TRUE(written.contains("\r\nStart= 12 \r\n"));
    EXPECT_TRUE(written.contains("\r\nConfirm=False\r\n"));
    EXPECT_TRUE(written.contains("\r\nCall=  %player%, come up  \r\n"));
    EXPECT_TRUE(written.contains("\r\nWTG=\r\nLose=lost\r\nPush=even\r\n"));
}

TEST(SettingsForm, ClosingUntouchedRewritesTheSameFileAndBadScoresKeepTheOldStart)
{
    TestConsole t;
    t.console.settings.Start = 25;
    t.console.settings.RegChar = u"°"_s;
    ASSERT_TRUE(SaveSettings(t.console));
    const QByteArray before = ReadBytes(t.Path(u"quillo.ini"_s));
    ASSERT_FALSE(before.isEmpty());

    ApplySettingsForm(t.console, FillSettingsForm(t.console.settings));
    EXPECT_EQ(ReadBytes(t.Path(u"quillo.ini"_s)), before);

    SettingsForm form = FillSettingsForm(t.console.settings);
    form.txtStartingScore = u"lots"_s;
    ApplySettingsForm(t.console, form);
    EXPECT_EQ(t.console.settings.Start, 25);
    EXPECT_EQ(ReadBytes(t.Path(u"quillo.ini"_s)), before);
}
