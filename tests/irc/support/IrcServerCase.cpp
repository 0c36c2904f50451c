#include "IrcServerCase.h"

#include "InspircdServer.h"
#include "NgircdServer.h"

#include <gtest/gtest.h>

const std::vector<IrcServerCase>& IrcServerCases()
{
    static const std::vector<IrcServerCase> cases{
        {"ngircd", NgircdServer::Installed, NgircdServer::MissingMessage,
         [] { return std::make_unique<NgircdServer>(NgircdServer::FloodControl::On); }},
        {"inspircd_echo", InspircdServer::Installed, InspircdServer::MissingMessage,
         [] { return std::make_unique<InspircdServer>(InspircdServer::Echo::On); }},
        {"inspircd", InspircdServer::Installed, InspircdServer::MissingMessage,
         [] { return std::make_unique<InspircdServer>(InspircdServer::Echo::Off); }},
    };
    return cases;
}

std::string IrcServerCaseName(const ::testing::TestParamInfo<IrcServerCase>& info)
{
    return info.param.Name;
}

void PrintTo(const IrcServerCase& server, std::ostream* out)
{
    *out << server.Name;
}
