#include "irc/IrcRegistration.h"

#include <gtest/gtest.h>

namespace {

IrcMessage msg(const QByteArray& line)
{
    return *IrcMessage::Parse(line);
}

} // namespace

TEST(IrcRegistration, AServerWithoutCapabilitiesGetsCapEndNickAndUser)
{
    IrcRegistration r("Host", {}, "Host", {});
    EXPECT_EQ(r.Begin(), (QList<QByteArray>{"CAP LS 302\r\n", "NICK Host\r\n",
                                            "USER quillo 0 * :Quillo Console\r\n"}));
    EXPECT_EQ(r.Handle(msg(":srv CAP * LS :multi-prefix")), (QList<QByteArray>{"CAP END\r\n"}));
    EXPECT_TRUE(r.Handle(msg(":srv CAP * LS :multi-prefix")).isEmpty()); // never twice
    EXPECT_FALSE(r.Welcomed());
    EXPECT_TRUE(r.Handle(msg(":srv 001 Host :Welcome")).isEmpty());
    EXPECT_TRUE(r.Welcomed());
    EXPECT_FALSE(r.EchoMessage());
    EXPECT_EQ(r.Nick(), QByteArray("Host"));

    IrcRegistration noCap("Host", {}, "Host", {});
    noCap.Begin();
    noCap.Handle(msg(":srv 421 * CAP :Unknown command"));
    noCap.Handle(msg(":srv 001 Host :Welcome"));
    EXPECT_TRUE(noCap.Welcomed());
}

TEST(IrcRegistration, EchoMessageAndSaslPlainWhenOfferedWithThePasswordFirst)
{
    IrcRegistration r("Host", "serverpw", "acct", "pw");
    const QList<QByteArray> begin = r.Begin();
    ASSERT_EQ(begin.size(), 4);
    EXPECT_EQ(begin[1], QByteArray("PASS serverpw\r\n"));
    EXPECT_TRUE(r.Handle(msg(":srv CAP * LS * :multi-prefix sasl=PLAIN,EXTERNAL")).isEmpty());
    EXPECT_EQ(r.Handle(msg(":srv CAP * LS :echo-message away-notify")),
              (QList<QByteArray>{"CAP REQ :echo-message sasl\r\n"}));
    EXPECT_EQ(r.Handle(msg(":srv CAP Host ACK :echo-message sasl")),
              (QList<QByteArray>{"AUTHENTICATE PLAIN\r\n"}));
    EXPECT_TRUE(r.EchoMessage());
    EXPECT_EQ(r.Handle(msg("AUTHENTICATE +")),
              (QList<QByteArray>{"AUTHENTICATE " + QByteArray("acct\0acct\0pw", 12).toBase64() +
                                 "\r\n"}));
    EXPECT_EQ(r.Handle(msg(":srv 903 Host :SASL authentication successful")),
              (QList<QByteArray>{"CAP END\r\n"}));
    EXPECT_TRUE(r.SaslDone());

    // Without a SASL password sasl is not asked for; a refusal still ends the negotiation.
    IrcRegistration plain("Host", {}, "Host", {});
    plain.Begin();
    EXPECT_EQ(plain.Handle(msg(":srv CAP * LS :sasl echo-message")),
              (QList<QByteArray>{"CAP REQ echo-message\r\n"}));
    EXPECT_EQ(plain.Handle(msg(":srv CAP * NAK :echo-message")),
              (QList<QByteArray>{"CAP END\r\n"}));
    EXPECT_FALSE(plain.EchoMessage());

    IrcRegistration failed("Host", {}, "Host", "wrong");
    failed.Begin();
    failed.Handle(msg(":srv CAP * LS :sasl"));
    failed.Handle(msg(":srv CAP * ACK :sasl"));
    failed.Handle(msg("AUTHENTICATE +"));
    EXPECT_EQ(failed.Handle(msg(":srv 904 Host :SASL authentication failed")),
              (QList<QByteArray>{"CAP END\r\n"}));
    EXPECT_FALSE(failed.SaslDone());
}

TEST(IrcRegistration, SaslGrantedUnaskedStillEndsTheNegotiationWithoutAuthenticating)
{
    IrcRegistration r("Host", {}, "Host", {});
    r.Begin();
    EXPECT_EQ(r.Handle(msg(":srv CAP * LS :sasl echo-message")),
              (QList<QByteArray>{"CAP REQ echo-message\r\n"}));
    EXPECT_EQ(r.Handle(msg(":srv CAP * ACK :echo-message sasl")),
              (QList<QByteArray>{"CAP END\r\n"}));
    EXPECT_TRUE(r.EchoMessage());
    EXPECT_TRUE(r.Handle(msg("AUTHENTICATE +")).isEmpty());
    EXPECT_TRUE(r.Handle(msg(":srv 001 Host :Welcome")).isEmpty());
    EXPECT_TRUE(r.Welcomed());
    EXPECT_FALSE(r.SaslDone());
}

TEST(IrcRegistration, ANickInUseGetsBoundedAlternativesAndTheWelcomedNickCounts)
{
    IrcRegistration r("Host", {}, "Host", {});
    r.Begin();
    EXPECT_EQ(r.Handle(msg(":srv 433 * Host :Nickname already in use")),
              (QList<QByteArray>{"NICK Host_\r\n"}));
    EXPECT_EQ(r.Nick(), QByteArray("Host_"));
    EXPECT_EQ(r.Handle(msg(":srv 433 * Host_ :Nickname already in use")),
              (QList<QByteArray>{"NICK Host2\r\n"}));
    r.Handle(msg(":srv 001 Host2 :Welcome"));
    EXPECT_EQ(r.Nick(), QByteArray("Host2"));
    EXPECT_TRUE(r.Handle(msg(":srv 433 * Host3 :in use")).isEmpty()); // after welcome: no change

    IrcRegistration crowded("Host", {}, "Host", {});
    crowded.Begin();
    int nicks = 0;
    for (int i = 0; i < 100 && !crowded.GaveUp(); ++i)
        nicks += crowded.Handle(msg(":srv 433 * x :in use")).size();
    EXPECT_TRUE(crowded.GaveUp());
    EXPECT_LE(nicks, 20);
}

TEST(IrcRegistration, ANickTooLongForTheServerIsCutToNineAlternativesToo)
{
    IrcRegistration r("Abcdefghijklmnop", {}, "x", {});
    r.Begin();
    EXPECT_EQ(r.Handle(msg(":srv 432 * Abcdefghijklmnop :Nickname too long")),
              (QList<QByteArray>{"NICK Abcdefghi\r\n"}));
    EXPECT_EQ(r.Handle(msg(":srv 433 * Abcdefghi :in use")),
              (QList<QByteArray>{"NICK Abcdefgh_\r\n"}));
    EXPECT_EQ(r.Handle(msg(":srv 433 * Abcdefgh_ :in use")),
              (QList<QByteArray>{"NICK Abcdefgh2\r\n"}));
    // A short nick refused is not cut: it gets the next alternative.
    IrcRegistration shortNick("Host", {}, "x", {});
    shortNick.Begin();
    EXPECT_EQ(shortNick.Handle(msg(":srv 432 * Host :Erroneous nickname")),
              (QList<QByteArray>{"NICK Host_\r\n"}));
}
