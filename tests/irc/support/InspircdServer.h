#pragma once

#include "IrcServerProcess.h"

#include <QString>

// InspIRCd as the test's server, with the flood limits of its default connect class (fake
// lag of one command a second past a threshold, an 8 KiB receive queue), only raised in how
// many clients may come from one address. It offers echo-message or not, as the test asks.
//
// The program runs from a copy in the test's folder: the package's AppArmor profile, where
// AppArmor is on, keeps the installed one to its configuration under /etc.
class InspircdServer final : public IrcServerProcess
{
public:
    enum class Echo
    {
        Off,
        On
    };

    explicit InspircdServer(Echo echo = Echo::Off);

    static bool Installed();
    static QString MissingMessage();
};
