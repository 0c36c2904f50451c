#include "BridgeOnNgircd.h"

using namespace Qt::StringLiterals;

void BridgeOnNgircd::SetUp()
{
    if (!NgircdServer::Installed())
        GTEST_SKIP() << NgircdServer::MissingMessage().toStdString();
}

::testing::AssertionResult BridgeOnNgircd::StartServer(NgircdServer::FloodControl flood)
{
    server = std::make_unique<NgircdServer>(flood);
    if (!server->Start())
        return ::testing::AssertionFailure() << "ngircd did not start\n"
                                             << server->Log().toStdString();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BridgeOnNgircd::JoinBob()
{
    bob = std::make_unique<IrcTestClient>();
    if (!bob->Connect(server->Port(), "Bob"))
        return ::testing::AssertionFailure() << "Bob could not sign on\n"
                                             << server->Log().toStdString();
    if (!bob->Join("#quillo"))
        return ::testing::AssertionFailure() << "Bob could not join #quillo";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BridgeOnNgircd::StartBridge(const QByteArray& nick,
                                                       const QProcessEnvironment& env)
{
    bridge = std::make_unique<IrcBridgeProcess>(
        IrcBridgeProcess::FastArguments(nick, server->Url(u"quillo"_s)), env);
    if (!bridge->Start())
        return ::testing::AssertionFailure() << "the bridge did not start\n"
                                             << bridge->Log().toStdString();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BridgeOnNgircd::BobSawJoin(const QByteArray& nick)
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

::testing::AssertionResult BridgeOnNgircd::StartHostedChannel(NgircdServer::FloodControl flood)
{
    ::testing::AssertionResult result = StartServer(flood);
    if (result)
        result = JoinBob();
    if (result)
        result = StartBridge();
    if (result)
        result = BobSawJoin();
    return result;
}
