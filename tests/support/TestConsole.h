#pragma once

#include "FakeToolkit.h"
#include "FixedClock.h"
#include "chat/ChatLink.h"
#include "console/Console.h"
#include "room/PracticeRoom.h"

#include <QTemporaryDir>

// A whole console for one test: a fresh program folder, the practice room (opened and the
// plug-in registered), the scripted toolkit and a clock fixed at 9:05pm, Saturday 1 March 2003.
struct TestConsole
{
    explicit TestConsole(ChatLimits limits = {200, 2000});
    // The same console talking to another chat client (a socket client, say); the practice
    // room is then left unused.
    explicit TestConsole(ChatClient& client, ChatLimits limits = {200, 2000});

    QString Path(const QString& fileName) const;

    QTemporaryDir folder;
    PracticeRoom room;
    FakeToolkit toolkit;
    FixedClock clock;
    ChatLink chat;
    Console console;
};
