#pragma once

struct Console;

// The steps of the main button, one per round state. Each runs inside the caller's busy lock
// and leaves the unlocking to it.
void OpenGame(Console& console);
void DrawNextPlayer(Console& console);
void AskForWager(Console& console);
void SayWager(Console& console);
void SayResults(Console& console);

// Clears both guess buttons and unticks "All?".
void ClearGuess(Console& console);
