// The bridge's reading of an IRC server over any bytes a server may send, cut into lines as the
// connection cuts them. A parsed line formats back to a line that parses the same; a PING gets
// one PONG line; signing on answers only with whole lines, a valid nick and no credentials that
// were not given; a PRIVMSG reaches the chat text only from a valid nick, never as CTCP, as one
// line without control characters; the chat text keeps the newest whole lines within its bound;
// a text shown on the console and said back to IRC reads the same again.

#include "FuzzSupport.h"
#include "irc/IrcMessage.h"
#include "irc/IrcNick.h"
#include "irc/IrcRegistration.h"
#include "irc/IrcTextCodec.h"
#include "irc/IrcTranscript.h"
#include "socket/ChatProtocol.h"
#include "text/Cp1252.h"
#include "text/Gestures.h"

#include <QRegularExpression>
#include <QUtf8StringView>

#include <deque>

namespace {

const QByteArray Channel = "#quillo";
const QByteArray WantedNick = "QuilloConsoleHost"; // longer than nine, so a refusal cuts it
// Small enough that a handful of lines makes the chat text drop its oldest.
constexpr qsizetype SmallLimit = 300;

QString show(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toPercentEncoding());
}

bool isOneLine(const QByteArray& line)
{
    return line.endsWith("\r\n") && line.size() <= IrcMessage::MaxLineBytes &&
           line.count('\n') == 1 && line.count('\r') == 1 && !line.contains('\0');
}

void checkParsed(const QByteArray& line, const IrcMessage& message)
{
    static const QRegularExpression command(QStringLiteral("^(?:[A-Z]+|[0-9]{3})$"));
    FUZZ_CHECK(command.match(QString::fromLatin1(message.Command)).hasMatch(), show(line));
    FUZZ_CHECK(message.Params.size() <= 15, show(line));
    FUZZ_CHECK(!message.Prefix.contains(' '), show(line));
    const QByteArray nick = message.PrefixNick();
    FUZZ_CHECK(message.Prefix.startsWith(nick) && !nick.contains('!') && !nick.contains('@'),
               show(line));
    qsizetype expected = message.Command.size() + 2;
    for (qsizetype i = 0; i < message.Params.size(); ++i) {
        const QByteArray& p = message.Params[i];
        FUZZ_CHECK(!p.contains('\r') && !p.contains('\n') && !p.contains('\0'), show(line));
        const bool needsColon = p.isEmpty() || p.contains(' ') || p.startsWith(':');
        if (i + 1 < message.Params.size())
            FUZZ_CHECK(!needsColon, show(line));
        expected += 1 + p.size() + (needsColon ? 1 : 0);
    }

    const QByteArray formatted = IrcMessage::Format(message.Command, message.Params);
    FUZZ_CHECK(formatted.isEmpty() == (expected > IrcMessage::MaxLineBytes), show(line));
    if (formatted.isEmpty())
        return;
    FUZZ_CHECK(isOneLine(formatted), show(formatted));
    const auto again = IrcMessage::Parse(formatted.chopped(2));
    FUZZ_CHECK(again && again->Prefix.isEmpty() && again->Command == message.Command &&
                   again->Params == message.Params,
               show(line));
}

void checkPong(const IrcMessage& message)
{
    const QByteArray token = message.Param(0);
    const QByteArray pong = IrcMessage::Format("PONG", {token});
    // A token that long is no server's; it gets no answer rather than a cut one.
    if (token.size() > 400) {
        FUZZ_CHECK(pong.isEmpty() || isOneLine(pong), show(token));
        return;
    }
    FUZZ_CHECK(isOneLine(pong), show(token));
    const auto parsed = IrcMessage::Parse(pong.chopped(2));
    FUZZ_CHECK(parsed && parsed->Command == "PONG" && parsed->Params == QList<QByteArray>{token},
               show(pong));
}

// One sign-on, driven as the connection drives it until welcomed or out of nicks.
struct SignOn
{
    IrcRegistration Registration;
    bool Sasl;
    int CapEnds = 0;

    void CheckLines(const QList<QByteArray>& lines)
    {
        for (const QByteArray& line : lines) {
            FUZZ_CHECK(isOneLine(line), show(line));
            const auto sent = IrcMessage::Parse(line.chopped(2));
            FUZZ_CHECK(sent.has_value(), show(line));
            if (sent->Command == "NICK")
                FUZZ_CHECK(IrcNick::IsValid(sent->Param(0)) &&
                               sent->Param(0) == Registration.Nick(),
                           show(line));
            FUZZ_CHECK(Sasl || sent->Command != "AUTHENTICATE", show(line));
            if (sent->Command == "CAP" && sent->Param(0) == "END")
                FUZZ_CHECK(++CapEnds == 1, show(line));
        }
        FUZZ_CHECK(IrcNick::IsValid(Registration.Nick()), show(Registration.Nick()));
        FUZZ_CHECK(IrcNick::IsValid(Registration.WantedNick()), show(Registration.WantedNick()));
    }

    void Handle(const IrcMessage& message)
    {
        if (!Registration.Welcomed() && !Registration.GaveUp())
            CheckLines(Registration.Handle(message));
    }
};

void checkConsoleText(const QByteArray& ircText)
{
    const QByteArray shown = IrcTextCodec::ToConsole(ircText);
    FUZZ_CHECK(shown.size() <= ircText.size(), show(ircText));
    for (const char c : shown)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, show(ircText));
    const QByteArray back = IrcTextCodec::ToIrc(shown);
    FUZZ_CHECK(QUtf8StringView(back).isValidUtf8(), show(ircText));
    FUZZ_CHECK(!back.contains('\r') && !back.contains('\n') && !back.contains('\0'), show(ircText));
    // Back as it was shown, but for the bytes the code page gives no character: those reach
    // IRC as "?".
    QByteArray expected = shown;
    for (const char unassigned : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'})
        expected.replace(unassigned, '?');
    FUZZ_CHECK(IrcTextCodec::ToConsole(back) == expected, show(ircText));
}

qsizetype escapedSize(const QByteArray& text)
{
    return EncodeChatMessage("TEXT", {text}).size() - qsizetype(sizeof("TEXT \n") - 1);
}

// A transcript beside what it should hold: the newest of the lines it took whose escaped sizes
// fit its limit together.
struct Chat
{
    explicit Chat(qsizetype limit) : Limit(limit), Transcript(limit) {}

    qsizetype Limit;
    IrcTranscript Transcript;
    std::deque<QByteArray> Taken;

    void CheckAdded(bool added, const QByteArray& before, const QByteArray& opening,
                    const QByteArray& nick, const QByteArray& shown)
    {
        const QByteArray text = Transcript.Text();
        const QByteArray line = opening + nick + ": " + shown + "\r\n";
        const bool fits = IrcNick::IsValid(nick) && !shown.isEmpty() && escapedSize(line) <= Limit;
        FUZZ_CHECK(added == fits, show(line));
        if (!added) {
            FUZZ_CHECK(text == before, show(line));
            return;
        }
        Taken.push_back(line);
        QByteArray expected;
        qsizetype size = 0;
        for (auto it = Taken.rbegin(); it != Taken.rend(); ++it) {
            size += escapedSize(*it);
            if (size > Limit)
                break;
            expected.prepend(*it);
        }
        FUZZ_CHECK(text == expected, show(line));
        FUZZ_CHECK(Transcript.EscapedSize() == escapedSize(text), show(text));
        FUZZ_CHECK(Transcript.EscapedSize() <= Limit, show(text));
        checkLines(text);
    }

    void Said(const QByteArray& from, const QByteArray& text)
    {
        const QByteArray before = Transcript.Text();
        const bool added = Transcript.AddSaid(from, text);
        FUZZ_CHECK(!added || !IrcMessage::IsCtcp(text), show(text));
        CheckAdded(added, before, {}, from,
                   IrcMessage::IsCtcp(text) ? QByteArray() : IrcTextCodec::ToConsole(text));
    }

    void EspFrom(const QByteArray& from, const QByteArray& text)
    {
        const QByteArray before = Transcript.Text();
        const bool added = Transcript.AddEspFrom(from, text);
        FUZZ_CHECK(!added || !IrcMessage::IsCtcp(text), show(text));
        const QString tag = GestureTag(IrcTextCodec::Decode(text));
        const QByteArray shown = tag.isEmpty() ? IrcTextCodec::ToConsole(text) : ToCp1252(tag);
        CheckAdded(added, before, "ESP from ", from,
                   IrcMessage::IsCtcp(text) ? QByteArray() : shown);
    }

    void EspTo(const QByteArray& to, const QByteArray& text)
    {
        const QByteArray before = Transcript.Text();
        const bool added = Transcript.AddEspTo(to, text);
        FUZZ_CHECK(!added || !IrcMessage::IsCtcp(text), show(text));
        CheckAdded(added, before, "ESP to ", to,
                   IrcMessage::IsCtcp(text) ? QByteArray() : IrcTextCodec::ToConsole(text));
    }

    static void checkLines(const QByteArray& text)
    {
        static const QRegularExpression form(
            QStringLiteral("^(?:ESP from |ESP to )?([A-Za-z\\[-`{-}][A-Za-z0-9\\[-`{-}-]*): "
                           "[^\\x00-\\x1f\\x7f]+$"));
        FUZZ_CHECK(text.endsWith("\r\n"), show(text));
        for (QByteArray line : text.split('\n')) {
            if (line.isEmpty())
                continue;
            FUZZ_CHECK(line.endsWith('\r'), show(text));
            line.chop(1);
            const auto match = form.match(FromCp1252(line));
            FUZZ_CHECK(match.hasMatch(), show(line));
            FUZZ_CHECK(IrcNick::IsValid(match.captured(1).toLatin1()), show(line));
        }
    }
};

// A PRIVMSG as the chat client files it: said in the channel, an ESP to the bridge's nick, or
// the server's echo of the bridge's own ESP.
void file(Chat& chat, const QByteArray& nick, const IrcMessage& message)
{
    const QByteArray from = message.PrefixNick();
    const QByteArray& target = message.Params[0];
    const QByteArray& text = message.Params[1];
    if (IrcNick::Folded(target) == IrcNick::Folded(Channel))
        chat.Said(from, text);
    else if (IrcNick::Same(target, nick))
        chat.EspFrom(from, text);
    else if (IrcNick::Same(from, nick))
        chat.EspTo(target, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SignOn plain{IrcRegistration(WantedNick, {}, {}, {}), false};
    SignOn sasl{IrcRegistration(WantedNick, "server-password", "host", "secret"), true};
    plain.CheckLines(plain.Registration.Begin());
    sasl.CheckLines(sasl.Registration.Begin());
    Chat wide(IrcTranscript::DefaultLimit());
    Chat small(SmallLimit);
    QByteArray nick = plain.Registration.Nick();

    const QByteArray bytes = FuzzBytes(data, size);
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.size() > IrcMessage::MaxIncomingBytes)
            continue; // the connection passes over such a line unread
        const auto message = IrcMessage::Parse(line);
        if (!message)
            continue;
        checkParsed(line, *message);
        if (!message->Params.isEmpty())
            checkConsoleText(message->Params.last());
        if (message->Command == "PING")
            checkPong(*message);
        const bool signingOn = !plain.Registration.Welcomed();
        plain.Handle(*message);
        sasl.Handle(*message);
        // The connection's nick: the registration's until welcomed, then what NICK makes it.
        if (signingOn || plain.Registration.GaveUp()) {
            nick = plain.Registration.Nick();
        } else if (message->Command == "NICK" && IrcNick::Same(message->PrefixNick(), nick) &&
                   IrcNick::IsValid(message->Param(0))) {
            nick = message->Param(0);
        }
        if (message->Command == "PRIVMSG" && message->Params.size() == 2 &&
            !message->Prefix.isEmpty()) {
            file(wide, nick, *message);
            file(small, nick, *message);
        }
    }
    return 0;
}
