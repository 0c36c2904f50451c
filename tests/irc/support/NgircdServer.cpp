#include "NgircdServer.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString Program = u"/usr/sbin/ngircd"_s;

} // namespace

NgircdServer::NgircdServer(FloodControl flood)
{
    // Everything a client could wait on is off: no PAM, no DNS or ident look-ups, no limit on
    // connections from one address (every client of a test comes from 127.0.0.1).
    WriteFile(u"ngircd.conf"_s, uR"([Global]
Name = quillo.test
Info = Quillo test server
Listen = 127.0.0.1
Ports = %1
MotdPhrase = Quillo test server
[Limits]
MaxConnectionsIP = 0
MaxJoins = 0
MaxNickLength = 30
MaxPenaltyTime = %2
PingTimeout = 120
PongTimeout = 20
[Options]
PAM = no
DNS = no
Ident = no
)"_s.arg(Port())
                                    .arg(flood == FloodControl::Off ? 0 : -1));
    SetCommand(Program, {u"-n"_s, u"-p"_s, u"-f"_s, FilePath(u"ngircd.conf"_s)});
}

bool NgircdServer::Installed()
{
    return QFileInfo(Program).isExecutable();
}

QString NgircdServer::MissingMessage()
{
    return Program + u" is missing: install the Debian package ngircd (scripts/setup.sh does)"_s;
}
