#include "irc/IrcNick.h"

#include <QStringBuilder>

#include <gtest/gtest.h>

TEST(IrcNick, OnlyNamesOfLettersDigitsAndSpecialsAreNicks)
{
    for (const QByteArray nick : {"Host", "Mary_Ann", "[Bob]", "a-1", "`x", "{x}|^", "x\\y"})
        EXPECT_TRUE(IrcNick::IsValid(nick)) << nick.constData();
    const QByteArray bad[] = {"",       "1abc",  "-abc",  "Mary Ann",           "a:b",
                              "a\r\nb", "a\x01", "a\x7f", "Jos\xc3\xa9",        "a!b",
                              "a@b",    "#chan", "a,b",   QByteArray("a\0b", 3)};
    for (const QByteArray& nick : bad)
        EXPECT_FALSE(IrcNick::IsValid(nick)) << nick.toHex().constData();
    EXPECT_TRUE(IrcNick::IsValid(QByteArray(IrcNick::MaxLength, 'a')));
    EXPECT_FALSE(IrcNick::IsValid(QByteArray(IrcNick::MaxLength + 1, 'a')));
}

TEST(IrcNick, AlternativesAreDistinctValidAndBounded)
{
    EXPECT_EQ(IrcNick::Alternative("Host", 1), QByteArray("Host_"));
    EXPECT_EQ(IrcNick::Alternative("Host", 2), QByteArray("Host2"));
    EXPECT_EQ(IrcNick::Alternative("Host", IrcNick::MaxAlternatives),
              QByteArray("Host") + QByteArray::number(IrcNick::MaxAlternatives));
    EXPECT_EQ(IrcNick::Alternative("Host", 0), QByteArray("Host"));
    EXPECT_EQ(IrcNick::Alternative("Abcdefghijk", 0, 9), QByteArray("Abcdefghi"));
    EXPECT_EQ(IrcNick::Alternative("Abcdefghijk", 2, 9), QByteArray("Abcdefgh2"));
    EXPECT_TRUE(IrcNick::Alternative("Host", -1).isEmpty());
    EXPECT_TRUE(IrcNick::Alternative("Host", IrcNick::MaxAlternatives + 1).isEmpty());
    const QByteArray longest(IrcNick::MaxLength, 'a');
    for (int i = 1; i <= IrcNick::MaxAlternatives; ++i) {
        const QByteArray alt = IrcNick::Alternative(longest, i);
        EXPECT_TRUE(IrcNick::IsValid(alt)) << alt.constData();
        EXPECT_NE(alt, longest);
    }
}

TEST(IrcNick, CaseMappingOfRfc1459)
{
    EXPECT_TRUE(IrcNick::Same("HOST", "host"));
    EXPECT_TRUE(IrcNick::Same("[a]\\~", "{A}|^"));
    EXPECT_FALSE(IrcNick::Same("Host", "Host_"));
    EXPECT_FALSE(IrcNick::Same("a", "b"));
}
