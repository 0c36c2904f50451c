// The socket client module's entry; built into the module alone (src/CMakeLists.txt).
#include "socket/SocketClientModule.h"

#include "socket/SocketChatClient.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT ChatClient* QuilloOpenSocketClient(const QString& socket)
{
    return new SocketChatClient(socket);
}

static_assert(std::is_same_v<decltype(&QuilloOpenSocketClient), OpenSocketClientEntry>);
