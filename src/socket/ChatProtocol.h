#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// One line of the chat-client protocol: a kind and its fields, 8-bit bytes unchanged.
struct ChatMessage
{
    QByteArray Kind;
    QList<QByteArray> Fields;
};

// The longest line either side accepts, line feed included.
inline constexpr qsizetype MaxChatMessageBytes = 16 * 1024 * 1024;

// The line for a message, line feed included; "%", blank, CR and LF escaped in the fields.
QByteArray EncodeChatMessage(const QByteArray& kind, const QList<QByteArray>& fields = {});

// How many bytes the field takes in a line once escaped.
qsizetype EscapedFieldSize(QByteArrayView field);

// A line without its line feed. Empty for an unknown kind, a wrong number of fields or a bad
// escape: such a line is dropped.
std::optional<ChatMessage> DecodeChatMessage(QByteArrayView line);

// Cuts a byte stream into lines, looking at every byte once. Past the limit without a line
// feed the stream is spoilt: the peer is to be cut off.
class ChatLineReader
{
public:
    explicit ChatLineReader(qsizetype limit = MaxChatMessageBytes);

    void Append(const QByteArray& bytes);
    // The next whole line, without its line feed.
    std::optional<QByteArray> NextLine();
    bool Overflowed() const;
    void Clear();

private:
    qsizetype limit_;
    QByteArray buffer_;
    qsizetype start_ = 0;   // where the next line begins in buffer_
    qsizetype scanned_ = 0; // bytes of buffer_ already searched for a line feed
    bool overflowed_ = false;
};
