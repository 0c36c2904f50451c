#include "text/TextLines.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList allLines(const QString& text, TextLines::LineFeed lineFeed)
{
    TextLines lines(text, lineFeed);
    QStringList result;
    while (const auto line = lines.Next())
        result.append(*line);
    EXPECT_TRUE(lines.AtEnd());
    return result;
}

} // namespace

TEST(TextLines, LinesEndAtCarriageReturnsAndAFinalEndAddsNoLine)
{
    const auto cr = TextLines::LineFeed::PartOfLine;
    EXPECT_EQ(allLines(u"a\r\nb\rc"_s, cr), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
    EXPECT_EQ(allLines(u"a\r\n"_s, cr), QStringList{u"a"_s});
    EXPECT_EQ(allLines(u"a\r\n\r\n"_s, cr), (QStringList{u"a"_s, QString()}));
    EXPECT_EQ(allLines(u"a\nb\r\n\nc"_s, cr), (QStringList{u"a\nb"_s, u"\nc"_s}));
    EXPECT_EQ(allLines(QString(), cr), QStringList());

    const auto lf = TextLines::LineFeed::EndsLine;
    EXPECT_EQ(allLines(u"a\nb\r\n\nc\n"_s, lf), (QStringList{u"a"_s, u"b"_s, QString(), u"c"_s}));
}
