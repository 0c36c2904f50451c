#pragma once

#include "IrcServerProcess.h"

#include <QString>

// ngircd as the test's server (`ngircd -n -f CONFIG`).
//
//   if (!NgircdServer::Installed())
//       GTEST_SKIP() << NgircdServer::MissingMessage();
//   NgircdServer server;
//   ASSERT_TRUE(server.Start()) << server.Log().toStdString();
class NgircdServer final : public IrcServerProcess
{
public:
    // Penalties are ngircd's own flood control; off by default so that only the bridge's
    // delivery decides how fast lines go out. A test of that delivery turns them on.
    enum class FloodControl
    {
        Off,
        On
    };

    explicit NgircdServer(FloodControl flood = FloodControl::Off);

    static bool Installed();
    static QString MissingMessage();
};
