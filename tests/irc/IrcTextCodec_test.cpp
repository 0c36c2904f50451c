#include "irc/IrcTextCodec.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(IrcTextCodec, Utf8FromIrcBecomesWindows1252WithQuestionMarksForTheRest)
{
    EXPECT_EQ(IrcTextCodec::ToConsole("\xc3\x97\xc3\x97 \xe2\x82\xac 5"),
              QByteArray("\xd7\xd7 \x80 5"));
    EXPECT_EQ(IrcTextCodec::ToConsole("a\xe4\xb8\xad"
                                      "b\xf0\x9f\x98\x80"
                                      "c"),
              QByteArray("a?b?c"));
    EXPECT_EQ(IrcTextCodec::ToConsole("plain"), QByteArray("plain"));
}

TEST(IrcTextCodec, InvalidUtf8IsReadAsLatin1)
{
    EXPECT_EQ(IrcTextCodec::Decode("caf\xe9"), u"café"_s);
    EXPECT_EQ(IrcTextCodec::ToConsole("caf\xe9 \xd7"), QByteArray("caf\xe9 \xd7"));
    // A lone continuation byte or a cut-off sequence is not UTF-8 either.
    EXPECT_EQ(IrcTextCodec::Decode("a\x80"), u"a\u0080"_s);
    EXPECT_EQ(IrcTextCodec::Decode("a\xc3"), u"a\u00c3"_s);
}

TEST(IrcTextCodec, FormattingCodesGoAndControlCharactersBecomeBlanks)
{
    EXPECT_EQ(IrcTextCodec::ToConsole("\x02"
                                      "bold\x02 \x03"
                                      "04,12red\x03 \x1fu\x0f"),
              QByteArray("bold red u"));
    EXPECT_EQ(IrcTextCodec::ToConsole("\x03"
                                      "4x\x03"
                                      "123"),
              QByteArray("x3"));
    EXPECT_EQ(IrcTextCodec::ToConsole("\x04"
                                      "ff00aahex"),
              QByteArray("hex"));
    EXPECT_EQ(IrcTextCodec::ToConsole("a\tb\x7f"
                                      "c\x07"),
              QByteArray("a b c "));
}

TEST(IrcTextCodec, ConsoleTextBecomesUtf8AndCannotBreakTheIrcLine)
{
    EXPECT_EQ(IrcTextCodec::ToIrc("\xd7\xd7 \x80 \xb5"),
              QByteArray("\xc3\x97\xc3\x97 \xe2\x82\xac \xc2\xb5"));
    EXPECT_EQ(IrcTextCodec::ToIrc(QByteArray("a\r\nQUIT\0b", 9)), QByteArray("a  QUIT b"));
    QByteArray all;
    for (int i = 0x20; i < 256; ++i)
        all.append(static_cast<char>(i));
    all.replace('\x7f', ' ');
    // The five bytes the code page leaves without a character reach IRC as "?".
    QByteArray shown = all;
    for (const char unassigned : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'})
        shown.replace(unassigned, '?');
    EXPECT_EQ(IrcTextCodec::ToConsole(IrcTextCodec::ToIrc(all)), shown);
}
