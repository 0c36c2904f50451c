#include "text/NumberText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ScoreText, WritesTheShortestFormWithoutPointForWholeValues)
{
    EXPECT_EQ(ScoreText(10.0f), u"10"_s);
    EXPECT_EQ(ScoreText(12.5f), u"12.5"_s);
    EXPECT_EQ(ScoreText(2.5f), u"2.5"_s);
    EXPECT_EQ(ScoreText(0.0f), u"0"_s);
    EXPECT_EQ(ScoreText(-0.0f), u"0"_s);
    EXPECT_EQ(ScoreText(-5.0f), u"-5"_s);
    EXPECT_EQ(ScoreText(0.1f), u"0.1"_s);
    EXPECT_EQ(ScoreText(1234567.0f), u"1234567"_s);
}

TEST(ScoreText, KeepsAtMostSevenSignificantDigits)
{
    EXPECT_EQ(ScoreText(12345678.0f), u"1.234568E+07"_s);
    EXPECT_EQ(ScoreText(10000000.0f), u"1E+07"_s);
    EXPECT_EQ(ScoreText(-32768.0f), u"-32768"_s);
    EXPECT_EQ(ScoreText(1.0f / 3.0f), u"0.3333333"_s);
    EXPECT_EQ(ScoreText(0.00001f), u"1E-05"_s);
}

TEST(NumericPrintForm, PutsABlankOrMinusBeforeAndABlankAfter)
{
    EXPECT_EQ(NumericPrintForm(10), u" 10 "_s);
    EXPECT_EQ(NumericPrintForm(0), u" 0 "_s);
    EXPECT_EQ(NumericPrintForm(-5), u"-5 "_s);
    EXPECT_EQ(NumericPrintForm(12.5f), u" 12.5 "_s);
    EXPECT_EQ(NumericPrintForm(-2.5f), u"-2.5 "_s);
}

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(12.5), 12.0);
    EXPECT_EQ(RoundHalfEven(13.5), 14.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(2.6), 3.0);
}

TEST(ToInt16, ChecksTheRangeAfterRounding)
{
    EXPECT_EQ(ToInt16(32767.0), std::optional<std::int16_t>(32767));
    EXPECT_EQ(ToInt16(-32768.0), std::optional<std::int16_t>(-32768));
    EXPECT_EQ(ToInt16(32767.5), std::nullopt); // rounds to 32768
    EXPECT_EQ(ToInt16(40000.0), std::nullopt);
    EXPECT_EQ(ToInt16(-32768.5), std::optional<std::int16_t>(-32768));
}

TEST(ParseNumber, ReadsDecimalsWithBlanksAroundAndRefusesEverythingElse)
{
    EXPECT_EQ(ParseNumber(u" 12 "), 12.0);
    EXPECT_EQ(ParseNumber(u"-5"), -5.0);
    EXPECT_EQ(ParseNumber(u"+7"), 7.0);
    EXPECT_EQ(ParseNumber(u"2.5"), 2.5);
    EXPECT_EQ(ParseNumber(u".5"), 0.5);
    EXPECT_EQ(ParseNumber(u"5."), 5.0);
    EXPECT_EQ(ParseNumber(u"1e3"), 1000.0);
    EXPECT_EQ(ParseNumber(u"\t6\t"), 6.0);
    for (const char16_t* bad : {u"", u"  ", u"abc", u"12a", u"1 2", u"inf", u"nan", u"-", u".",
                                u"1e", u"++1", u"1,5", u"0x10", u"1e999"})
        EXPECT_EQ(ParseNumber(bad), std::nullopt) << QString::fromUtf16(bad).toStdString();
}
