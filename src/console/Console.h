#pragma once

#include "console/ConsoleState.h"
#include "game/GameState.h"
#include "macros/MacroRecord.h"
#include "records/BackgroundSync.h"
#include "records/Settings.h"

#include <QString>

class ChatLink;
class QRandomGenerator;
class Clock;
class Toolkit;

// One running console: the state of the game, the settings, the macros and the window's
// controls, with the services the handlers reach the outside world through. Tests build as
// many as they like; nothing here is global.
struct Console
{
    Console(ChatLink& chat, Toolkit& toolkit, Clock& clock, QString programFolder);

    GameState game;
    Settings settings;
    MacroTable macros{};
    ConsoleState controls;
    QString RemainingText; // the rest kept by the main window's text splitter
    // The host pressed Esc: the listing under way says no more lines. Cleared by BeginBusy,
    // so a stop asked for at any other time cuts nothing short.
    bool ListingStopRequested = false;

    // Where the decks are shuffled from: the system's secure generator, so that no player can
    // foresee an order from the ones revealed before.
    QRandomGenerator* deckRandom;

    ChatLink& chat;
    Toolkit& toolkit;
    Clock& clock;
    QString programFolder; // where every record file lives
    // Syncs the host need not wait for (the players file after a Get Regs); its failures are
    // shown as "Program Error" when the event loop comes round.
    BackgroundSync diskSync;
};
