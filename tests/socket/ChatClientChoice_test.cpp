#include "socket/ChatClientChoice.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ChatClientChoice, CommandLineBeatsEnvironmentAndNeitherMeansThePracticeRoom)
{
    const QString env = u"/run/env.sock"_s;
    EXPECT_EQ(ChatClientSocket({u"quillo"_s}, {}), QString());
    EXPECT_EQ(ChatClientSocket({u"quillo"_s}, env), env);
    EXPECT_EQ(ChatClientSocket({u"quillo"_s, u"--chat-client"_s, u"/tmp/a.sock"_s}, env),
              u"/tmp/a.sock"_s);
    EXPECT_EQ(ChatClientSocket({u"quillo"_s, u"--chat-client=/tmp/b.sock"_s}, {}),
              u"/tmp/b.sock"_s);
    EXPECT_EQ(ChatClientSocket({u"quillo"_s, u"--chat-client"_s}, env), env); // no value given
    EXPECT_EQ(ChatClientSocket({u"--chat-client=/x"_s}, {}), QString()); // argv[0] is the program
    EXPECT_EQ(RoomSocketArgument({u"quillo-room"_s, u"--socket"_s, u"/tmp/r.sock"_s}),
              u"/tmp/r.sock"_s);
    EXPECT_EQ(RoomSocketArgument({u"quillo-room"_s, u"--headless"_s}), QString());
}
