#pragma once

#include <QString>

struct UiConsole;

// The host's hands on the real widgets of the console's window, found by their names.
struct HostHands
{
    UiConsole& t;

    void Say() const;
    void Macro(int i) const;
    void Card(int box, const QString& text) const;
    void Wager(const QString& text) const;
    void Guess(bool higher) const;
    QString Player() const;
    QString Caption() const;
};
