#include "irc/IrcOptions.h"

#include "irc/IrcSendQueue.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList args(std::initializer_list<const char*> words)
{
    QStringList list{QStringLiteral("quillo-irc")};
    for (const char* w : words)
        list.append(QString::fromUtf8(w));
    return list;
}

} // namespace

TEST(IrcOptions, ReadsEveryOptionAndFallsBackToTheDefaults)
{
    QString error;
    const auto all = IrcOptions::Parse(
        args({"--socket", "/tmp/x.sock", "--nick", "Dealer", "--sasl-user", "acct", "--insecure",
              "--send-interval", "100", "--burst", "8", "--reconnect-min", "50", "--reconnect-max",
              "400", "ircs://server/#q"}),
        QProcessEnvironment(), &error);
    ASSERT_TRUE(all) << error.toStdString();
    EXPECT_EQ(all->SocketPath, QStringLiteral("/tmp/x.sock"));
    EXPECT_EQ(all->Nick, QByteArray("Dealer"));
    EXPECT_EQ(all->SaslUser, QByteArray("acct"));
    EXPECT_TRUE(all->Insecure);
    EXPECT_EQ(all->SendIntervalMs, 100);
    EXPECT_EQ(all->Burst, 8);
    EXPECT_EQ(all->ReconnectMinMs, 50);
    EXPECT_EQ(all->ReconnectMaxMs, 400);
    EXPECT_TRUE(all->Url.Tls);
    EXPECT_EQ(all->UrlText, QStringLiteral("ircs://server/#q"));

    const auto least = IrcOptions::Parse(args({"--nick", "Host", "irc://server/#q"}),
                                         QProcessEnvironment(), &error);
    ASSERT_TRUE(least);
    EXPECT_TRUE(least->SocketPath.isEmpty());
    EXPECT_EQ(least->SaslUser, QByteArray("Host"));
    EXPECT_FALSE(least->Insecure);
    EXPECT_EQ(least->SendIntervalMs, IrcSendQueue::DefaultIntervalMs);
    EXPECT_EQ(least->Burst, IrcSendQueue::DefaultBurst);
    EXPECT_EQ(least->ReconnectMinMs, IrcOptions::DefaultReconnectMinMs);
    EXPECT_EQ(least->ReconnectMaxMs, IrcOptions::DefaultReconnectMaxMs);
    EXPECT_TRUE(least->Password.isEmpty());
    EXPECT_TRUE(least->SaslPassword.isEmpty());
}

TEST(IrcOptions, BadNicksUrlsAndNumbersAreRefused)
{
    const QStringList bad[] = {
        args({"irc://server/#q"}),
        args({"--nick", "Mary Ann", "irc://server/#q"}),
        args({"--nick", "1st", "irc://server/#q"}),
        args({"--nick", "Host"}),
        args({"--nick", "Host", "irc://server/#q", "irc://other/#q"}),
        args({"--nick", "Host", "irc://server"}),
        args({"--nick", "Host", "--burst", "0", "irc://server/#q"}),
        args({"--nick", "Host", "--send-interval", "fast", "irc://server/#q"}),
        args({"--nick", "Host", "--reconnect-min", "500", "--reconnect-max", "100",
              "irc://server/#q"}),
        args({"--nick", "Host", "--password", "x", "irc://server/#q"}),
    };
    for (const QStringList& a : bad) {
        QString error;
        EXPECT_FALSE(IrcOptions::Parse(a, QProcessEnvironment(), &error))
            << a.join(u' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(IrcOptions, SecretsComeFromTheEnvironmentOrTheFirstLineOfAFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("sasl"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("s3cret pass\r\nsecond line\n");
    f.close();

    QProcessEnvironment env;
    env.insert(QStringLiteral("QUILLO_IRC_PASSWORD"), QStringLiteral("server-pw"));
    env.insert(QStringLiteral("QUILLO_IRC_SASL_PASSWORD_FILE"), file);
    QString error;
    const auto options =
        IrcOptions::Parse(args({"--nick", "Host", "irc://server/#q"}), env, &error);
    ASSERT_TRUE(options) << error.toStdString();
    EXPECT_EQ(options->Password, QByteArray("server-pw"));
    EXPECT_EQ(options->SaslPassword, QByteArray("s3cret pass"));

    QProcessEnvironment missing;
    missing.insert(QStringLiteral("QUILLO_IRC_PASSWORD_FILE"),
                   dir.filePath(QStringLiteral("none")));
    EXPECT_FALSE(IrcOptions::Parse(args({"--nick", "Host", "irc://server/#q"}), missing, &error));

    QProcessEnvironment broken;
    broken.insert(QStringLiteral("QUILLO_IRC_SASL_PASSWORD"), QStringLiteral("pw\r\nQUIT"));
    EXPECT_FALSE(IrcOptions::Parse(args({"--nick", "Host", "irc://server/#q"}), broken, &error));
    EXPECT_FALSE(error.contains(QStringLiteral("QUIT")));
}
