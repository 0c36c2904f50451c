#include "InspircdServer.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Program = u"/usr/sbin/inspircd"_s;
const QString Modules = u"/usr/lib/inspircd/modules"_s;

} // namespace

InspircdServer::InspircdServer(Echo echo)
{
    // No host name look-ups: a client would wait for the resolver on each connection.
    WriteFile(u"inspircd.conf"_s,
              uR"(<server name="quillo.test" description="Quillo test server" network="QuilloTest">
<admin name="Quillo tests" nick="Quillo" email="quillo@example.org">
<bind address="127.0.0.1" port="%1" type="clients">
<connect allow="*" localmax="100" globalmax="100" resolvehostnames="no" maxconnwarn="no">
<path configdir="%2" datadir="%2" logdir="%2" moduledir="%3" runtimedir="%2">
<pid file="%2/inspircd.pid">
<log method="file" type="* -USERINPUT -USEROUTPUT" level="default" target="%2/server.log">
<module name="cap">
%4)"_s.arg(Port())
                  .arg(Folder(), Modules,
                       echo == Echo::On
                           ? u"<module name=\"ircv3\">\n<module name=\"ircv3_echomessage\">\n"_s
                           : QString()));
    const QString copy = FilePath(u"inspircd"_s);
    QFile::copy(Program, copy);
    QStringList arguments{u"--nofork"_s, u"--nopid"_s,
                          u"--config="_s + FilePath(u"inspircd.conf"_s)};
    // It refuses to run as root unless told it may, as a test machine's CI often runs.
    if (::geteuid() == 0)
        arguments.append(u"--runasroot"_s);
    SetCommand(copy, arguments);
}

bool InspircdServer::Installed()
{
    return QFileInfo(Program).isExecutable() && QFileInfo(Modules).isDir();
}

QString InspircdServer::MissingMessage()
{
    return Program + u" is missing: install the Debian package inspircd (scripts/setup.sh does)"_s;
}
