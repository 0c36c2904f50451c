#include "console/RoundFlow.h"

#include "console/BusyLock.h"
#include "console/Console.h"
#include "console/GameOpening.h"
#include "console/RoundSteps.h"

void cmdSay_Click(Console& console)
{
    BeginBusy(console);
    switch (console.game.RoundState) {
    case RoundStart:
        OpenGame(console);
        break;
    case RoundDrawPlayer:
        DrawNextPlayer(console);
        break;
    case RoundAskForWager:
        AskForWager(console);
        break;
    case RoundSayWager:
        SayWager(console);
        break;
    case RoundSayResults:
        SayResults(console);
        break;
    default:
        break;
    }
    EndBusy(console);
}
