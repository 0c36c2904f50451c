#include "chat/ChatText.h"

#include "text/Cp1252.h"

#include <utility>

ChatText ChatText::Received(QByteArray bytes)
{
    ChatText text;
    qsizetype keep = bytes.size();
    // Positions count from 1: a zero at position p past 5 keeps the first p - 5 characters.
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 5)
        keep = zero - 4;
    const QByteArrayView kept(bytes.constData(), keep);
    while (keep >= 2 && kept.first(keep).endsWith("\r\n"))
        keep -= 2;
    text.bytes_ = std::move(bytes);
    text.size_ = keep;
    return text;
}

ChatText ChatText::FromString(const QString& text)
{
    ChatText chat;
    chat.bytes_ = ToCp1252(text);
    chat.size_ = chat.bytes_.size();
    return chat;
}

QByteArrayView ChatText::Bytes() const
{
    return QByteArrayView(bytes_.constData() + from_, size_);
}

qsizetype ChatText::Size() const
{
    return size_;
}

bool ChatText::IsEmpty() const
{
    return size_ == 0;
}

void ChatText::Clear()
{
    *this = ChatText();
}

ChatText ChatText::Sliced(qsizetype from) const
{
    ChatText slice = *this;
    slice.from_ += from;
    slice.size_ -= from;
    return slice;
}

QString ChatText::ToString() const
{
    return FromCp1252(Bytes());
}

qsizetype ChatText::LastIndexOf(const QString& text) const
{
    const auto bytes = ChatBytes(text);
    return bytes ? Bytes().lastIndexOf(*bytes) : -1;
}

std::optional<QByteArray> ChatBytes(const QString& text)
{
    QByteArray bytes = ToCp1252(text);
    if (FromCp1252(bytes) != text)
        return std::nullopt;
    return bytes;
}
