#include "chat/ChatLink.h"
#include "socket/SocketChatClient.h"
#include "support/FakeToolkit.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The room program started as a host would start it, before the console.
class RoomProgram
{
public:
    explicit RoomProgram(const QString& socketPath)
    {
        process_.start(QStringLiteral(QUILLO_ROOM_PROGRAM),
                       {u"--headless"_s, u"--socket"_s, socketPath});
        if (process_.waitForStarted(10000))
            process_.waitForReadyRead(10000); // it prints where it listens once it does
    }
    ~RoomProgram()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }
    QString Output()
    {
        return QString::fromLocal8Bit(process_.readAllStandardOutput());
    }

private:
    QProcess process_;
};

} // namespace

TEST(RoomProgram, AConsoleTalksToTheRoomProgramOverItsSocket)
{
    QTemporaryDir folder;
    const QString socket = QDir(folder.path()).filePath(u"room/room.sock"_s);
    RoomProgram room(socket);
    EXPECT_TRUE(room.Output().contains(socket));
    // Only the user who started the room can reach its folder.
    EXPECT_EQ(QFileInfo(QFileInfo(socket).absolutePath()).permissions() &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());

    SocketChatClient client(socket);
    FakeToolkit toolkit;
    ChatLink chat(client, toolkit, u"quillo"_s, ChatLimits{50, 5000});
    ASSERT_TRUE(chat.InitDDE());
    chat.DapiRegister();
    chat.SayLine(ChatModeRoom, {}, u"×××  Quillo ° ¹"_s);
    ASSERT_TRUE(chat.ReadAllText());
    EXPECT_EQ(chat.ReceivedText.ToString(), u"Host: ×××  Quillo ° ¹"_s);
}
