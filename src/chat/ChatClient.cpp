#include "chat/ChatClient.h"

bool ChatClient::StatusFollows() const
{
    return false;
}
