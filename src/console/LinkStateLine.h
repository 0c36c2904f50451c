#pragma once

struct ChatLinkState;
struct GameState;
struct LabelState;

// Puts the chat client's latest report into the console's status line, which shows from the
// first report on, and for a changed nick makes it the host's name: the name %host% and the
// registration line give the players to ESP.
void ShowLinkState(const ChatLinkState& state, LabelState& line, GameState& game);
