#include "BridgeOnIrcServer.h"

using namespace Qt::StringLiterals;

void BridgeOnIrcServer::SetUp()
{
    if (!NgircdServer::Installed())
        GTEST_SKIP() << NgircdServer::MissingMessage().toStdString();
}

::testing::AssertionResult BridgeOnIrcServer::StartServer(NgircdServer::FloodControl flood)
{
    return StartServer(std::make_unique<NgircdServer>(flood));
}

::testing::AssertionResult BridgeOnIrcServer::StartServer(std::unique_ptr<IrcServerProcess> chosen)
{
    server = std::move(chosen);
    if (!server->Start())
        return ::testing::AssertionFailure() << "the IRC server did not start\n"
                                             << server->Log().toStdString();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BridgeOnIrcServer::JoinBob()
{
    bob = std::make_unique<IrcTestClient>();
    if (!bob->Connect(server->Port(), "Bob"))
        return ::testing::AssertionFailure() << "Bob could not sign on\n"
                                             << server->Log().toStdString();
    if (!bob->Join("#quillo"))
        return ::testing::AssertionFailure() << "Bob could not join #quillo";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BridgeOnIrcServer::StartBridge(const QByteArray& nick,
                                                          const QProcessEnvironment& env)
{
    bridge = std::make_unique<IrcBridgeProcess>(
        IrcBridgeProcess::FastArguments(nick, server->Url(u"quillo"_s)), env);
    if (!bridge->Start())
        return ::testing::AssertionFailure() << "the bridge did not start\n"
                                             << bridge->Log().toStdString();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BridgeOnIrcServer::BobSawJoin(const QByteArray& nick)
{
    const QByteArray prefix = ":" + nick + "!";
    const auto isJoin = [&](const QByteArray& line) {
        return line.startsWith(prefix) && line.contains(" JOIN ");
    };
    for (const QByteArray& line : bob->Lines()) {
        if (isJoin(line))
            return ::testing::AssertionSuccess();
    }
    if (bob->WaitForLine(isJoin, 10000))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "Bob did not see " << nick.constData() << " join\n"
                                         << (bridge ? bridge->Log().toStdString() : "");
}

::testing::AssertionResult BridgeOnIrcServer::StartHostedChannel(NgircdServer::FloodControl flood)
{
    return StartHostedChannel(std::make_unique<NgircdServer>(flood));
}

::testing::AssertionResult
BridgeOnIrcServer::StartHostedChannel(std::unique_ptr<IrcServerProcess> chosen)
{
    ::testing::AssertionResult result = StartServer(std::move(chosen));
    if (result)
        result = JoinBob();
    if (result)
        result = StartBridge();
    if (result)
        result = BobSawJoin();
    return result;
}
