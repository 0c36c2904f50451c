#pragma once

// The event loop, as far as the chat link needs it: while it waits for a chat text, the events
// that wait are handled, so the client's text (delivered from the event loop) can arrive.
class PendingEvents
{
public:
    virtual ~PendingEvents() = default;

    // Handles whatever events are pending and returns.
    virtual void ProcessEvents() = 0;
};
