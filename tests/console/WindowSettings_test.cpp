#include "console/SpeedMenu.h"
#include "console/WindowSettings.h"
#include "support/TestConsole.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

int CheckedSpeeds(const ConsoleState& c)
{
    return int(c.mnuVeryFast.Checked) + int(c.mnuFast.Checked) + int(c.mnuMedium.Checked) +
           int(c.mnuSlow.Checked);
}

} // namespace

TEST(WindowSettings, EveryDesignMarkIsReplacedAndAnUnknownSpeedBecomesFast)
{
    TestConsole t;
    Settings& s = t.console.settings;
    ConsoleState& c = t.console.controls;
    s.Delay = -1;
    s.Points = false;
    s.DayOfWeek = true;
    s.Start = 15;
    c.optHigher.Checked = true;
    c.chkAll.Checked = true;
    ApplySettingsToWindow(t.console);

    EXPECT_EQ(s.Delay, SpeedFast);
    EXPECT_TRUE(c.mnuFast.Checked);
    EXPECT_EQ(CheckedSpeeds(c), 1);
    EXPECT_FALSE(c.mnuMonthlyDOW.Checked);
    EXPECT_FALSE(c.mnuMonthlyAll.Checked);
    EXPECT_FALSE(c.mnuList.Enabled);
    EXPECT_FALSE(c.mnuOnTop.Checked);
    EXPECT_FALSE(c.optHigher.Checked || c.optLower.Checked || c.chkAll.Checked);
    EXPECT_EQ(c.txtWager.Text, u"15"_s);

    s.Delay = SpeedSlow;
    s.Points = true;
    s.DayOfWeek = false;
    s.OnTop = true;
    ApplySettingsToWindow(t.console);
    EXPECT_TRUE(c.mnuSlow.Checked);
    EXPECT_EQ(CheckedSpeeds(c), 1);
    EXPECT_TRUE(c.mnuMonthlyAll.Checked);
    EXPECT_FALSE(c.mnuMonthlyDOW.Checked);
    EXPECT_TRUE(c.mnuList.Enabled);
    EXPECT_TRUE(c.mnuOnTop.Checked);
}

TEST(WindowSettings, StayOnTopFlipsWithoutWritingTheFile)
{
    TestConsole t;
    mnuOnTop_Click(t.console);
    EXPECT_TRUE(t.console.settings.OnTop);
    EXPECT_TRUE(t.console.controls.mnuOnTop.Checked);
    mnuOnTop_Click(t.console);
    EXPECT_FALSE(t.console.settings.OnTop);
    EXPECT_FALSE(t.console.controls.mnuOnTop.Checked);
    EXPECT_FALSE(QFile::exists(t.Path(u"quillo.ini"_s)));
}

TEST(SpeedMenu, EachItemSetsItsDelayAndSavesWithTheLivePosition)
{
    TestConsole t;
    t.toolkit.WindowTwips = QPoint(3000, 1500);
    mnuSlow_Click(t.console);
    EXPECT_EQ(t.console.settings.Delay, SpeedSlow);
    EXPECT_TRUE(t.console.controls.mnuSlow.Checked);
    EXPECT_EQ(CheckedSpeeds(t.console.controls), 1);
    QFile file(t.Path(u"quillo.ini"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\r\nDelay= 3 \r\n"));
    EXPECT_TRUE(text.contains("\r\nLeft= 3000 \r\n"));

    mnuVeryFast_Click(t.console);
    EXPECT_EQ(t.console.settings.Delay, SpeedVeryFast);
    EXPECT_TRUE(t.console.controls.mnuVeryFast.Checked);
    EXPECT_FALSE(t.console.controls.mnuSlow.Checked);
}
