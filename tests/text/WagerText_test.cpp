#include "text/WagerText.h"

#include <QString>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(WagerText, TakesSignedDecimalsWithBlanksAround)
{
    EXPECT_EQ(ParseWager(u"5", u"."), 5.0f);
    EXPECT_EQ(ParseWager(u"  2.5\t", u"."), 2.5f);
    EXPECT_EQ(ParseWager(u"+3", u"."), 3.0f);
    EXPECT_EQ(ParseWager(u"-5", u"."), -5.0f);
    EXPECT_EQ(ParseWager(u".5", u"."), 0.5f);
    EXPECT_EQ(ParseWager(u"7.", u"."), 7.0f);
    EXPECT_EQ(ParseWager(u"0", u"."), 0.0f);
    EXPECT_EQ(ParseWager(u"0.1", u"."), 0.1f); // the float nearest the text, not a double's
    EXPECT_EQ(ParseWager(u"40000", u"."), 40000.0f);
}

TEST(WagerText, TakesTheSystemSeparatorBesideThePoint)
{
    EXPECT_EQ(ParseWager(u"2,5", u","), 2.5f);
    EXPECT_EQ(ParseWager(u"2.5", u","), 2.5f);
    EXPECT_FALSE(ParseWager(u"2,5", u"."));
    EXPECT_FALSE(ParseWager(u"1,2.5", u",")); // still one point at most
}

TEST(WagerText, RefusesEverythingElse)
{
    for (const QString& text :
         {u""_s, u"   "_s, u"abc"_s, u"5a"_s, u"1e3"_s, u"inf"_s, u"nan"_s, u"-inf"_s, u"1,000"_s,
          u"1 000"_s, u"1.2.3"_s, u"--5"_s, u"5-"_s, u"+"_s, u"."_s, u"-."_s, u"0x10"_s, u"５"_s,
          QString(u"1"_s + QString(40, u'0'))}) {
        EXPECT_FALSE(ParseWager(text, u".")) << qPrintable(text);
    }
    EXPECT_TRUE(IsWagerNumber(u" 12 "));
    EXPECT_FALSE(IsWagerNumber(u"twelve"));
}
