#pragma once

#include "InspircdServer.h"
#include "IrcBridgeProcess.h"
#include "IrcTestClient.h"
#include "NgircdServer.h"

#include <QByteArray>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <memory>

// A test of the bridge program against a real IRC server on 127.0.0.1 (ngircd unless the test
// gives another): the server, the player Bob in #quillo and the bridge, each started by the
// test in the order it needs. Skipped where ngircd is not installed. A step that fails says
// why, with the server's or the bridge's log.
//
//   ASSERT_TRUE(StartHostedChannel());
//   BridgeConsole console(bridge->SocketPath());
class BridgeOnIrcServer : public ::testing::Test
{
protected:
    void SetUp() override;

    ::testing::AssertionResult
    StartServer(NgircdServer::FloodControl flood = NgircdServer::FloodControl::Off);
    ::testing::AssertionResult StartServer(std::unique_ptr<IrcServerProcess> chosen);
    // A fresh Bob signs on and joins #quillo; again after a restart, a new connection.
    ::testing::AssertionResult JoinBob();
    // The bridge as `nick` in #quillo, with IrcBridgeProcess::FastArguments.
    ::testing::AssertionResult
    StartBridge(const QByteArray& nick = "Host",
                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());
    // Waits until Bob has seen `nick` join the channel, earlier or now.
    ::testing::AssertionResult BobSawJoin(const QByteArray& nick = "Host");
    // The usual table: the server, Bob in #quillo, and the bridge joined there as Host.
    ::testing::AssertionResult
    StartHostedChannel(NgircdServer::FloodControl flood = NgircdServer::FloodControl::Off);
    ::testing::AssertionResult StartHostedChannel(std::unique_ptr<IrcServerProcess> chosen);

    std::unique_ptr<IrcServerProcess> server;
    std::unique_ptr<IrcTestClient> bob;
    std::unique_ptr<IrcBridgeProcess> bridge;
};
