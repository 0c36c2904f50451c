#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// A chat text as the client delivered it: its 8-bit Windows-1252 bytes, shared with the
// client's own (a text of a hundred megabytes is never copied), seen through the link's
// trimming. One byte is one character in the code page, so a position in the bytes is the same
// position in the text, and a reader converts only the pieces it uses.
class ChatText
{
public:
    ChatText() = default;

    // The client's text, trimmed: cut before the first zero byte (with the four bytes in front
    // of it, when it stands past position 5), every trailing CR LF pair dropped.
    static ChatText Received(QByteArray bytes);
    // A text given as characters; one the code page cannot carry shows as "?".
    static ChatText FromString(const QString& text);

    QByteArrayView Bytes() const;
    qsizetype Size() const;
    bool IsEmpty() const;
    void Clear();
    // From the position to the end, on the same bytes.
    ChatText Sliced(qsizetype from) const;
    // The whole text converted; for a reader that needs all of it.
    QString ToString() const;
    // Where the last occurrence of the text stands; -1 when there is none, or when it holds a
    // character the code page cannot carry (such a text never shows in the chat).
    qsizetype LastIndexOf(const QString& text) const;

private:
    QByteArray bytes_;
    qsizetype from_ = 0;
    qsizetype size_ = 0;
};

// The text in the code page, or nothing when a character of it has no place there.
std::optional<QByteArray> ChatBytes(const QString& text);
