#include "text/FixedLines.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(FixedLines, BannerVersionAndContactHaveTheirFixedFrames)
{
    EXPECT_TRUE(OpeningBanner().startsWith(u"×××  Quillo"_s));
    EXPECT_TRUE(OpeningBanner().endsWith(u"  ×××"_s));
    EXPECT_EQ(VersionLine(), u"×××  Single Player Version 3.0.0  ×××"_s);
    EXPECT_TRUE(ContactLine().startsWith(u"××× Inquiries - mailto: "_s));
    EXPECT_TRUE(ContactLine().endsWith(u"@example.org ×××"_s));
}
