#include "text/Cp1252.h"
#include "text/Gestures.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Cp1252, EveryCharacterTheConsoleUsesSurvivesARoundTrip)
{
    QString used = u"×¤° abc\u00A0€"_s;
    for (const QString& g : GestureCharacters())
        used += g;
    const QByteArray bytes = ToCp1252(used);
    EXPECT_EQ(bytes.size(), used.size()); // one byte each
    EXPECT_EQ(FromCp1252(bytes), used);
    EXPECT_EQ(static_cast<unsigned char>(ToCp1252(u"×"_s)[0]), 0xD7);
    EXPECT_EQ(static_cast<unsigned char>(ToCp1252(u"€"_s)[0]), 0x80);
}

TEST(Cp1252, CharactersTheCodePageCannotCarryBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(ToCp1252(u"a\u4E2Db"_s), QByteArray("a?b"));
    EXPECT_EQ(ToCp1252(u"x😀y"_s), QByteArray("x?y")); // a pair of surrogates is one character
}

TEST(Cp1252, EveryByteDecodesAndEncodesBack)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(static_cast<char>(i));
    EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
    EXPECT_EQ(FromCp1252(QByteArray("\x93q\x94")), u"\u201Cq\u201D"_s);
}

TEST(Gestures, MarkerIsTheTagForExactlyOneGestureCharacter)
{
    EXPECT_EQ(RegMarker(u"$"_s), u": $"_s);
    EXPECT_EQ(RegMarker(u"°"_s), u": <relax>"_s);
    EXPECT_EQ(RegMarker(u"¹"_s), u": <present>"_s);
    EXPECT_EQ(RegMarker(u"°x"_s), u": °x"_s);
    EXPECT_EQ(RegMarker(u"$$"_s), u": $$"_s);
    EXPECT_EQ(GestureCharacters().size(), 10);
}
