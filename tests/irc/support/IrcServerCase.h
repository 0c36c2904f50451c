#pragma once

#include "IrcServerProcess.h"

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// A real IRC server a test runs against: ngircd with its flood control on, and InspIRCd with
// and without echo-message. Skipped where the server is not installed.
struct IrcServerCase
{
    const char* Name;
    bool (*Installed)();
    QString (*Missing)();
    std::function<std::unique_ptr<IrcServerProcess>()> Make;
};

const std::vector<IrcServerCase>& IrcServerCases();
// For INSTANTIATE_TEST_SUITE_P: each case's test is named after its server.
std::string IrcServerCaseName(const ::testing::TestParamInfo<IrcServerCase>& info);
void PrintTo(const IrcServerCase& server, std::ostream* out);
