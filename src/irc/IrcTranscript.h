#pragma once

#include <QByteArray>

#include <deque>

// The channel's chat text as the console reads it: Windows-1252 lines ended by CR LF, in the
// forms "Nick: text", "ESP from Nick: text" and "ESP to Nick: text". It stays small enough to
// cross the chat-client protocol as one line once escaped, dropping its oldest whole lines.
class IrcTranscript
{
public:
    // The protocol's line limit less room for the message's kind and line feed.
    static qsizetype DefaultLimit();

    explicit IrcTranscript(qsizetype limit = DefaultLimit());

    // Each takes the nick and text as they came from IRC; false when the line was dropped: a
    // nick that is no valid nick, an empty text, a CTCP message.
    bool AddSaid(const QByteArray& nick, const QByteArray& text);
    // An ESP of exactly one gesture character shows as its tag: "ESP from Bob: <wave>".
    bool AddEspFrom(const QByteArray& nick, const QByteArray& text);
    bool AddEspTo(const QByteArray& nick, const QByteArray& text);

    QByteArray Text() const;
    // The size of Text() once the protocol has escaped it.
    qsizetype EscapedSize() const;

private:
    bool add(const QByteArray& opening, const QByteArray& nick, const QByteArray& shown);
    void dropOldest();

    struct Line
    {
        qsizetype Bytes;
        qsizetype Escaped;
    };

    qsizetype limit_;
    QByteArray text_;
    qsizetype head_ = 0; // where the oldest kept line starts in text_
    std::deque<Line> lines_;
    qsizetype escaped_ = 0;
};
