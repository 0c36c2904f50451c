#pragma once

struct Console;

// The steps of a turn on the main button, one per round state from "Draw Player" on (the game's
// opening is OpenGame). Each runs inside the caller's busy lock and leaves the unlocking to it.
void DrawNextPlayer(Console& console);
void AskForWager(Console& console);
void SayWager(Console& console);
void SayResults(Console& console);

// Clears both guess buttons and unticks "All?".
void ClearGuess(Console& console);
