#include "TestConsole.h"

#include <QDir>

TestConsole::TestConsole(ChatLimits limits) : TestConsole(room, limits) {}

TestConsole::TestConsole(ChatClient& client, ChatLimits limits)
    : clock(QDateTime(QDate(2003, 3, 1), QTime(21, 5))),
      chat(client, toolkit, QStringLiteral("quillo"), limits),
      console(chat, toolkit, clock, folder.path())
{
    chat.InitDDE();
    chat.DapiRegister();
}

QString TestConsole::Path(const QString& fileName) const
{
    return QDir(folder.path()).filePath(fileName);
}
