#pragma once

struct Console;
struct Settings;

// Whether the record files hold a game that was not finished: the log reads back, the players
// file names someone, and either the last turn is under way or a registered player was never
// drawn. Anything else (no files, an unreadable log, every turn played) is no game to offer.
bool UnfinishedGameLogged(const Settings& settings);

// Start-up's offer, made once: with such a game in the folder and File > Recover still to be
// had, asks whether to recover it now. Yes runs File > Recover; No leaves everything as it is,
// the menu item included. True when it asked.
bool OfferRecovery(Console& console);
