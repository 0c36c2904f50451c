// The socket protocol's reader over any bytes a client may send. A decoded line encodes back
// to a line that decodes the same; any message survives encoding; the line reader hands out
// every line it should, each within its limit, and stops exactly when a line runs past it.

#include "FuzzSupport.h"
#include "socket/ChatProtocol.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>

namespace {

const std::array<QByteArray, 9> Kinds = {"INIT",       "REGISTER",   "COMMUNICATE",
                                         "GETALLTEXT", "UNREGISTER", "KILL",
                                         "STATUS",     "TEXT",       "NOTIFY"};
constexpr std::array<int, 9> FieldCounts = {1, 1, 4, 1, 1, 0, 1, 1, 3};

QString show(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toPercentEncoding());
}

void checkDecodeOfRawLine(const QByteArray& line)
{
    const auto message = DecodeChatMessage(line);
    if (!message)
        return;
    const QByteArray again = EncodeChatMessage(message->Kind, message->Fields);
    const auto decoded = DecodeChatMessage(QByteArrayView(again).chopped(1));
    FUZZ_CHECK(decoded && decoded->Kind == message->Kind && decoded->Fields == message->Fields,
               show(line));
}

void checkEncodeThenDecode(FuzzedDataProvider& input)
{
    const std::size_t kind = input.ConsumeIntegralInRange<std::size_t>(0, Kinds.size() - 1);
    QList<QByteArray> fields;
    for (int i = 0; i < FieldCounts[kind]; ++i) {
        const std::string field = input.ConsumeRandomLengthString(64);
        fields.append(QByteArray(field.data(), static_cast<qsizetype>(field.size())));
    }
    const QByteArray line = EncodeChatMessage(Kinds[kind], fields);
    FUZZ_CHECK(line.endsWith('\n') && line.count('\n') == 1 && !line.contains('\r'), show(line));
    const auto decoded = DecodeChatMessage(QByteArrayView(line).chopped(1));
    FUZZ_CHECK(decoded && decoded->Kind == Kinds[kind] && decoded->Fields == fields, show(line));
}

// The stream cut into chunks as the socket might deliver it, against what a plain split says.
void checkLineReader(FuzzedDataProvider& input)
{
    const auto limit = input.ConsumeIntegralInRange<qsizetype>(1, 64);
    ChatLineReader reader(limit);
    QByteArray stream;
    QList<QByteArray> got;
    while (input.remaining_bytes() > 0) {
        const auto chunk = input.ConsumeIntegralInRange<std::size_t>(1, 40);
        const std::string bytes = input.ConsumeBytesAsString(chunk);
        const QByteArray piece(bytes.data(), static_cast<qsizetype>(bytes.size()));
        stream += piece;
        reader.Append(piece);
        while (const auto line = reader.NextLine()) {
            FUZZ_CHECK(!reader.Overflowed(), show(stream));
            FUZZ_CHECK(line->size() + 1 <= limit, show(*line));
            got.append(*line);
        }
    }

    QList<QByteArray> expected;
    bool overflow = false;
    qsizetype from = 0;
    for (;;) {
        const qsizetype end = stream.indexOf('\n', from);
        if (end < 0) {
            overflow = stream.size() - from > limit;
            break;
        }
        if (end + 1 - from > limit) {
            overflow = true;
            break;
        }
        expected.append(stream.mid(from, end - from));
        from = end + 1;
    }
    FUZZ_CHECK(got == expected, show(stream));
    FUZZ_CHECK(reader.Overflowed() == overflow, show(stream));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    checkDecodeOfRawLine(bytes.left(bytes.indexOf('\n')));
    FuzzedDataProvider input(data, size);
    checkEncodeThenDecode(input);
    checkLineReader(input);
    return 0;
}
