#include "socket/ChatProtocol.h"

#include <array>

namespace {

struct Kind
{
    const char* Name;
    int Fields;
};

constexpr std::array<Kind, 9> Kinds = {{{"INIT", 1},
                                        {"REGISTER", 1},
                                        {"COMMUNICATE", 4},
                                        {"GETALLTEXT", 1},
                                        {"UNREGISTER", 1},
                                        {"KILL", 0},
                                        {"STATUS", 1},
                                        {"TEXT", 1},
                                        {"NOTIFY", 3}}};

int fieldCount(QByteArrayView kind)
{
    for (const Kind& k : Kinds) {
        if (kind == QByteArrayView(k.Name))
            return k.Fields;
    }
    return -1;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool mustEscape(char c)
{
    return c == '%' || c == ' ' || c == '\r' || c == '\n';
}

void appendEscaped(QByteArray& out, const QByteArray& field)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (const char c : field) {
        if (mustEscape(c)) {
            const auto byte = static_cast<unsigned char>(c);
            out.append('%');
            out.append(Hex[byte >> 4]);
            out.append(Hex[byte & 0x0F]);
        } else {
            out.append(c);
        }
    }
}

std::optional<QByteArray> unescape(QByteArrayView field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c != '%') {
            out.append(c);
            continue;
        }
        if (i + 2 >= field.size())
            return std::nullopt;
        const int high = hexValue(field[i + 1]);
        const int low = hexValue(field[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out.append(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return out;
}

} // namespace

qsizetype EscapedFieldSize(QByteArrayView field)
{
    qsizetype size = field.size();
    for (const char c : field) {
        if (mustEscape(c))
            size += 2; // "%" and two hex digits in place of the byte
    }
    return size;
}

QByteArray EncodeChatMessage(const QByteArray& kind, const QList<QByteArray>& fields)
{
    QByteArray line = kind;
    for (const QByteArray& field : fields) {
        line.append(' ');
        appendEscaped(line, field);
    }
    line.append('\n');
    return line;
}

std::optional<ChatMessage> DecodeChatMessage(QByteArrayView line)
{
    if (line.endsWith('\r')) // tolerate a peer that ends its lines with CR LF
        line.chop(1);
    const qsizetype blank = line.indexOf(' ');
    const QByteArrayView kind = blank < 0 ? line : line.first(blank);
    const int expected = fieldCount(kind);
    if (expected < 0 || (expected == 0) != (blank < 0))
        return std::nullopt;
    ChatMessage message;
    message.Kind = kind.toByteArray();
    qsizetype from = blank + 1;
    while (expected > 0) {
        const qsizetype next = line.indexOf(' ', from);
        const QByteArrayView raw = next < 0 ? line.sliced(from) : line.sliced(from, next - from);
        auto field = unescape(raw);
        if (!field)
            return std::nullopt;
        message.Fields.append(*field);
        if (next < 0)
            break;
        from = next + 1;
    }
    if (message.Fields.size() != expected)
        return std::nullopt;
    return message;
}

ChatLineReader::ChatLineReader(qsizetype limit) : limit_(limit) {}

void ChatLineReader::Append(const QByteArray& bytes)
{
    if (overflowed_)
        return;
    buffer_.append(bytes);
}

std::optional<QByteArray> ChatLineReader::NextLine()
{
    if (overflowed_)
        return std::nullopt;
    const qsizetype end = buffer_.indexOf('\n', scanned_);
    if (end < 0) {
        scanned_ = buffer_.size();
        if (buffer_.size() - start_ > limit_)
            overflowed_ = true;
        return std::nullopt;
    }
    if (end + 1 - start_ > limit_) {
        overflowed_ = true;
        return std::nullopt;
    }
    QByteArray line = buffer_.sliced(start_, end - start_);
    start_ = end + 1;
    scanned_ = start_;
    // Drop what has been read once it is most of the buffer, so the buffer does not grow.
    if (start_ > buffer_.size() / 2) {
        buffer_.remove(0, start_);
        scanned_ -= start_;
        start_ = 0;
    }
    return line;
}

bool ChatLineReader::Overflowed() const
{
    return overflowed_;
}

void ChatLineReader::Clear()
{
    buffer_.clear();
    start_ = 0;
    scanned_ = 0;
    overflowed_ = false;
}
