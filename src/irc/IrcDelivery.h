#pragma once

#include <QByteArray>

#include <deque>
#include <functional>

// What the server has not yet taken of what the bridge wrote: its lines to the channel and to
// players, and the PINGs that mark its progress. A server handles one client's lines in order,
// so the echo of a line (echo-message), an error reply that names its target, or the PONG to a
// PING written after it tells whether the server took it. Keeping what is unconfirmed within
// a small window keeps the bridge below any server's receive queue and flood limits, however
// fast the console speaks: lines go on as the server takes them.
class IrcDelivery
{
public:
    static constexpr qsizetype WindowBytes = 2048;
    static constexpr int WindowLines = 4;

    struct Line
    {
        quint64 Ticket;
        QByteArray Target;
        QByteArray Text;
    };
    // A line the server took, or refused (or dropped without a word, or lost with the link).
    using Resolved = std::function<void(const Line& line, bool taken)>;

    void SetResolvedHandler(Resolved resolved);
    // With echo-message the server echoes each line it took; without, only a PONG tells.
    void SetEchoes(bool echoes);

    // Whether a line of this many bytes may be written now.
    bool HasRoom(qsizetype bytes) const;
    void Written(Line line, qsizetype bytes);
    // Lines written since the last PING: one is due before the server will confirm them.
    bool PingDue() const;
    // Records a PING written now and gives its token.
    QByteArray PingWritten();

    // The server's echo of a line to this target.
    void Echoed(const QByteArray& target);
    // An error reply naming this target.
    void Refused(const QByteArray& target);
    // True when the token was one of ours.
    bool Ponged(const QByteArray& token);
    // The connection is gone: whatever was not confirmed counts as not taken.
    void Lost();

    bool Unconfirmed() const;

private:
    struct Entry
    {
        Line Sent;
        qsizetype Bytes;
        QByteArray Token; // a PING's; empty for a line
    };

    // The first unconfirmed line to this target, or end().
    std::deque<Entry>::iterator oldestTo(const QByteArray& target);
    // Takes the entry out; its line is told about once the window is in order again.
    void take(std::deque<Entry>::iterator entry, bool taken);
    void tell();

    struct Outcome
    {
        Line Sent;
        bool Taken;
    };

    std::deque<Entry> entries_;
    qsizetype bytes_ = 0;
    bool echoes_ = false;
    quint64 pings_ = 0;
    std::deque<Outcome> outcomes_; // taken out, not yet told
    Resolved resolved_;
};
