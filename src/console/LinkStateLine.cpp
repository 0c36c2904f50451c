#include "console/LinkStateLine.h"

#include "chat/ChatLinkState.h"
#include "console/ConsoleState.h"
#include "game/GameState.h"
#include "text/ControlCharacters.h"

#include <algorithm>

void ShowLinkState(const ChatLinkState& state, LabelState& line, GameState& game)
{
    if (!state.Reported)
        return;
    // One line: a line break from the client would push the rest out of sight.
    QString text = state.Text;
    std::replace_if(text.begin(), text.end(), IsControlCharacter, QChar(u' '));
    line.Caption = text;
    line.Visible = true;
    // The host's name goes into lines, the game log and its Host= entry: it must hold no break.
    const QString& nick = state.Nick;
    if (state.Value == LinkNickChanged && !nick.isEmpty() && !HasControlCharacter(nick))
        game.HostName = nick;
}
