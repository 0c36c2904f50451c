#pragma once

#include "TestConsole.h"

#include <QByteArray>
#include <QStringList>

// A console with its record files in the test's folder, and shorthands for playing: the
// clicks of the main button and what the room heard since the last look.
struct GameTable : TestConsole
{
    GameTable();

    void click();           // the main button, with the hourglass checked to be off again
    QStringList newLines(); // lines said in the room since the last call
    QByteArray logBytes() const;
    QByteArray playersBytes() const;

    // Opens the game and registers the players, without confirmations.
    void openWith(const QStringList& players);
    // Draws until the named player is current (the others are marked drawn meanwhile).
    void drawOnly(const QString& name);

    qsizetype seen = 0;
};
