#pragma once

#include "TestConsole.h"

#include <QByteArray>
#include <QStringList>

// A console with its record files in the test's folder, and shorthands for playing: the
// clicks of the main button and what the room heard since the last look.
struct GameTable : TestConsole
{
    GameTable();

    void Click();           // the main button, with the hourglass checked to be off again
    QStringList NewLines(); // lines said in the room since the last call
    QByteArray LogBytes() const;
    QByteArray PlayersBytes() const;

    // Opens the game and registers the players, without confirmations.
    void OpenWith(const QStringList& players);
    // Draws until the named player is current (the others are marked drawn meanwhile).
    void DrawOnly(const QString& name);

    qsizetype seen = 0;
};
