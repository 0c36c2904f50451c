#include "socket/ChatProtocol.h"

#include <gtest/gtest.h>

TEST(ChatProtocol, EveryByteCrossesAFieldUnchanged)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(static_cast<char>(i));
    const QByteArray line = EncodeChatMessage("COMMUNICATE", {"quillo", "0", "", all});
    ASSERT_TRUE(line.endsWith('\n'));
    EXPECT_EQ(line.count('\n'), 1);
    const auto message = DecodeChatMessage(QByteArrayView(line).chopped(1));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->Kind, QByteArray("COMMUNICATE"));
    ASSERT_EQ(message->Fields.size(), 4);
    EXPECT_EQ(message->Fields[2], QByteArray());
    EXPECT_EQ(message->Fields[3], all);
    EXPECT_EQ(EncodeChatMessage("STATUS", {"a b%\r\n"}), QByteArray("STATUS a%20b%25%0D%0A\n"));
}

TEST(ChatProtocol, MalformedLinesDecodeToNothing)
{
    for (const char* bad : {"", "HELLO x", "STATUS", "STATUS a b", "KILL now", "TEXT %4",
                            "TEXT %zz", "COMMUNICATE quillo 0 x", "status 0", " STATUS 0"})
        EXPECT_FALSE(DecodeChatMessage(bad)) << bad;
    EXPECT_TRUE(DecodeChatMessage("KILL"));
    EXPECT_TRUE(DecodeChatMessage("STATUS ")); // an empty status
    // A peer ending its lines with CR LF: that one CR is dropped, a second one is the field's.
    EXPECT_EQ(DecodeChatMessage("STATUS 0\r")->Fields, QList<QByteArray>{"0"});
    EXPECT_EQ(DecodeChatMessage("TEXT a\r\r")->Fields, QList<QByteArray>{"a\r"});
    EXPECT_TRUE(DecodeChatMessage("KILL\r"));
    EXPECT_TRUE(DecodeChatMessage("TEXT %d7%D7")); // either case of hex digits
    EXPECT_EQ(DecodeChatMessage("NOTIFY a 5 ")->Fields.size(), 3);
}

TEST(ChatLineReader, CutsLinesAcrossChunksAndRefusesAnOverlongOne)
{
    ChatLineReader reader(16);
    reader.Append("STATUS 0\nTEX");
    EXPECT_EQ(reader.NextLine(), QByteArray("STATUS 0"));
    EXPECT_EQ(reader.NextLine(), std::nullopt);
    reader.Append("T abc\n\n");
    EXPECT_EQ(reader.NextLine(), QByteArray("TEXT abc"));
    EXPECT_EQ(reader.NextLine(), QByteArray(""));
    EXPECT_FALSE(reader.Overflowed());

    reader.Append(QByteArray(17, 'x'));
    EXPECT_EQ(reader.NextLine(), std::nullopt);
    EXPECT_TRUE(reader.Overflowed());
    reader.Append("\n");
    EXPECT_EQ(reader.NextLine(), std::nullopt); // spoilt for good

    ChatLineReader exact(16);
    exact.Append(QByteArray(15, 'y') + '\n' + QByteArray(16, 'z') + '\n');
    EXPECT_EQ(exact.NextLine(), QByteArray(15, 'y'));
    EXPECT_EQ(exact.NextLine(), std::nullopt); // 17 bytes with its line feed
    EXPECT_TRUE(exact.Overflowed());
}
