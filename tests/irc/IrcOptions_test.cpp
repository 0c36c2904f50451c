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

TEST(IrcOptions, ListStopAndTheIdleTimeAreRead)
{
    using Task = IrcOptions::Task;
    struct Case
    {
        QStringList arguments;
        Task asked;
    };
    const Case cases[] = {
        {args({"--list"}), Task::List},
        {args({"--stop", "--socket", "/tmp/b.sock"}), Task::Stop},
        {args({"--stop", "--nick", "Host", "irc://server/%23q"}), Task::Stop},
        {args({"--nick", "Host", "irc://server/#q"}), Task::Bridge},
    };
    for (const Case& c : cases) {
        QString error;
        const auto options = IrcOptions::Parse(c.arguments, QProcessEnvironment(), &error);
        ASSERT_TRUE(options) << c.arguments.join(u' ').toStdString() << ": " << error.toStdString();
        EXPECT_EQ(options->Asked, c.asked) << c.arguments.join(u' ').toStdString();
    }
    QString error;
    const auto idle = IrcOptions::Parse(args({"--nick", "Host", "irc://server/#q"}),
                                        QProcessEnvironment(), &error);
    EXPECT_EQ(idle->IdleExitSeconds, IrcOptions::DefaultIdleExitSeconds);
    EXPECT_EQ(IrcOptions::Parse(args({"--idle-exit", "0", "--nick", "Host", "irc://server/#q"}),
                                QProcessEnvironment(), &error)
                  ->IdleExitSeconds,
              0);
    EXPECT_TRUE(IrcOptions::PassedOnValueOptions().contains(QStringLiteral("idle-exit")));
    for (const QStringList& bad : {args({"--stop"}), args({"--list", "irc://server/#q"}),
                                   args({"--idle-exit", "-1", "--nick", "H", "irc://s/#q"})}) {
        EXPECT_FALSE(IrcOptions::Parse(bad, QProcessEnvironment(), &error))
            << bad.join(u' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(IrcOptions, APasswordFileOthersCanReadIsWarnedOfOnce)
{
    QTemporaryDir dir;
    const QString open = dir.filePath(QStringLiteral("open"));
    const QString closed = dir.filePath(QStringLiteral("closed"));
    for (const QString& name : {open, closed}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("pw\n");
    }
    ASSERT_TRUE(
        QFile::setPermissions(open, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(closed, QFile::ReadOwner | QFile::WriteOwner));

    QProcessEnvironment env;
    env.insert(QStringLiteral("QUILLO_IRC_PASSWORD_FILE"), closed);
    env.insert(QStringLiteral("QUILLO_IRC_SASL_PASSWORD_FILE"), open);
    QString error;
    const auto options =
        IrcOptions::Parse(args({"--nick", "Host", "irc://server/#q"}), env, &error);
    ASSERT_TRUE(options) << error.toStdString();
    ASSERT_EQ(options->Warnings.size(), 1);
    EXPECT_TRUE(options->Warnings[0].contains(open));
    EXPECT_TRUE(options->Warnings[0].contains(QStringLiteral("QUILLO_IRC_SASL_PASSWORD_FILE")));
    EXPECT_EQ(IrcOptions::PasswordFileWarnings(env), options->Warnings);

    // A file the variable itself overrides is not read, so not warned of.
    env.insert(QStringLiteral("QUILLO_IRC_SASL_PASSWORD"), QStringLiteral("pw"));
    EXPECT_TRUE(IrcOptions::PasswordFileWarnings(env).isEmpty());
}
